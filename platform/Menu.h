#pragma once
// Menus: a tree of menu items under a menu bar. Items are found by Name.
//
// Before a menu is shown (and whenever EnableMenuItems() asks), every item's Enabled is
// reset to its AutoEnable, then the application's EnableMenuItems event runs and may
// enable items. Choosing an item runs the application's handler bound to its Name; a
// QuitMenuItem without a handler ends the event loop. Text "-" is a separator. A
// KeyboardShortcut "Cmd+Q" means Ctrl+Q here.
//
// The standard Edit items (EditUndo, EditCut, EditCopy, EditPaste, EditClear) are the
// platform's: it enables them, before the application's event, where they apply to the text
// field that has the keyboard in the window that shows the bar, and choosing one that has
// no handler acts on that field.

#include "platform/Object.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class MenuItem : public Object {
  public:
    virtual void Constructor() {}

    std::string Name;
    std::string Text;
    std::string KeyboardShortcut;
    bool AutoEnable = false;
    bool Enabled = false;

    // Appends the item after the children already there.
    void Append(const std::shared_ptr<MenuItem>& item);
    // The direct child of that name, or nullptr.
    std::shared_ptr<MenuItem> Child(std::string_view name) const;
    // The item of that name anywhere below this one (depth first), or nullptr.
    std::shared_ptr<MenuItem> Lookup(std::string_view name) const;
    const std::vector<std::shared_ptr<MenuItem>>& Children() const { return children_; }
    int Count() const { return static_cast<int>(children_.size()); }

    bool IsSeparator() const { return Text == "-"; }

  private:
    std::vector<std::shared_ptr<MenuItem>> children_;
};

// Ends the event loop when chosen (unless a handler is bound to its name).
class QuitMenuItem : public MenuItem {};
// The application's About entry; shown where it is appended.
class ApplicationMenuItem : public MenuItem {};
// The root of a menu tree: its children are the menus.
class MenuBar : public MenuItem {};

// Resets every item below the bar to its AutoEnable state (the first step of an update).
void ResetMenuEnabling(MenuItem& root);
// Runs the action of a chosen item: the application's handler for its name, or quitting
// for a QuitMenuItem. Returns whether anything ran.
bool ChooseMenuItem(const MenuItem& item);
