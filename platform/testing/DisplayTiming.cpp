#include "platform/testing/DisplayTiming.h"
#include "platform/Window.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace uitest {

void PaintPendingNow(const Window& window) {
    QWidget* top = window.topLevelWidget();
    if (!top) return;
    // Controls ask for a paint with an update request that the event loop would deliver
    // later; deliver it now, which paints the dirty parts and flushes them to the window.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    // A round trip: the display server answers only after it has carried out every
    // request sent before, the flushed picture included.
    QGuiApplication::sync();
}

long ResidentKilobytes() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return 0;
    char line[256];
    long kb = 0;
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, "VmRSS:", 6) == 0) {
            std::sscanf(line + 6, "%ld", &kb);
            break;
        }
    std::fclose(f);
    return kb;
}

} // namespace uitest
