#include "platform/Application.h"
#include "platform/EditItemsImpl.h"
#include "platform/Menu.h"
#include "platform/Window.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <algorithm>
#include <array>

namespace {

enum class Edit { Undo, Cut, Copy, Paste, Clear };

constexpr std::array<std::pair<std::string_view, Edit>, 5> editItems{{
    {"EditUndo", Edit::Undo},
    {"EditCut", Edit::Cut},
    {"EditCopy", Edit::Copy},
    {"EditPaste", Edit::Paste},
    {"EditClear", Edit::Clear},
}};

// The window that shows the bar: the active one of those that show it, else the first.
const Window* windowShowing(const MenuItem* bar) {
    const Window* shown = nullptr;
    for (auto& w : OpenWindows()) {
        QWidget* top = w->topLevelWidget();
        if (w->MenuBar.get() != bar || !top || !top->isVisible()) continue;
        if (top->isActiveWindow()) return w.get();
        if (!shown) shown = w.get();
    }
    return shown;
}

// The text field with the keyboard in that window (kept while a menu is open), as one of
// the two kinds of field.
struct Field {
    QLineEdit* line = nullptr;
    QPlainTextEdit* lines = nullptr;
    explicit operator bool() const { return line || lines; }
};

Field focusedField(const MenuItem* bar) {
    const Window* w = windowShowing(bar);
    QWidget* focus = w && w->topLevelWidget() ? w->topLevelWidget()->focusWidget() : nullptr;
    return {qobject_cast<QLineEdit*>(focus), qobject_cast<QPlainTextEdit*>(focus)};
}

bool applies(Edit edit, const Field& f) {
    if (!f) return false;
    const bool editable = f.line ? !f.line->isReadOnly() : !f.lines->isReadOnly();
    const bool selection =
        f.line ? f.line->hasSelectedText() : f.lines->textCursor().hasSelection();
    // A password field gives nothing away: its text is neither copied nor cut.
    const bool hidden = f.line && f.line->echoMode() != QLineEdit::Normal;
    switch (edit) {
    case Edit::Undo:
        return editable &&
               (f.line ? f.line->isUndoAvailable() : f.lines->document()->isUndoAvailable());
    case Edit::Cut:
        return editable && selection && !hidden;
    case Edit::Copy:
        return selection && !hidden;
    case Edit::Paste:
        return editable && !QGuiApplication::clipboard()->text().isEmpty();
    case Edit::Clear:
        return editable && selection;
    }
    return false;
}

void perform(Edit edit, const Field& f) {
    if (QLineEdit* l = f.line) {
        switch (edit) {
        case Edit::Undo:
            return l->undo();
        case Edit::Cut:
            return l->cut();
        case Edit::Copy:
            return l->copy();
        case Edit::Paste:
            return l->paste();
        case Edit::Clear:
            return l->del(); // with a selection, deletes just that
        }
    } else if (QPlainTextEdit* e = f.lines) {
        switch (edit) {
        case Edit::Undo:
            return e->undo();
        case Edit::Cut:
            return e->cut();
        case Edit::Copy:
            return e->copy();
        case Edit::Paste:
            return e->paste();
        case Edit::Clear:
            return e->textCursor().removeSelectedText();
        }
    }
}

} // namespace

void EnableEditItems(MenuItem& bar) {
    const Field field = focusedField(&bar);
    for (auto& [name, edit] : editItems)
        if (auto item = bar.Lookup(name); item && applies(edit, field)) item->Enabled = true;
}

bool PerformEditItem(const MenuItem& item) {
    auto known = std::find_if(editItems.begin(), editItems.end(),
                              [&](auto& entry) { return entry.first == item.Name; });
    if (known == editItems.end()) return false;
    // The bar the item belongs to, and so the window that shows it.
    const MenuItem* bar = nullptr;
    if (auto app = GetAppObject();
        app && app->MenuBar && app->MenuBar->Lookup(item.Name).get() == &item)
        bar = app->MenuBar.get();
    for (auto& w : OpenWindows())
        if (!bar && w->MenuBar && w->MenuBar->Lookup(item.Name).get() == &item)
            bar = w->MenuBar.get();
    // Judged again now: a shortcut may come long after the menus were last brought up to date.
    if (Field field = focusedField(bar); applies(known->second, field))
        perform(known->second, field);
    return true;
}
