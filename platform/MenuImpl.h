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
    // Shows each item's Enabled state on its action.
    void refresh();

  private:
    void addItems(QMenu* menu, const MenuItem& parent);
    std::shared_ptr<MenuBar> bar_;
    QPointer<QMenuBar> widget_;
    std::vector<std::pair<QPointer<QAction>, std::weak_ptr<MenuItem>>> actions_;
};

// Brings every shown menu bar up to date (EnableMenuItems).
void RefreshAllMenuBars();
