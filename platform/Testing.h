#pragma once
// Test doubles for the runtime services: each replaces one service for its own lifetime.

#include "platform/Runtime.h"

#include <string>
#include <vector>

// Records every MsgBox text instead of showing a box.
class MsgBoxRecorder {
  public:
    MsgBoxRecorder() {
        previous_ = seams::setMsgBoxHandler([this](const std::string& t) { texts.push_back(t); });
    }
    ~MsgBoxRecorder() { seams::setMsgBoxHandler(previous_); }
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;
    std::vector<std::string> texts;

  private:
    seams::TextHandler previous_;
};

// Records every ShowURL address instead of opening a browser.
class ShowURLRecorder {
  public:
    ShowURLRecorder() {
        previous_ = seams::setShowURLHandler([this](const std::string& a) { urls.push_back(a); });
    }
    ~ShowURLRecorder() { seams::setShowURLHandler(previous_); }
    ShowURLRecorder(const ShowURLRecorder&) = delete;
    ShowURLRecorder& operator=(const ShowURLRecorder&) = delete;
    std::vector<std::string> urls;

  private:
    seams::TextHandler previous_;
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

// Counts RuntimeBackgroundTask calls from its construction on.
class BackgroundTaskCounter {
  public:
    BackgroundTaskCounter() : start_(seams::backgroundTaskCalls()) {}
    uint64_t calls() const { return seams::backgroundTaskCalls() - start_; }

  private:
    uint64_t start_;
};

// Records the text of every unhandled exception instead of showing it.
class UnhandledExceptionRecorder {
  public:
    UnhandledExceptionRecorder() {
        previous_ = seams::setUnhandledExceptionHandler(
            [this](const std::string& t) { texts.push_back(t); });
    }
    ~UnhandledExceptionRecorder() { seams::setUnhandledExceptionHandler(previous_); }
    UnhandledExceptionRecorder(const UnhandledExceptionRecorder&) = delete;
    UnhandledExceptionRecorder& operator=(const UnhandledExceptionRecorder&) = delete;
    std::vector<std::string> texts;

  private:
    seams::TextHandler previous_;
};
