#include "platform/Menu.h"
#include "platform/Application.h"
#include "platform/MenuImpl.h"
#include "platform/QtText.h"
#include "platform/Runtime.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <algorithm>

void MenuItem::Append(const std::shared_ptr<MenuItem>& item) {
    if (item) children_.push_back(item);
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
    for (auto& c : children_)
        if (c->Name == name) return c;
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(std::string_view name) const {
    for (auto& c : children_) {
        if (c->Name == name) return c;
        if (auto found = c->Lookup(name)) return found;
    }
    return nullptr;
}

void ResetMenuEnabling(MenuItem& root) {
    for (auto& c : root.Children()) {
        c->Enabled = c->AutoEnable;
        ResetMenuEnabling(*c);
    }
}

bool ChooseMenuItem(const MenuItem& item) {
    if (auto app = GetAppObject(); app && app->HandleMenu(item.Name)) return true;
    if (dynamic_cast<const QuitMenuItem*>(&item)) {
        RuntimeQuit();
        return true;
    }
    return false;
}

// ---- Qt view ----------------------------------------------------------------------

namespace {
std::vector<MenuBarView*>& liveViews() {
    // Never destroyed: a window held by a static may release its view after this file's
    // statics are gone.
    static auto* views = new std::vector<MenuBarView*>;
    return *views;
}

QKeySequence shortcutOf(const std::string& text) {
    QString s = toQt(text);
    s.replace("Cmd", "Ctrl", Qt::CaseInsensitive);
    return QKeySequence(s);
}
} // namespace

MenuBarView::~MenuBarView() {
    auto& v = liveViews();
    v.erase(std::remove(v.begin(), v.end(), this), v.end());
}

QMenuBar* MenuBarView::build(QWidget* parent) {
    widget_ = new QMenuBar(parent);
    for (auto& menu : bar_->Children()) {
        QMenu* qmenu = widget_->addMenu(captionText(menu->Text));
        std::weak_ptr<MenuItem> weak = menu;
        QObject::connect(qmenu, &QMenu::aboutToShow, [this] { EnableMenuItems(); });
        addItems(qmenu, *menu);
    }
    liveViews().push_back(this);
    EnableMenuItems();
    return widget_;
}

void MenuBarView::addItems(QMenu* menu, const MenuItem& parent) {
    for (auto& item : parent.Children()) {
        if (item->IsSeparator()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = nullptr;
        if (!item->Children().empty()) {
            QMenu* sub = menu->addMenu(captionText(item->Text));
            addItems(sub, *item);
            action = sub->menuAction();
        } else {
            action = menu->addAction(captionText(item->Text));
            if (!item->KeyboardShortcut.empty()) {
                action->setShortcut(shortcutOf(item->KeyboardShortcut));
                // The bar is the application's, not its window's: a shortcut acts from every
                // window of the program, unless a modal dialog blocks the bar's window.
                action->setShortcutContext(Qt::ApplicationShortcut);
            }
            std::weak_ptr<MenuItem> weak = item;
            QObject::connect(action, &QAction::triggered, [weak] {
                if (auto it = weak.lock()) ChooseMenuItem(*it);
            });
        }
        if (dynamic_cast<const QuitMenuItem*>(item.get()))
            action->setMenuRole(QAction::QuitRole);
        else
            action->setMenuRole(QAction::NoRole);
        actions_.emplace_back(action, item);
    }
}

void MenuBarView::refresh() {
    for (auto& [action, weak] : actions_)
        if (auto item = weak.lock(); item && action) action->setEnabled(item->Enabled);
}

void RefreshAllMenuBars() {
    for (auto* v : liveViews())
        v->refresh();
}
