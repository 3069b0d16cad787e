#pragma once
// Test doubles for the runtime services: each replaces one service for its own lifetime.

#include "platform/Runtime.h"

#include <chrono>
#include <string>
#include <vector>

// Records every text handed to one runtime service instead of letting the service act on it;
// the previous handler comes back when the recorder goes.
template <seams::TextHandler (*Install)(seams::TextHandler)> class TextRecorder {
  public:
    TextRecorder() {
        previous_ = Install([this](const std::string& t) { texts.push_back(t); });
    }
    ~TextRecorder() { Install(previous_); }
    TextRecorder(const TextRecorder&) = delete;
    TextRecorder& operator=(const TextRecorder&) = delete;
    std::vector<std::string> texts;

  private:
    seams::TextHandler previous_;
};

// Every MsgBox text, instead of a box.
using MsgBoxRecorder = TextRecorder<&seams::setMsgBoxHandler>;
// Every ShowURL address, instead of a browser.
using ShowURLRecorder = TextRecorder<&seams::setShowURLHandler>;
// The text of every unhandled exception, instead of a box.
using UnhandledExceptionRecorder = TextRecorder<&seams::setUnhandledExceptionHandler>;

// Stands in for the browser below ShowURL: notes each address handed to it and answers
// whether a browser could be started for it.
class FakeBrowser {
  public:
    explicit FakeBrowser(bool starts) {
        previous_ = seams::setURLOpener([this, starts](const std::string& address) {
            addresses.push_back(address);
            return starts;
        });
    }
    ~FakeBrowser() { seams::setURLOpener(previous_); }
    FakeBrowser(const FakeBrowser&) = delete;
    FakeBrowser& operator=(const FakeBrowser&) = delete;
    std::vector<std::string> addresses;

  private:
    seams::URLOpener previous_;
};

// Makes Ticks return a fixed value.
class FixedTicks {
  public:
    explicit FixedTicks(int32_t value) {
        previous_ = seams::setTicksSource([this] { return value_; });
        value_ = value;
    }
    ~FixedTicks() { seams::setTicksSource(previous_); }
    FixedTicks(const FixedTicks&) = delete;
    FixedTicks& operator=(const FixedTicks&) = delete;
    void set(int32_t value) { value_ = value; }

  private:
    int32_t value_ = 0;
    seams::TicksSource previous_;
};

// Makes the timers' clock stand still where the test puts it (it starts at the real time).
class FakeClock {
  public:
    using time_point = std::chrono::steady_clock::time_point;
    FakeClock() : now_(std::chrono::steady_clock::now()) {
        previous_ = seams::setClockSource([this] { return now_; });
    }
    ~FakeClock() { seams::setClockSource(previous_); }
    FakeClock(const FakeClock&) = delete;
    FakeClock& operator=(const FakeClock&) = delete;
    time_point now() const { return now_; }
    void set(time_point t) { now_ = t; }

  private:
    time_point now_;
    seams::ClockSource previous_;
};

// Counts RuntimeBackgroundTask calls from its construction on.
class BackgroundTaskCounter {
  public:
    BackgroundTaskCounter() : start_(seams::backgroundTaskCalls()) {}
    uint64_t calls() const { return seams::backgroundTaskCalls() - start_; }

  private:
    uint64_t start_;
};
