#include "platform/UiTesting.h"
#include "platform/Control.h"
#include "platform/Window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace uitest {

void ProcessEvents(int ms) {
    QElapsedTimer t;
    t.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QApplication::sendPostedEvents();
    } while (t.elapsed() < ms);
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > timeoutMs) return false;
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        QTest::qWait(5);
    }
    return true;
}

// Events go through the window system, as a user's do: hit-testing, mouse transparency
// and modal blocking all apply.
namespace {
QWindow* handleOf(QWidget* w) {
    QWidget* top = w ? w->window() : nullptr;
    return top ? top->windowHandle() : nullptr;
}
QPoint inTopLevel(QWidget* w, QPoint p) { return w->mapTo(w->window(), p); }
} // namespace

void Click(RectControl& control) {
    QWidget* w = control.widget();
    if (QWindow* win = handleOf(w)) QTest::mouseClick(win, Qt::LeftButton, {}, inTopLevel(w, w->rect().center()));
}

void Press(Window& window, int x, int y) {
    QWidget* w = window.clientWidget();
    if (QWindow* win = handleOf(w)) QTest::mousePress(win, Qt::LeftButton, {}, inTopLevel(w, QPoint(x, y)));
}

void Move(Window& window, int x, int y) {
    QWidget* w = window.clientWidget();
    if (QWindow* win = handleOf(w)) QTest::mouseMove(win, inTopLevel(w, QPoint(x, y)));
}

void Release(Window& window, int x, int y) {
    QWidget* w = window.clientWidget();
    if (QWindow* win = handleOf(w)) QTest::mouseRelease(win, Qt::LeftButton, {}, inTopLevel(w, QPoint(x, y)));
}

void Type(RectControl& control, const char* text) {
    if (QWidget* w = control.widget()) QTest::keyClicks(w, QString::fromUtf8(text));
}

void PressReturn(Window& window) {
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != window.topLevelWidget()) target = window.clientWidget();
    if (target) QTest::keyClick(target, Qt::Key_Return);
}

bool IsShown(const Window& window) {
    QWidget* w = window.topLevelWidget();
    return w && w->isVisible();
}

bool IsBlocked(const Window& window) {
    QWidget* w = window.topLevelWidget();
    QWidget* modal = QApplication::activeModalWidget();
    return w && modal && modal != w;
}

} // namespace uitest
