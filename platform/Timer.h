#pragma once
// Timers: Mode 0 off, 1 fires once (then Mode is 0), 2 fires every Period milliseconds.
// Each firing raises the "Action" event. A timer never fires before its time: the first
// firing comes Period milliseconds after the Mode or Period was set, the n-th of a repeating
// timer no sooner than n periods after it (later only as the event loop allows). A timer
// skips its ticks while another timer's Action is still running or a message box waits for
// its answer (the box's event loop would otherwise run a handler again in the middle of the
// code that showed it), and a timer whose window has been closed never fires again.

#include "platform/Control.h"

#include <memory>

class Timer : public Control {
  public:
    Timer();
    ~Timer() override;

    int Mode() const { return mode_; }
    int Period() const { return period_; }
    void setMode(int mode);
    void setPeriod(int ms);

    // The framework's default construction of a timer.
    virtual void Constructor() {}

    bool SetProperty(std::string_view name, const PropertyValue& value) override;

    // Runs one firing now, as if the period had elapsed (used by the Qt timer and tests).
    void Fire();

    struct Impl;

  private:
    void restart();
    void wake(); // the toolkit's timer ran out: fire if the firing is due
    int mode_ = 0;
    int period_ = 1000;
    std::unique_ptr<Impl> impl_;
};

// The interface through which a window tells a non-visual child which window it belongs
// to, and asks it.
class PaneChild {
  public:
    virtual ~PaneChild() = default;
    virtual void SetWindow(std::shared_ptr<::Window> window) = 0;
    virtual ::Window* Window() const = 0;
    virtual int32_t GetIndex() const = 0;
    virtual void SetIndex(int32_t index) = 0;
};

// The base of a window's timer classes: a Timer that knows its window. It holds a counted
// reference to the window, dropped when the timer is freed (the window drops its timers
// when it closes).
class WindowTimer : public Timer, public PaneChild {
  public:
    void SetWindow(std::shared_ptr<::Window> window) override { ownerWindow = std::move(window); }
    ::Window* Window() const override { return ownerWindow.get(); }
    int32_t GetIndex() const override { return Index; }
    void SetIndex(int32_t index) override { Index = index; }
    void Constructor() override {}

  private:
    std::shared_ptr<::Window> ownerWindow;
};
