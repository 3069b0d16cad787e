#pragma once
// The program's one menu bar: File, Edit and Tools. Built once by the accessor Menu() and
// shared: the application object takes it at start-up and the main window shows it. Items
// are known by their Name; the application binds its commands to these names.

#include "platform/Menu.h"

#include <memory>

class Menu : public MenuBar {
  public:
    // Builds the three menus; the base bar's construction is not run.
    void Constructor() override;
    // The File, Edit and Tools menus with their items.
    virtual void Untitled1();
    virtual void Untitled2();
    virtual void Untitled3();

    // The single instance, nil until the accessor's first call and after shutdown.
    static inline std::shared_ptr<class Menu> implicitInstance;
};

// The menu bar, built on first use.
std::shared_ptr<class Menu> Menu();

// The command items, found by name on the application's menu bar; nullptr while no
// application object with a menu bar is registered.
std::shared_ptr<ApplicationMenuItem> AppAboutMyApplication();
std::shared_ptr<MenuItem> ToolsTellthetruth();
std::shared_ptr<MenuItem> ToolsSample();
std::shared_ptr<MenuItem> FileReset();
