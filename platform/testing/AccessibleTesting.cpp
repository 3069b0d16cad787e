#include "platform/testing/AccessibleTesting.h"

#include "platform/Accessibility.h"
#include "platform/Control.h"
#include "platform/Controls.h"
#include "platform/Window.h"

#include <QAccessible>
#include <QWidget>

namespace uitest {
namespace {

std::string roleName(QAccessible::Role role) {
    switch (role) {
    case QAccessible::EditableText: return "text";
    case QAccessible::ComboBox: return "combo box";
    case QAccessible::RadioButton: return "radio button";
    case QAccessible::CheckBox: return "check box";
    case QAccessible::Dialog: return "dialog";
    case QAccessible::Window: return "window";
    case QAccessible::Graphic: return "graphic";
    case QAccessible::StaticText: return "label";
    case QAccessible::Button: return "push button";
    default: return "role " + std::to_string(int(role));
    }
}

AccessibleView viewOf(QWidget* widget) {
    AccessibleView view;
    QAccessible::setActive(true);
    QAccessibleInterface* iface = widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
    if (!iface) return view;
    view.role = roleName(iface->role());
    view.name = iface->text(QAccessible::Name).toStdString();
    view.description = iface->text(QAccessible::Description).toStdString();
    view.checked = iface->state().checked;
    for (auto& [label, relation] : iface->relations(QAccessible::Label))
        view.labelledBy.push_back(label->text(QAccessible::Name).toStdString());
    return view;
}

} // namespace

AccessibleView Accessible(const RectControl& control) { return viewOf(control.widget()); }
AccessibleView Accessible(const Window& window) { return viewOf(window.topLevelWidget()); }

TextPiece AccessibleText(const RectControl& field, TextSide side, TextUnit unit, int offset) {
    QAccessible::setActive(true);
    QAccessibleInterface* iface =
        field.widget() ? QAccessible::queryAccessibleInterface(field.widget()) : nullptr;
    QAccessibleTextInterface* text = iface ? iface->textInterface() : nullptr;
    if (!text) return {"(no text)"};
    const auto boundary = unit == TextUnit::Character  ? QAccessible::CharBoundary
                          : unit == TextUnit::Word     ? QAccessible::WordBoundary
                          : unit == TextUnit::Sentence ? QAccessible::SentenceBoundary
                          : unit == TextUnit::Line     ? QAccessible::LineBoundary
                                                       : QAccessible::ParagraphBoundary;
    TextPiece piece;
    const QString s =
        side == TextSide::Before ? text->textBeforeOffset(offset, boundary, &piece.start, &piece.end)
        : side == TextSide::At   ? text->textAtOffset(offset, boundary, &piece.start, &piece.end)
                                 : text->textAfterOffset(offset, boundary, &piece.start, &piece.end);
    piece.text = s.toStdString();
    return piece;
}

namespace {
std::string controlNamed(const QObject* object) {
    for (auto& w : OpenWindows()) {
        if (w->topLevelWidget() == object) return "(window)";
        for (auto& c : w->Controls())
            if (auto rc = dynamic_cast<RectControl*>(c.get()); rc && rc->widget() == object)
                return rc->Name;
    }
    return "?";
}
} // namespace

AccessibleChanges::AccessibleChanges() {
    previous_ = seams::setAccessibleChangeObserver([this](QWidget* widget, const char* change) {
        seen.push_back(std::string(change) + ":" + controlNamed(widget));
    });
}

AccessibleChanges::~AccessibleChanges() { seams::setAccessibleChangeObserver(std::move(previous_)); }

} // namespace uitest
