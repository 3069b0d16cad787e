#include "platform/Runtime.h"
#include "platform/Application.h"
#include "platform/MenuImpl.h"
#include "platform/MessageBoxImpl.h"
#include "platform/Numbers.h"
#include "platform/QtText.h"
#include "platform/Window.h"
#include "platform/WindowActivation.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

const auto programStart = std::chrono::steady_clock::now();
bool headlessMode = false;
std::unique_ptr<QApplication> application;
uint64_t backgroundCalls = 0;
int openMessageBoxes = 0;

seams::TextHandler msgBoxHandler;
seams::TextHandler showURLHandler;
seams::URLOpener urlOpener;
seams::TicksSource ticksSource;
seams::ClockSource clockSource;
seams::TextHandler unhandledHandler;
std::function<void()> loopStart;
std::function<void()> loopEnd;
int lastExitStatus = 0;
bool loopRunning = false;
uint64_t loopsRun = 0;

void realMsgBox(const std::string& text) {
    if (headlessMode || !qApp) {
        // Nobody can answer a box without a screen: report it and go on.
        std::fprintf(stderr, "MsgBox: %s\n", text.c_str());
        return;
    }
    auto box = NewMessageBox(text, MessageBoxParent());
    struct Open {
        Open() { ++openMessageBoxes; }
        ~Open() { --openMessageBoxes; }
    } open;
    box->exec();
}

void realShowURL(const std::string& address) {
    if (headlessMode && !urlOpener) {
        std::fprintf(stderr, "ShowURL: %s\n", address.c_str());
        return;
    }
    const bool opened =
        urlOpener ? urlOpener(address) : QDesktopServices::openUrl(QUrl(toQt(address)));
    if (opened) return;
    // Without a browser (or a launcher that finds one) the toolkit only tells stderr: the
    // page is named, so that it can be opened by hand.
    const QUrl url(toQt(address));
    const std::string where =
        url.isLocalFile() ? "file:\r\r" + fromQt(QDir::toNativeSeparators(url.toLocalFile()))
                          : "address:\r\r" + address;
    MsgBox("No web browser could be started to show the page. It can be opened by hand from "
           "this " +
           where);
}

// The offscreen platform of a headless run has no window system to raise a window or to
// take its size hints, and says so at every call; nothing a headless run could act on.
QtMessageHandler toolkitHandler = nullptr;
void headlessMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support"))) return;
    toolkitHandler(type, context, text);
}

int32_t realTicks() {
    auto elapsed = std::chrono::steady_clock::now() - programStart;
    return static_cast<int32_t>(
        std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() * 60 / 1000000);
}

} // namespace

std::unique_ptr<QMessageBox> NewMessageBox(const std::string& text, QWidget* parent) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QApplication::applicationName(),
                                             shownText(text), QMessageBox::Ok, parent);
    box->setTextFormat(Qt::PlainText);
    return box;
}

void RuntimeInit(int& argc, char** argv, bool headless) {
    headlessMode = headless;
    if (headless) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!toolkitHandler) toolkitHandler = qInstallMessageHandler(headlessMessages);
    }
    if (!qApp) {
        application = std::make_unique<QApplication>(argc, argv);
        // Released before the toolkit's own globals go, also when RuntimeExit is never
        // called (registered after the toolkit made them, so it runs before they die).
        std::atexit([] {
            ReleaseMenuActions();
            application.reset();
        });
    }
    // The windows decide when the program ends (see Window::Close), not the toolkit.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName("Tarnwick");
    // No display name: the window system would append it to every window's own title.
}

int RuntimeRun() {
    if (!qApp) return 1;
    if (loopStart) QTimer::singleShot(0, [] { RunHandler(loopStart); });
    ++loopsRun;
    loopRunning = true;
    lastExitStatus = QApplication::exec();
    loopRunning = false;
    if (loopEnd) RunHandler(loopEnd);
    return lastExitStatus;
}

void RuntimeQuit() {
    if (qApp) QApplication::quit();
}

bool RuntimeEventLoopRunning() { return loopRunning; }

uint64_t RuntimeEventLoopNumber() { return loopsRun; }

int RuntimeExit() {
    RuntimeReleaseAppObject();
    // Windows and controls may be held past this point (by statics, say): none may still
    // own a widget when the toolkit goes.
    ReleaseAllWindowWidgets();
    application.reset();
    return lastExitStatus;
}

void UnhandledException(std::exception_ptr error) {
    std::string what = "An unexpected error occurred.";
    try {
        if (error) std::rethrow_exception(error);
    } catch (const std::exception& e) {
        what += std::string(" ") + e.what();
    } catch (...) {
    }
    unhandledHandler ? unhandledHandler(what) : MsgBox(what);
}

void RunHandler(const std::function<void()>& handler) {
    try {
        if (handler) handler();
    } catch (...) {
        UnhandledException(std::current_exception());
    }
}

void MsgBox(const std::string& text) { msgBoxHandler ? msgBoxHandler(text) : realMsgBox(text); }

void ShowURL(const std::string& address) {
    showURLHandler ? showURLHandler(address) : realShowURL(address);
}

void RuntimeBackgroundTask() {
    // Deliberately dispatches nothing: the program's loops are short, and running input or
    // timer handlers here could change a surface's sprite list under a loop that reads it.
    ++backgroundCalls;
}

bool RuntimeMessageBoxOpen() { return openMessageBoxes > 0; }

int32_t Ticks() { return ticksSource ? ticksSource() : realTicks(); }

std::chrono::steady_clock::time_point RuntimeClock() {
    return clockSource ? clockSource() : std::chrono::steady_clock::now();
}

namespace seams {
TextHandler setMsgBoxHandler(TextHandler handler) {
    auto old = std::move(msgBoxHandler);
    msgBoxHandler = std::move(handler);
    return old;
}
TextHandler setShowURLHandler(TextHandler handler) {
    auto old = std::move(showURLHandler);
    showURLHandler = std::move(handler);
    return old;
}
TextHandler setUnhandledExceptionHandler(TextHandler handler) {
    auto old = std::move(unhandledHandler);
    unhandledHandler = std::move(handler);
    return old;
}
URLOpener setURLOpener(URLOpener opener) {
    auto old = std::move(urlOpener);
    urlOpener = std::move(opener);
    return old;
}
TicksSource setTicksSource(TicksSource source) {
    auto old = std::move(ticksSource);
    ticksSource = std::move(source);
    return old;
}
ClockSource setClockSource(ClockSource source) {
    auto old = std::move(clockSource);
    clockSource = std::move(source);
    return old;
}
uint64_t backgroundTaskCalls() { return backgroundCalls; }
void setEventLoopHooks(std::function<void()> atStart, std::function<void()> atEnd) {
    loopStart = std::move(atStart);
    loopEnd = std::move(atEnd);
}
} // namespace seams
