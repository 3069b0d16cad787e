#include "platform/testing/AnnouncementTesting.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

AnnouncementRecorder* recorder = nullptr;

// An announcement: the toolkit's own event where it has one, else a notification that
// becomes showing.
void record(QAccessibleEvent* event) {
    if (!recorder) return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement) {
        recorder->texts.push_back(
            static_cast<QAccessibleAnnouncementEvent*>(event)->message().toStdString());
        return;
    }
#endif
    if (event->type() != QAccessible::ObjectShow) return;
    QAccessibleInterface* iface = event->accessibleInterface();
    if (!iface || iface->role() != QAccessible::Notification) return;
    recorder->texts.push_back(iface->text(QAccessible::Name).toStdString());
    for (QAccessibleInterface* up = iface->parent(); up; up = up->parent())
        if (up->role() == QAccessible::Window || up->role() == QAccessible::Dialog) {
            ++recorder->insideAWindow;
            break;
        }
}

// The toolkit sends accessibility events only while the window system says that assistive
// technology listens; the headless window system never does on its own.
void setListening(bool on) {
    QPlatformIntegration* integration = QGuiApplicationPrivate::platformIntegration();
    if (QPlatformAccessibility* accessibility = integration ? integration->accessibility() : nullptr)
        accessibility->setActive(on);
}

} // namespace

AnnouncementRecorder::AnnouncementRecorder() : wasActive_(QAccessible::isActive()) {
    recorder = this;
    QAccessible::installUpdateHandler(record);
    setListening(true);
}

AnnouncementRecorder::~AnnouncementRecorder() {
    setListening(wasActive_);
    QAccessible::installUpdateHandler(nullptr);
    recorder = nullptr;
}

bool PlatformAnnouncesFocusedChanges() { return QT_VERSION < QT_VERSION_CHECK(6, 8, 0); }
