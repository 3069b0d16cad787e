#include "platform/KeyboardFocus.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <memory>

struct KeyboardPress::State {
    QPointer<QWidget> button;
    QRect place;                // the button's, in its parent
    QPointer<QWidget> fallback; // where the window would have put the keyboard
    bool focusAsked = false;
};

namespace {

KeyboardPress::State* current = nullptr;

bool canTakeKeyboard(const QWidget* w) { return w->isVisible() && w->isEnabled(); }

// The pressed button, or the shown, enabled push button that stands where it stood.
QWidget* buttonAt(QWidget* button, const QRect& place) {
    if (canTakeKeyboard(button)) return button;
    QWidget* parent = button->parentWidget();
    if (!parent) return nullptr;
    for (auto* b : parent->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        if (canTakeKeyboard(b) && b->geometry().contains(place.center())) return b;
    return nullptr;
}

} // namespace

KeyboardPress::KeyboardPress(QWidget* button)
    : state_(new State{button, button->geometry(), nullptr, false}), outer_(current) {
    current = state_;
}

KeyboardPress::~KeyboardPress() {
    current = outer_;
    std::unique_ptr<State> press(state_);
    QWidget* button = press->button;
    if (!press->focusAsked || !button) return;
    // An action that hid or disabled the button sent the keyboard on to whatever came next.
    if (QWidget* place = buttonAt(button, press->place)) {
        if (place->window()->focusWidget() != place) place->setFocus(Qt::TabFocusReason);
    } else if (press->fallback) {
        press->fallback->setFocus();
    }
}

bool keyboardStaysOnPressedButton(QWidget* window, QWidget* client) {
    if (!current || !current->button || current->button->window() != window) return false;
    current->focusAsked = true;
    current->fallback = client;
    return true;
}

namespace {

const char* const byKeyboard = "tarnwickKeyboardArrived";

class ArrivalFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
            // Coming back with its window or from a menu, the keyboard comes as it came.
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                watched->setProperty(byKeyboard, reason == Qt::TabFocusReason ||
                                                     reason == Qt::BacktabFocusReason);
        } else if (e->type() == QEvent::MouseButtonPress) {
            watched->setProperty(byKeyboard, false);
        }
        return false;
    }
};

} // namespace

void followKeyboardArrival(QWidget* widget) {
    // One filter for every widget, going with the application.
    static QPointer<ArrivalFilter> filter;
    if (!filter) filter = new ArrivalFilter(QCoreApplication::instance());
    widget->installEventFilter(filter);
}

void paintKeyboardFocusMark(QWidget* widget, const QRect& area) {
    if (!widget->hasFocus() || !widget->property(byKeyboard).toBool()) return;
    QPainter painter(widget);
    QStyleOptionFocusRect mark;
    mark.initFrom(widget);
    mark.rect = area;
    mark.backgroundColor = widget->palette().color(widget->backgroundRole());
    widget->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &mark, &painter, widget);
}
