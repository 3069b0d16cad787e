// Shutdown with everything still open: windows of each kind, shown, with a menu bar, controls,
// a sprite surface and a running timer, plus a window closed but still referenced and one
// whose widgets wait for deferred deletion. Nothing else is closed or released before
// RuntimeExit, and the globals below keep the objects alive past it, so their destructors
// run after the toolkit is gone. The test passes when the process ends cleanly with 0.
#include "platform/Controls.h"
#include "platform/Menu.h"
#include "platform/Picture.h"
#include "platform/PropertyList.h"
#include "platform/Runtime.h"
#include "platform/SpriteSurface.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "platform/testing/UiTesting.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

std::shared_ptr<Picture> solid(int size, Color colour) {
    auto p = NewPicture(size, size);
    p->Graphics().ForeColor = colour;
    p->Graphics().FillRect(0, 0, size, size);
    return p;
}

std::shared_ptr<MenuBar> menuBar() {
    auto quit = std::make_shared<QuitMenuItem>();
    quit->Text = "Quit";
    auto file = std::make_shared<MenuItem>();
    file->Text = "File";
    file->Append(quit);
    auto bar = std::make_shared<MenuBar>();
    bar->Append(file);
    return bar;
}

std::string rect(int left, int top, int width, int height) {
    return PropertyListBuilder()
        .integer("Left", left)
        .integer("Top", top)
        .integer("Width", width)
        .integer("Height", height)
        .bytes();
}

// A window of the given frame, built from its list; a document window (Frame 0) also gets a
// menu bar and one control of each kind.
class Shut : public Window {
  public:
    explicit Shut(int frame) : frame_(frame) {}

    void Layout() override {
        ApplyPropertyList(*this, PropertyListBuilder()
                                     .integer("Frame", frame_)
                                     .integer("Placement", frame_ == 0 ? 0 : 1)
                                     .integer("Width", 360)
                                     .integer("Height", 220)
                                     .text("Title", "Frame " + std::to_string(frame_))
                                     .bytes());
        if (frame_ == 0) MenuBar = menuBar();
    }

    void CreateControls() override {
        add<PushButton>("PushButtonGo", rect(10, 10, 80, 24))->setCaption("Go");
        if (frame_ != 0) return;
        add<StaticText>("StaticTextLabel", rect(10, 40, 100, 20))->setText("label");
        add<EditField>("EditFieldName", rect(10, 70, 100, 22))->setText("typed");
        auto popup = add<PopupMenu>("PopupMenuChoice", rect(10, 100, 100, 22));
        popup->setInitialValue("One\rTwo");
        popup->setListIndex(1);
        add<Canvas>("CanvasPicture", rect(120, 10, 40, 40))->setBackdrop(solid(40, {0, 0, 255}));
        auto surface = add<SpriteSurface>("SpriteSurfacePond", rect(170, 10, 120, 100));
        surface->Backdrop = solid(16, {0, 160, 0});
        auto sprite = std::make_shared<Sprite>();
        sprite->Image = solid(12, {200, 0, 0});
        sprite->X = sprite->Y = 20;
        surface->Attach(sprite);
        auto timer = add<Tick>("TimerTick", PropertyListBuilder().integer("Period", 5).bytes());
        InstallInstanceEventHandler(*timer, "Action", [](Control&) { ++ticks; });
        timer->setMode(2);
    }

    class Tick : public WindowTimer {};
    static inline int ticks = 0;

  private:
    template <class C> std::shared_ptr<C> add(const std::string& name, const std::string& list) {
        auto c = New<C>();
        c->Constructor();
        AddControl(name, c);
        ApplyPropertyList(*c, list);
        return c;
    }
    int frame_;
};

std::shared_ptr<Window> build(const std::string& className, int frame) {
    RuntimeRegisterClass(className, [frame] { return std::make_shared<Shut>(frame); });
    return ImplicitInstance<Window>(className);
}

// Destroyed after main returns, so after RuntimeExit has run.
std::vector<std::shared_ptr<Window>> windows;
std::vector<std::shared_ptr<Control>> controls;

int failed(const char* what) {
    std::fprintf(stderr, "teardown: %s\n", what);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    RuntimeInit(argc, argv, /*headless=*/true);

    auto document = build("Shut.Document", 0);
    auto floating = build("Shut.Floating", 3);
    auto dialog = build("Shut.Dialog", 1);
    auto closed = build("Shut.Closed", 0);
    auto dropped = build("Shut.Dropped", 2);
    for (auto& w : {document, floating, closed, dropped, dialog})
        w->Show();
    if (!uitest::WaitUntil([&] { return uitest::IsShown(*dialog) && Shut::ticks > 0; }))
        return failed("the windows did not show or the timer did not run");
    std::static_pointer_cast<SpriteSurface>(document->ControlByName("SpriteSurfacePond"))->Update();
    uitest::ProcessEvents(20);

    // Closed, but it and one of its controls are still held.
    controls.push_back(closed->ControlByName("PushButtonGo"));
    closed->Close();
    // Gone from every list; its widgets are only scheduled for deletion.
    dropped->Close();
    dropped.reset();

    windows = {document, floating, dialog, closed};
    controls.insert(controls.end(), document->Controls().begin(), document->Controls().end());
    document = floating = dialog = closed = nullptr;

    RuntimeExit();

    // Nothing of the toolkit is left behind in the objects that outlive it.
    if (!OpenWindows().empty()) return failed("a window is still open");
    for (auto& w : windows)
        if (w->topLevelWidget() || w->clientWidget()) return failed("a window kept its widgets");
    for (auto& c : controls)
        if (auto rc = std::dynamic_pointer_cast<RectControl>(c); rc && rc->widget())
            return failed("a control kept its widget");

    // A second call finds nothing left to release.
    return RuntimeExit();
}
