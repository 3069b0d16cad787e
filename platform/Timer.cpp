#include "platform/Timer.h"
#include "platform/Runtime.h"
#include "platform/Window.h"

#include <QObject>
#include <QTimer>

#include <algorithm>

namespace {
int runningActions = 0; // timer Actions under way (nested through a modal loop)
constexpr int retryMs = 10;
} // namespace

struct Timer::Impl {
    QTimer qtimer;
};

Timer::Timer() : impl_(std::make_unique<Impl>()) {
    QObject::connect(&impl_->qtimer, &QTimer::timeout, [this] { Fire(); });
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
    if (mode_ == 1 || mode_ == 2) {
        impl_->qtimer.setSingleShot(mode_ == 1);
        impl_->qtimer.start(std::max(period_, 0));
    }
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
        if (mode_ == 1) impl_->qtimer.start(retryMs);
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
