#include "app/Menu.h"

#include "app/App.h"

#include <optional>
#include <string>

namespace {

// One menu: made, named and appended to the bar after the menus already there.
void appendMenu(MenuBar& bar, const char* name, const char* text) {
    auto menu = std::make_shared<MenuItem>();
    menu->Constructor();
    menu->Name = name;
    menu->AutoEnable = false;
    menu->Text = text;
    menu->KeyboardShortcut = "";
    bar.Append(menu);
}

// One item of a menu, appended to the menu found on the bar by its name. A separator gets
// no shortcut at all.
template <class Item = MenuItem>
void appendItem(MenuBar& bar, const char* menuName, const char* name, bool autoEnable,
                const char* text, std::optional<const char*> shortcut) {
    auto item = std::make_shared<Item>();
    item->Constructor();
    item->Name = name;
    item->AutoEnable = autoEnable;
    item->Text = text;
    if (shortcut) item->KeyboardShortcut = *shortcut;
    bar.Child(menuName)->Append(item);
}

template <class Item> std::shared_ptr<Item> itemNamed(const char* name) {
    auto app = App();
    if (!app || !app->MenuBar) return nullptr;
    return std::dynamic_pointer_cast<Item>(app->MenuBar->Lookup(name));
}

} // namespace

void Menu::Constructor() {
    Untitled1();
    Untitled2();
    Untitled3();
}

void Menu::Untitled1() {
    appendMenu(*this, "UntitledMenu2", "File");
    appendItem(*this, "UntitledMenu2", "FileReset", false, "Reset...", "");
    appendItem<QuitMenuItem>(*this, "UntitledMenu2", "FileQuit", true, "Quit", "Cmd+Q");
}

void Menu::Untitled2() {
    appendMenu(*this, "UntitledMenu0", "Edit");
    appendItem(*this, "UntitledMenu0", "EditUndo", false, "Undo", "Cmd+Z");
    appendItem(*this, "UntitledMenu0", "UntitledMenu1", false, "-", std::nullopt);
    appendItem(*this, "UntitledMenu0", "EditCut", false, "Cut", "Cmd+X");
    appendItem(*this, "UntitledMenu0", "EditCopy", false, "Copy", "Cmd+C");
    appendItem(*this, "UntitledMenu0", "EditPaste", false, "Paste", "Cmd+V");
    appendItem(*this, "UntitledMenu0", "EditClear", false, "Clear", "");
}

void Menu::Untitled3() {
    appendMenu(*this, "Tools", "Tools");
    appendItem(*this, "Tools", "ToolsSample", false, "Sample...", "");
    appendItem(*this, "Tools", "ToolsTellthetruth", false, "Tell the truth...", "");
    appendItem<ApplicationMenuItem>(*this, "Tools", "AppAboutMyApplication", false,
                                    "About Tarnwick...", "");
}

std::shared_ptr<class Menu> Menu() {
    if (!Menu::implicitInstance) {
        auto bar = std::make_shared<class Menu>();
        bar->Constructor();
        Menu::implicitInstance = bar;
    }
    return Menu::implicitInstance;
}

std::shared_ptr<ApplicationMenuItem> AppAboutMyApplication() {
    return itemNamed<ApplicationMenuItem>("AppAboutMyApplication");
}
std::shared_ptr<MenuItem> ToolsTellthetruth() { return itemNamed<MenuItem>("ToolsTellthetruth"); }
std::shared_ptr<MenuItem> ToolsSample() { return itemNamed<MenuItem>("ToolsSample"); }
std::shared_ptr<MenuItem> FileReset() { return itemNamed<MenuItem>("FileReset"); }
