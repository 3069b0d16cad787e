#include "platform/WindowActivation.h"
#include "platform/Window.h"

#include <QApplication>
#include <QWidget>

namespace {
uint64_t requestsMade = 0;
} // namespace

void RequestActivation(QWidget* top) {
    if (!top || QApplication::activeWindow() == top) return;
    ++requestsMade;
    top->activateWindow();
}

uint64_t ActivationRequestsMade() { return requestsMade; }

QWidget* MessageBoxParent() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (auto& w : OpenWindows())
        if (w->Frame == 0 && w->topLevelWidget() && w->topLevelWidget()->isVisible())
            return w->topLevelWidget();
    return nullptr;
}
