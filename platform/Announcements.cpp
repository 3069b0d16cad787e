#include "platform/Announcements.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

bool isOnlyANumber(const QString& text) {
    bool digit = false;
    for (QChar c : text) {
        if (c.isDigit())
            digit = true;
        else if (!c.isSpace() && c != u'-' && c != u'+' && c != u'.' && c != u',')
            return false;
    }
    return digit;
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Without an announcement event, a screen reader speaks a notification when it appears. The
// label's notification is seen only by assistive technology: nothing is drawn twice. It
// stands directly under the application: inside a window, a screen reader would first speak
// the window and the label with the same text.
class Notification : public QAccessibleObject {
  public:
    explicit Notification(QObject* holder) : QAccessibleObject(holder) {}
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? text_ : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }
    QRect rect() const override {
        auto label = qobject_cast<QWidget*>(object()->parent());
        return label ? QRect(label->mapToGlobal(QPoint(0, 0)), label->size()) : QRect();
    }
    QString text_;
};

const QString notificationName = QStringLiteral("announcement");

Notification* notificationOf(QWidget* label) {
    auto holder = label->findChild<QObject*>(notificationName, Qt::FindDirectChildrenOnly);
    if (!holder) {
        holder = new QObject(label);
        holder->setObjectName(notificationName);
        QAccessible::registerAccessibleInterface(new Notification(holder));
    }
    return static_cast<Notification*>(QAccessible::queryAccessibleInterface(holder));
}
#endif

// The text, once, as a screen reader speaks it.
void announce(QWidget* source, const QString& said) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(source, said);
    QAccessible::updateAccessibility(&event);
#else
    // A screen reader speaks a notification that becomes showing; the label's own change of
    // name it leaves unspoken, so the text is heard once.
    Notification* notification = notificationOf(source);
    notification->text_ = said;
    QAccessibleEvent event(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
#endif
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// A popup menu's row, told when the keyboard arrives and when the row changes under it.
class RowTeller : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto combo = qobject_cast<QComboBox*>(watched);
        if (combo && event->type() == QEvent::FocusIn)
            // After the toolkit has told of the focus, which a screen reader speaks first.
            QTimer::singleShot(0, combo,
                               [combo] { announceFocusedChange(combo, combo->currentText()); });
        return false;
    }
};
#endif

} // namespace

void announceShownText(QWidget* label, const QString& text) {
    if (!QAccessible::isActive() || !label || !label->isVisible()) return;
    const QString said = text.simplified();
    if (said.isEmpty() || isOnlyANumber(said)) return;
    announce(label, said);
}

void announceFocusedChange(QWidget* control, const QString& text) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    if (!QAccessible::isActive() || !control || !control->hasFocus()) return;
    const QString said = text.simplified();
    if (!said.isEmpty()) announce(control, said);
#else
    Q_UNUSED(control);
    Q_UNUSED(text);
#endif
}

void announceFocusedRows(QWidget* popupMenu) {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    auto combo = qobject_cast<QComboBox*>(popupMenu);
    if (!combo) return;
    static QPointer<RowTeller> teller;
    if (!teller) teller = new RowTeller(QCoreApplication::instance());
    combo->installEventFilter(teller);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo,
                     [combo](int row) { announceFocusedChange(combo, combo->itemText(row)); });
#else
    Q_UNUSED(popupMenu);
#endif
}
