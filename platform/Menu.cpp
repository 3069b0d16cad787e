#include "platform/Menu.h"
#include "platform/Application.h"
#include "platform/EditItemsImpl.h"
#include "platform/MenuImpl.h"
#include "platform/QtText.h"
#include "platform/Runtime.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include <algorithm>
#include <map>

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
    if (PerformEditItem(item)) return true;
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

namespace {
// Each menu item has one action, kept apart from the menus that show it: the same action is
// in the menus of every window that shows the bar and, for its keys, in every window of the
// program, so that a shortcut has exactly one action to run, whether or not a menu shows it.
struct ItemAction {
    std::weak_ptr<MenuItem> item;
    std::unique_ptr<QAction> action;
};
using ItemActions = std::map<const MenuItem*, ItemAction>;

// Freed by hand (ReleaseMenuActions): the actions must go before the toolkit, never after it
// at exit.
ItemActions*& itemActions() {
    static ItemActions* actions = nullptr;
    return actions;
}

QAction* actionOf(const std::shared_ptr<MenuItem>& item) {
    auto*& all = itemActions();
    if (!all) all = new ItemActions;
    // The items of a bar that is gone take their actions with them.
    std::erase_if(*all, [](const auto& entry) { return entry.second.item.expired(); });
    ItemAction& entry = (*all)[item.get()];
    if (!entry.action) {
        entry.item = item;
        entry.action = std::make_unique<QAction>(captionText(item->Text));
        if (!item->KeyboardShortcut.empty()) {
            entry.action->setShortcut(shortcutOf(item->KeyboardShortcut));
            // The bar is the application's, not its window's: a shortcut acts from every
            // window of the program that carries it, unless a modal dialog blocks that window.
            entry.action->setShortcutContext(Qt::ApplicationShortcut);
        }
        entry.action->setEnabled(item->Enabled);
        std::weak_ptr<MenuItem> weak = item;
        QObject::connect(entry.action.get(), &QAction::triggered, [weak] {
            if (auto it = weak.lock()) ChooseMenuItem(*it);
        });
    }
    return entry.action.get();
}

void addShortcuts(QWidget* window, const MenuItem& parent) {
    for (auto& item : parent.Children()) {
        addShortcuts(window, *item);
        if (item->Children().empty() && !item->IsSeparator() && !item->KeyboardShortcut.empty())
            window->addAction(actionOf(item));
    }
}
} // namespace

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
            submenus_.emplace_back(action, item);
        } else {
            action = actionOf(item);
            menu->addAction(action);
        }
        if (dynamic_cast<const QuitMenuItem*>(item.get()))
            action->setMenuRole(QAction::QuitRole);
        else
            action->setMenuRole(QAction::NoRole);
    }
}

void MenuBarView::refresh() {
    for (auto& [action, weak] : submenus_)
        if (auto item = weak.lock(); item && action) action->setEnabled(item->Enabled);
}

void AddApplicationShortcuts(QWidget* window) {
    auto app = GetAppObject();
    if (window && app && app->MenuBar) addShortcuts(window, *app->MenuBar);
}

void ReleaseMenuActions() {
    delete itemActions();
    itemActions() = nullptr;
}

void RefreshAllMenuBars() {
    for (auto* v : liveViews())
        v->refresh();
    if (auto* all = itemActions())
        for (auto& [key, entry] : *all)
            if (auto item = entry.item.lock()) entry.action->setEnabled(item->Enabled);
}
