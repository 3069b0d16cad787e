// Timers on the real event loop: a timer never fires before its period has passed, once or
// again and again; and, on a clock the test moves, a repeating timer keeps its beat and
// starts a new one after a stall.
#include "platform/Timer.h"
#include "platform/Window.h"
#include "platform/testing/Testing.h"
#include "platform/testing/UiTesting.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A free timer that notes when each of its Actions ran.
struct TimedTimer {
    std::shared_ptr<Timer> timer = std::make_shared<Timer>();
    Clock::time_point started;
    std::vector<double> firedAtMs; // since `started`

    void start(int mode, int periodMs) {
        InstallInstanceEventHandler(*timer, "Action",
                                    [this](Control&) { firedAtMs.push_back(msSince(started)); });
        timer->setPeriod(periodMs);
        started = Clock::now(); // before the timer starts, so a measured wait is never longer
        timer->setMode(mode);
    }
};

bool eachFired(const std::vector<TimedTimer>& timers, size_t times) {
    for (auto& t : timers)
        if (t.firedAtMs.size() < times) return false;
    return true;
}

} // namespace

// A toolkit timer that rounds its deadline to save wake-ups may fire a few per cent early;
// many periods at once make such a rounding all but certain to show.
TEST(Timers, AOneShotTimerNeverFiresBeforeItsPeriod) {
    std::vector<TimedTimer> timers(24);
    for (size_t i = 0; i < timers.size(); ++i)
        timers[i].start(1, 110 + 23 * int(i));
    ASSERT_TRUE(uitest::WaitUntil([&] { return eachFired(timers, 1); }, 3000));
    uitest::ProcessEvents(50);
    for (auto& t : timers) {
        const int period = t.timer->Period();
        ASSERT_EQ(t.firedAtMs.size(), 1u) << "period " << period;
        EXPECT_GE(t.firedAtMs[0], period) << "fired early, period " << period;
        EXPECT_EQ(t.timer->Mode(), 0);
    }
}

// A repeating timer keeps to its beat: its n-th Action comes no sooner than n periods after
// it started.
TEST(Timers, ARepeatingTimerKeepsToItsBeatWithoutFiringEarly) {
    std::vector<TimedTimer> timers(6);
    for (size_t i = 0; i < timers.size(); ++i)
        timers[i].start(2, 40 + 13 * int(i));
    ASSERT_TRUE(uitest::WaitUntil([&] { return eachFired(timers, 10); }, 5000));
    for (auto& t : timers) {
        t.timer->setMode(0);
        const int period = t.timer->Period();
        for (size_t n = 0; n < 10; ++n)
            EXPECT_GE(t.firedAtMs[n], double(period) * double(n + 1))
                << "Action " << n + 1 << " of a " << period << " ms timer came early";
    }
}

namespace {

using namespace std::chrono_literals;
constexpr int beatMs = 20;
constexpr std::chrono::milliseconds beat(beatMs);

// A repeating timer on a clock that stands still until the test moves it. The toolkit timer
// waits for the distance to the deadline on that clock, so once the clock is at or past the
// deadline the timer wakes at the next pass of the event loop: what fires is decided by the
// clock alone, however fast the machine is.
struct TimerOnFakeClock {
    FakeClock clock;
    const FakeClock::time_point start = clock.now();
    std::shared_ptr<Timer> timer = std::make_shared<Timer>();
    int actions = 0;

    TimerOnFakeClock() {
        InstallInstanceEventHandler(*timer, "Action", [this](Control&) { ++actions; });
        timer->setPeriod(beatMs);
        timer->setMode(2);
    }
    ~TimerOnFakeClock() { timer->setMode(0); }

    // The Actions so far once the clock is at `now` and the event loop has run for a few
    // real periods (long enough for any due firing, and for a burst, to show).
    int settle(FakeClock::time_point now) {
        clock.set(now);
        uitest::ProcessEvents(3 * beatMs);
        return actions;
    }
    // Whether the `n`-th Action comes once the clock is at `now`.
    bool reach(FakeClock::time_point now, int n) {
        clock.set(now);
        return uitest::WaitUntil([&] { return actions >= n; }, 2000);
    }
};

} // namespace

// Every wake-up comes late, by 7 and 2 ms in turn; the n-th Action is still due n periods
// after the start, not a period after the late wake-up before it (which would put each day
// off a little more). A lateness that stayed the same would hide that.
TEST(Timers, ARepeatingTimerKeepsItsBeatWhenEveryWakeUpIsLate) {
    TimerOnFakeClock t;
    for (int n = 1; n <= 6; ++n) {
        const auto onBeat = t.start + n * beat;
        const auto late = n % 2 ? 7ms : 2ms;
        ASSERT_EQ(t.settle(onBeat - 1ms), n - 1) << "Action " << n << " came before its beat";
        ASSERT_TRUE(t.reach(onBeat + late, n))
            << "Action " << n << " was not due " << n << " periods after the start: a late "
            << "wake-up moved the beat";
    }
}

// After a stall of many periods, one Action, no burst to catch up, and a new beat from the
// wake-up (which lies off the old beat).
TEST(Timers, AfterAStallARepeatingTimerFiresOnceAndStartsANewBeat) {
    TimerOnFakeClock t;
    ASSERT_TRUE(t.reach(t.start + beat, 1));
    const auto wake = t.start + 50 * beat + 7ms;
    ASSERT_TRUE(t.reach(wake, 2)) << "no Action after the stall";
    EXPECT_EQ(t.settle(wake), 2) << "the timer fired again to catch up on the periods it missed";
    EXPECT_EQ(t.settle(wake + beat - 1ms), 2) << "the Action after the stall came early";
    EXPECT_TRUE(t.reach(wake + beat, 3))
        << "no Action one period after the wake-up that ended the stall";
}
