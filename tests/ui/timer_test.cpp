// Timers on the real event loop: a timer never fires before its period has passed, once or
// again and again.
#include "platform/Timer.h"
#include "platform/Window.h"
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
