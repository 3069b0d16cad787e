#pragma once
// The application object: one per program, registered at start-up. It owns the menu bar,
// takes the menu commands by item name, and receives the Open event once the event loop
// runs (after the menu handlers are bound) and EnableMenuItems before a menu is shown.

#include "platform/Object.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

class MenuBar;

class Application : public Object {
  public:
    using MenuHandler = std::function<bool()>;

    std::shared_ptr<::MenuBar> MenuBar;

    // Binds a handler to the menu item of that name.
    void AddMenuHandler(const std::string& itemName, MenuHandler handler);
    // Runs the handler bound to the name; returns whether one was bound.
    bool HandleMenu(const std::string& itemName);

    virtual void Event_Open() {}
    virtual void Event_EnableMenuItems() {}

  private:
    friend void RuntimeRegisterAppObject(std::shared_ptr<Application>);
    std::map<std::string, MenuHandler> menuHandlers_;
    bool opened_ = false;
};

// Registers the application object. From then on each event loop (RuntimeRun) starts with
// the object's Open event, once per object, and ends by closing every open window
// without their Close events.
void RuntimeRegisterAppObject(std::shared_ptr<Application> app);
std::shared_ptr<Application> GetAppObject();
// Brings the menus up to date now: resets every item to its AutoEnable state, raises the
// application's EnableMenuItems event and shows the result.
void EnableMenuItems();
// Releases the application object (at shutdown).
void RuntimeReleaseAppObject();

// Initialises the framework's external classes (the sprite surface); nothing to load here.
void RuntimeInitExternalClasses();
