#include "app/App.h"

#include "app/Menu.h"
#include "app/Pictures.h"
#include "app/WindowAbout.h"
#include "app/WindowSplash.h"
#include "app/dialogs/WindowSample.h"
#include "app/dialogs/WindowSelectScenario.h"
#include "app/dialogs/WindowTheTruth.h"
#include "app/dialogs/WindowWhereTo.h"
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"
#include "model/wormSprite.h"
#include "platform/Registry.h"
#include "platform/Runtime.h"
#include "platform/Window.h"
#include "pond_window/WindowMain.h"
#include "pond_window/popupSpriteCan.h"

#include <array>
#include <exception>
#include <string_view>

namespace {

// The program's classes with their bases, in the order in which start-up registers them.
// Registering a class registers its base first; a class registered twice stays as it was.
struct ClassEntry {
    std::string_view name;
    std::string_view base;
    ObjectFactory make;
};

template <class T> ObjectFactory factory() {
    return [] { return std::static_pointer_cast<Object>(std::make_shared<T>()); };
}

const std::vector<ClassEntry>& programClasses() {
    static const std::vector<ClassEntry> classes = {
        {"App", "Application", factory<class App>()},
        {"Menu", "MenuBar", factory<class Menu>()},
        {"WindowAbout", "Window", factory<class WindowAbout>()},
        {"WindowMain", "Window", factory<class WindowMain>()},
        {"WindowMain.EditFieldPoolLabel", "EditField",
         factory<WindowMain::EditFieldPoolLabelClass>()},
        {"WindowMain.popSurfaces", "popSurface", factory<WindowMain::popSurfacesClass>()},
        {"WindowMain.TimerMain", "Timer", factory<WindowMain::TimerMainClass>()},
        {"WindowMain.StaticTextPopSize", "StaticText",
         factory<WindowMain::StaticTextPopSizeClass>()},
        {"WindowMain.PushButtonClear", "PushButton", factory<WindowMain::PushButtonClearClass>()},
        {"smartSurface", "SpriteSurface", factory<smartSurface>()},
        {"WindowSplash", "Window", factory<class WindowSplash>()},
        {"WindowSplash.Timer1", "Timer", factory<WindowSplash::Timer1Class>()},
        {"WindowTheTruth", "Window", factory<class WindowTheTruth>()},
        {"WindowWhereTo", "Window", factory<class WindowWhereTo>()},
        {"WindowWhereTo.RadioButtonDestination", "RadioButton",
         factory<WindowWhereTo::RadioButtonDestinationClass>()},
        {"WindowSample", "Window", factory<class WindowSample>()},
        {"WindowSelectScenario", "Window", factory<class WindowSelectScenario>()},
        {"clickSurface", "smartSurface", factory<clickSurface>()},
        {"popSurface", "clickSurface", factory<popSurface>()},
        {"smartSprite", "Sprite", factory<smartSprite>()},
        {"clickSprite", "smartSprite", factory<clickSprite>()},
        {"bounceSprite", "clickSprite", factory<bounceSprite>()},
        {"critterSprite", "bounceSprite", factory<critterSprite>()},
        {"wormSprite", "bounceSprite", factory<wormSprite>()},
        {"popupSpriteCan", "Canvas", factory<popupSpriteCan>()},
        {"spritePopUp", "popupSpriteCan", factory<spritePopUp>()},
        {"spriteDataPopUp", "popupSpriteCan", factory<spriteDataPopUp>()},
    };
    return classes;
}

void registerClass(std::string_view name) {
    if (RuntimeClassRegistered(name)) return;
    for (const auto& entry : programClasses()) {
        if (entry.name != name) continue;
        registerClass(entry.base);
        RuntimeRegisterClass(std::string(entry.name), entry.make);
        return;
    }
}

// The 29 entry points of the sprite plug-in, in table order.
constexpr std::array<std::string_view, 29> entrypointNames{
    "Sprite.__init",
    "Sprite.Close",
    "Sprite.Group.Set",
    "Sprite.Priority.Set",
    "Sprite.Image.Set",
    "Sprite.ScreenY.Get",
    "Sprite.ScreenY.Set",
    "Sprite.ScreenX.Get",
    "Sprite.ScreenX.Set",
    "_",
    "SpriteSurface.Run",
    "SpriteSurface.Close",
    "SpriteSurface.Stop",
    "SpriteSurface.NewSprite(Image as Picture, X as Integer, Y as Integer) as Sprite",
    "SpriteSurface.Attach(s as Sprite)",
    "SpriteSurface.KeyTest(KeyCode as Integer) as Boolean",
    "SpriteSurface.Scroll(dx as Integer, dy as Integer)",
    "SpriteSurface.Update",
    "SpriteSurface.PaintTile(XPos as Integer, YPos as Integer)",
    "SpriteSurface.Backdrop.Set",
    "SpriteSurface.Depth.Set",
    "SpriteSurface.SurfaceWidth.Get",
    "SpriteSurface.SurfaceWidth.Set",
    "SpriteSurface.SurfaceHeight.Get",
    "SpriteSurface.SurfaceHeight.Set",
    "SpriteSurface.SurfaceLeft.Get",
    "SpriteSurface.SurfaceLeft.Set",
    "SpriteSurface.SurfaceTop.Get",
    "SpriteSurface.SurfaceTop.Set",
};

} // namespace

// ---- The application object ------------------------------------------------------------

void App::Event_Open() { Globals::StartUp(); }

void App::Event_EnableMenuItems() {
    // Also reached through the accessors, which find the items on the registered bar.
    if (auto item = AppAboutMyApplication()) item->Enabled = true;
    if (auto item = ToolsTellthetruth()) item->Enabled = true;
    if (auto item = FileReset()) item->Enabled = true;
    if (auto item = ToolsSample()) item->Enabled = true;
}

bool App::AppAboutMyApplication_Action() {
    WindowAbout()->Show();
    return false;
}

bool App::ToolsSample_Action() {
    // Always a fresh dialog: an open one is closed first, and when none is open the first
    // access builds one that is closed at once.
    WindowSample()->Close();
    WindowSample()->Show();
    return false;
}

bool App::ToolsTellthetruth_Action() {
    WindowTheTruth()->Show();
    return false;
}

bool App::FileReset_Action() {
    WindowSelectScenario()->Close();
    WindowSelectScenario()->Show();
    return false;
}

std::shared_ptr<class App> App() { return std::dynamic_pointer_cast<class App>(GetAppObject()); }

// ---- Start-up ----------------------------------------------------------------------------

void initialize() {
    RuntimeRegisterFrameworkClasses();
    for (const auto& entry : programClasses()) {
        registerClass(entry.name);
        // The arrays come right after smartSurface's turn: MaxNumCritters, AlleleFreq,
        // MaxNumWorms, one element each.
        if (entry.name == "smartSurface") Globals::CreateArrays();
    }
}

void InitPluginEntrypoints() {
    PluginEntrypoints = RuntimeAllocatePluginEntrypointsTable(29);
    for (std::size_t i = 0; i < entrypointNames.size(); ++i)
        PluginEntrypoints[i] = RuntimeLookupPluginEntrypoint(entrypointNames[i]);
}

void InitFileTypes() {}

void NewAppInstance() {
    auto app = std::make_shared<class App>();
    app->MenuBar = Menu(); // before the object is registered
    RuntimeRegisterAppObject(app);
}

void ApplicationAddMenuHandlers() {
    auto bind = [](const char* itemName, bool (App::*handler)()) {
        ::App()->AddMenuHandler(itemName, [handler] {
            auto app = ::App();
            return app ? ((*app).*handler)() : false;
        });
    };
    bind("AppAboutMyApplication", &App::AppAboutMyApplication_Action);
    bind("ToolsSample", &App::ToolsSample_Action);
    bind("ToolsTellthetruth", &App::ToolsTellthetruth_Action);
    bind("FileReset", &App::FileReset_Action);
}

void Main() {
    try {
        RuntimeInitExternalClasses();
        InitPluginEntrypoints();
        InitFileTypes();
        NewAppInstance();
        ApplicationAddMenuHandlers();
        RuntimeRun();
    } catch (...) {
        // Shutdown runs as usual after the framework has dealt with it.
        UnhandledException(std::current_exception());
    }
}

// ---- Shutdown ----------------------------------------------------------------------------

void finalize() {
    FiveLegsCache::permapic = nullptr;
    TadpoleCache::permapic = nullptr;
    FrogCache::permapic = nullptr;
    trematodeCache::permapic = nullptr;
    CadmoriaCoverCache::permapic = nullptr;
    RuntimeReleaseWindowLists();
    RuntimeReleaseTypeInformation();
    Menu::implicitInstance = nullptr;
    Globals::MaxNumCritters = {};
    Globals::AlleleFreq = {};
    Globals::Scenario = {};
    Globals::MaxNumWorms = {};
}
