#include "platform/Application.h"
#include "platform/EditItemsImpl.h"
#include "platform/Menu.h"
#include "platform/MenuImpl.h"
#include "platform/Runtime.h"
#include "platform/Window.h"

#include <algorithm>
#include <vector>

namespace {
std::shared_ptr<Application>& appObject() {
    static std::shared_ptr<Application> app;
    return app;
}
} // namespace

void Application::AddMenuHandler(const std::string& itemName, MenuHandler handler) {
    menuHandlers_[itemName] = std::move(handler);
}

bool Application::HandleMenu(const std::string& itemName) {
    auto it = menuHandlers_.find(itemName);
    if (it == menuHandlers_.end() || !it->second) return false;
    auto keep = shared_from_this();
    auto handler = it->second;
    RunHandler([&] { handler(); }); // the result is the program's; nothing more is done with it
    return true;
}

void RuntimeRegisterAppObject(std::shared_ptr<Application> app) {
    appObject() = std::move(app);
    seams::setEventLoopHooks(
        [] {
            auto app = appObject();
            if (!app || app->opened_) return;
            app->opened_ = true;
            app->Event_Open();
            EnableMenuItems();
        },
        [] { CloseAllWindows(/*raiseCloseEvents=*/false); });
}

std::shared_ptr<Application> GetAppObject() { return appObject(); }

void EnableMenuItems() {
    auto app = appObject();
    std::vector<MenuItem*> bars;
    if (app && app->MenuBar) bars.push_back(app->MenuBar.get());
    // Window menu bars that are not the application's are brought up to date too.
    for (auto& w : OpenWindows())
        if (w->MenuBar && std::find(bars.begin(), bars.end(), w->MenuBar.get()) == bars.end())
            bars.push_back(w->MenuBar.get());
    for (MenuItem* bar : bars) {
        ResetMenuEnabling(*bar);
        // The platform's own part, before the program's: the standard Edit items.
        EnableEditItems(*bar);
    }
    if (app) app->Event_EnableMenuItems();
    RefreshAllMenuBars();
}

void RuntimeReleaseAppObject() {
    ReleaseMenuActions();
    appObject().reset();
    seams::setEventLoopHooks({}, {});
}

void RuntimeInitExternalClasses() {}
