#pragma once
// The program's runtime services: start-up of the GUI, message boxes, the browser, the tick
// counter and the background task of long loops.
//
// Message boxes, the browser, the tick counter and the timers' clock go through replaceable
// handlers, so a test records what the program would show or open and fixes the clock;
// nothing then blocks.

#include <chrono>
#include <cstdint>
#include <exception>
#include <functional>
#include <string>

// Starts the GUI toolkit. Call once, before any window or picture is made. With
// headless true the toolkit uses its offscreen platform (tests).
void RuntimeInit(int& argc, char** argv, bool headless = false);
// Runs the event loop until Quit; returns its exit status. With an application object
// registered, its Open event runs first, once (see Application.h).
int RuntimeRun();
// Ends the event loop.
void RuntimeQuit();
// Whether RuntimeRun's event loop is running.
bool RuntimeEventLoopRunning();
// How many times RuntimeRun has started its loop: tells work posted in one run from the next.
uint64_t RuntimeEventLoopNumber();
// Releases the application object and the GUI toolkit; call once, after the event loop has ended.
// Returns the exit status of the last event loop (0 when none ran).
int RuntimeExit();

// What the framework does with an exception that escaped an event or menu handler, or a
// start-up step: it shows what it knows in a message box, and the program goes on.
void UnhandledException(std::exception_ptr error);
// Runs one handler of the program; an exception it throws goes to UnhandledException and
// no further (the toolkit's event dispatch cannot carry exceptions).
void RunHandler(const std::function<void()>& handler);

// The monotonic clock that timers keep their time by: std::chrono::steady_clock, unless a
// test has put its own in place.
std::chrono::steady_clock::time_point RuntimeClock();

// Shows text in a modal message box; the caller goes on when it is dismissed.
void MsgBox(const std::string& text);
// Whether a message box is waiting for its answer (its event loop runs meanwhile).
bool RuntimeMessageBoxOpen();
// Opens the address in the user's browser. When no browser can be started, a message box
// says so and names the page, a file by its path.
void ShowURL(const std::string& address);

// Called once per pass of every loop of the program. It dispatches no input or timer
// events, so no handler runs again while a loop is under way.
void RuntimeBackgroundTask();

namespace seams {
using TextHandler = std::function<void(const std::string&)>;
using TicksSource = std::function<int32_t()>;
using ClockSource = std::function<std::chrono::steady_clock::time_point()>;
// Hands an address to the browser; returns whether a browser could be started for it.
using URLOpener = std::function<bool(const std::string&)>;

// Each setter installs a handler and returns the previous one; an empty function restores
// the real behaviour.
TextHandler setMsgBoxHandler(TextHandler handler);
TextHandler setShowURLHandler(TextHandler handler);
// Stands in for the toolkit's handing of an address to the browser, below ShowURL's own
// handling (also in a headless run, which otherwise only reports the address on stderr).
URLOpener setURLOpener(URLOpener opener);
TicksSource setTicksSource(TicksSource source);
ClockSource setClockSource(ClockSource source);
// Receives the text of every unhandled exception in place of the message box.
TextHandler setUnhandledExceptionHandler(TextHandler handler);
// Number of RuntimeBackgroundTask calls since the program started.
uint64_t backgroundTaskCalls();
// Work run at the start of each event loop (posted, so it runs inside the loop) and after
// it ends; the application object installs these.
void setEventLoopHooks(std::function<void()> atStart, std::function<void()> atEnd);
} // namespace seams
