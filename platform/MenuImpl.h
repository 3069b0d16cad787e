#pragma once
// Inside the platform only: the Qt menu bar that shows a menu tree.

#include "platform/Menu.h"

#include <QMenuBar>
#include <QPointer>

#include <map>

class MenuBarView {
  public:
    explicit MenuBarView(std::shared_ptr<MenuBar> bar) : bar_(std::move(bar)) {}
    ~MenuBarView();
    QMenuBar* build(QWidget* parent);
    // Shows each submenu's Enabled state (the items' actions are the application's).
    void refresh();

  private:
    void addItems(QMenu* menu, const MenuItem& parent);
    std::shared_ptr<MenuBar> bar_;
    QPointer<QMenuBar> widget_;
    std::vector<std::pair<QPointer<QAction>, std::weak_ptr<MenuItem>>> submenus_;
};

// Brings every shown menu bar up to date (EnableMenuItems).
void RefreshAllMenuBars();

// The application's shortcuts: the actions of the application's menu bar items that have a
// keyboard shortcut, carried from now on by the window's top-level widget too. They act from
// every such window that no modal dialog blocks, whether or not a window that shows the bar
// is open. Given to the document and floating windows; a modal dialog takes none.
void AddApplicationShortcuts(QWidget* window);
// Frees every menu item's action (when the application object goes, and before the toolkit).
void ReleaseMenuActions();
