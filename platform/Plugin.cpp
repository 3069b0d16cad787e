#include "platform/Plugin.h"

#include "platform/Application.h"
#include "platform/Controls.h"
#include "platform/Menu.h"
#include "platform/Registry.h"
#include "platform/SpriteSurface.h"
#include "platform/Timer.h"
#include "platform/Window.h"

#include <array>

namespace {

// What the sprite surface exports: its Sprite and SpriteSurface operations.
constexpr std::array<PluginEntrypoint, 28> exported{{
    {"Sprite.__init"},
    {"Sprite.Close"},
    {"Sprite.Group.Set"},
    {"Sprite.Priority.Set"},
    {"Sprite.Image.Set"},
    {"Sprite.ScreenY.Get"},
    {"Sprite.ScreenY.Set"},
    {"Sprite.ScreenX.Get"},
    {"Sprite.ScreenX.Set"},
    {"SpriteSurface.Run"},
    {"SpriteSurface.Close"},
    {"SpriteSurface.Stop"},
    {"SpriteSurface.NewSprite(Image as Picture, X as Integer, Y as Integer) as Sprite"},
    {"SpriteSurface.Attach(s as Sprite)"},
    {"SpriteSurface.KeyTest(KeyCode as Integer) as Boolean"},
    {"SpriteSurface.Scroll(dx as Integer, dy as Integer)"},
    {"SpriteSurface.Update"},
    {"SpriteSurface.PaintTile(XPos as Integer, YPos as Integer)"},
    {"SpriteSurface.Backdrop.Set"},
    {"SpriteSurface.Depth.Set"},
    {"SpriteSurface.SurfaceWidth.Get"},
    {"SpriteSurface.SurfaceWidth.Set"},
    {"SpriteSurface.SurfaceHeight.Get"},
    {"SpriteSurface.SurfaceHeight.Set"},
    {"SpriteSurface.SurfaceLeft.Get"},
    {"SpriteSurface.SurfaceLeft.Set"},
    {"SpriteSurface.SurfaceTop.Get"},
    {"SpriteSurface.SurfaceTop.Set"},
}};

// The placeholder name "_" of an unused slot is exported too, so that every slot binds.
constexpr PluginEntrypoint unusedSlot{"_"};

} // namespace

std::vector<const PluginEntrypoint*> RuntimeAllocatePluginEntrypointsTable(int32_t count) {
    return std::vector<const PluginEntrypoint*>(std::size_t(count < 0 ? 0 : count), nullptr);
}

const PluginEntrypoint* RuntimeLookupPluginEntrypoint(std::string_view name) {
    if (name == unusedSlot.name) return &unusedSlot;
    for (const auto& entry : exported)
        if (entry.name == name) return &entry;
    return nullptr;
}

void RuntimeRegisterFrameworkClasses() {
    RuntimeRegisterClass<Object>("Object");
    RuntimeRegisterClass<Application>("Application");
    RuntimeRegisterClass<MenuItem>("MenuItem");
    RuntimeRegisterClass<QuitMenuItem>("QuitMenuItem");
    RuntimeRegisterClass<ApplicationMenuItem>("ApplicationMenuItem");
    RuntimeRegisterClass<MenuBar>("MenuBar");
    RuntimeRegisterClass<Window>("Window");
    RuntimeRegisterClass<Control>("Control");
    RuntimeRegisterClass<RectControl>("RectControl");
    RuntimeRegisterClass<Timer>("Timer");
    RuntimeRegisterClass<StaticText>("StaticText");
    RuntimeRegisterClass<PushButton>("PushButton");
    RuntimeRegisterClass<EditField>("EditField");
    RuntimeRegisterClass<PopupMenu>("PopupMenu");
    RuntimeRegisterClass<RadioButton>("RadioButton");
    RuntimeRegisterClass<Canvas>("Canvas");
    RuntimeRegisterClass<Rectangle>("Rectangle");
    RuntimeRegisterClass<Sprite>("Sprite");
    RuntimeRegisterClass<SpriteSurface>("SpriteSurface");
}

void RuntimeReleaseWindowLists() { CloseAllWindows(/*raiseCloseEvents=*/false); }

void RuntimeReleaseTypeInformation() { RuntimeClearClassRegistry(); }
