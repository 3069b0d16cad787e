#pragma once
// The program's outer frame: the start-up from the process entry to the event loop, the
// application object with its menu commands, and the shutdown after the loop.
//
// main runs RuntimeInit, initialize (every class registered, the Globals arrays made),
// Main (plug-in bound, App made with the menu bar and registered, the four commands bound
// by item name, the event loop), finalize (caches, window lists, menu bar and Globals
// released) and RuntimeExit, whose result is the exit status.

#include "platform/Application.h"
#include "platform/Plugin.h"

#include <memory>
#include <vector>

class App : public Application {
  public:
    // Once, when the event loop starts: the simulation's start-up.
    void Event_Open() override;
    // Whenever the menus are brought up to date: the four commands are always enabled.
    void Event_EnableMenuItems() override;
    // The menu commands; each returns false.
    virtual bool AppAboutMyApplication_Action();
    virtual bool ToolsSample_Action();
    virtual bool ToolsTellthetruth_Action();
    virtual bool FileReset_Action();
};

// The registered application object, or nullptr.
std::shared_ptr<class App> App();

// The sprite plug-in's entry points, bound once at start-up.
inline std::vector<const PluginEntrypoint*> PluginEntrypoints;

void initialize();
void Main();
void finalize();

// The steps of Main before the event loop.
void InitPluginEntrypoints();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
