#include "platform/Timer.h"
#include "platform/Runtime.h"
#include "platform/Window.h"

#include <QObject>
#include <QTimer>

#include <algorithm>
#include <chrono>

namespace {
int runningActions = 0; // timer Actions under way (nested through a modal loop)
constexpr int retryMs = 10;
using Clock = std::chrono::steady_clock;
} // namespace

// The toolkit's timer only wakes us; whether a firing is due is decided against our own
// deadline, read on the runtime's clock (so a test's clock decides every firing). A coarse
// toolkit timer may wake a few per cent early, and even a precise one rounds to whole
// milliseconds, so a wake-up before the deadline just waits for the rest.
struct Timer::Impl {
    QTimer qtimer;
    Clock::time_point due;

    void wakeAt(Clock::time_point when) {
        due = when;
        wakeForDue();
    }
    void wakeForDue() {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - RuntimeClock());
        qtimer.start(int(std::max<std::chrono::milliseconds::rep>(left.count(), 0)));
    }
};

Timer::Timer() : impl_(std::make_unique<Impl>()) {
    impl_->qtimer.setSingleShot(true);
    impl_->qtimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&impl_->qtimer, &QTimer::timeout, [this] { wake(); });
}

Timer::~Timer() = default;

void Timer::setMode(int mode) {
    mode_ = mode;
    restart();
}

void Timer::setPeriod(int ms) {
    period_ = ms;
    restart();
}

void Timer::restart() {
    impl_->qtimer.stop();
    if (mode_ == 1 || mode_ == 2)
        impl_->wakeAt(RuntimeClock() + std::chrono::milliseconds(std::max(period_, 0)));
}

void Timer::wake() {
    const auto now = RuntimeClock();
    if (now < impl_->due) {
        impl_->wakeForDue();
        return;
    }
    if (mode_ == 2) {
        // Keep the beat from the start, so that days do not drift; after a stall (a long
        // handler, a suspended machine) start a new beat instead of firing to catch up.
        const auto period = std::chrono::milliseconds(std::max(period_, 1));
        auto next = impl_->due + period;
        if (next <= now) next = now + period;
        impl_->wakeAt(next);
    }
    Fire();
}

void Timer::Fire() {
    if (mode_ == 0) return;
    ::Window* w = Window();
    if (w && !w->IsOpen()) {
        impl_->qtimer.stop();
        return;
    }
    if (runningActions > 0 || RuntimeMessageBoxOpen()) {
        // Skip rather than re-enter; a timer that fires once tries again shortly.
        if (mode_ == 1) impl_->wakeAt(RuntimeClock() + std::chrono::milliseconds(retryMs));
        return;
    }
    if (mode_ == 1) {
        mode_ = 0;
        impl_->qtimer.stop();
    }
    ++runningActions;
    struct Done {
        ~Done() { --runningActions; }
    } done;
    RaiseEvent("Action");
}

bool Timer::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "Mode"))
        return SetThrough<int32_t>(value, [this](int32_t v) { setMode(v); });
    if (SameName(name, "Period"))
        return SetThrough<int32_t>(value, [this](int32_t v) { setPeriod(v); });
    return Control::SetProperty(name, value);
}
