#include "app/WindowSplash.h"

#include "app/CoverWindowLists.h"
#include "app/Pictures.h"
#include "app/dialogs/WindowSelectScenario.h"
#include "platform/PropertyList.h"

#include <string>

using namespace coverwindows;

namespace {

template <class C> std::shared_ptr<C> byName(const Window& w, const char* name) {
    return std::dynamic_pointer_cast<C>(RuntimeWindowControlByName(w, name));
}

} // namespace

void WindowSplash::Layout() { ApplyPropertyList(*this, splash::Window); }

void WindowSplash::CreateControls() { CreateControls0(); }

void WindowSplash::CreateControls0() {
    {
        auto c = New<StaticText>();
        c->Constructor();
        AddControl("LabelTitle", c);
        if (auto seen = LabelTitle()) ApplyPropertyList(*seen, splash::LabelTitle);
    }
    {
        auto c = New<StaticText>();
        c->Constructor();
        AddControl("StaticText2", c);
        if (auto seen = StaticText2()) ApplyPropertyList(*seen, splash::StaticText2);
    }
    {
        auto c = New<StaticText>();
        c->Constructor();
        AddControl("StaticText1", c);
        if (auto seen = StaticText1()) ApplyPropertyList(*seen, splash::StaticText1);
    }
    {
        auto c = New<Canvas>();
        c->Constructor();
        AddControl("CanvasCadmoriaCover", c);
        // The cover goes on before the canvas's list is applied.
        if (auto seen = CanvasCadmoriaCover()) seen->setBackdrop(CadmoriaCover());
        if (auto seen = CanvasCadmoriaCover())
            ApplyPropertyList(*seen, splash::CanvasCadmoriaCover);
    }
    {
        auto c = New<PushButton>();
        c->Constructor();
        AddControl("PushButtonProceed", c);
        if (auto seen = PushButtonProceed()) ApplyPropertyList(*seen, splash::PushButtonProceed);
        if (auto again = PushButtonProceed())
            InstallInstanceEventHandler(*again, "Action",
                                        MakeHandler(&WindowSplash::PushButtonProceed_Action));
    }
    {
        auto c = New<Timer1Class>();
        c->Constructor();
        AddControl("Timer1", c);
        if (auto seen = Timer1()) ApplyPropertyList(*seen, splash::Timer1);
        if (auto again = Timer1())
            InstallInstanceEventHandler(*again, "Action",
                                        MakeHandler(&WindowSplash::Timer1_Action));
    }
}

void WindowSplash::PushButtonProceed_Action(Control&) { Close(); }

void WindowSplash::Timer1_Action(Control&) { Close(); }

void WindowSplash::AddMenuHandlers(::Window&) {}

// However the splash goes, the scenario dialog comes forward (built anew if it was closed).
void WindowSplash::Event_Close() {
    if (auto dialog = WindowSelectScenario()) dialog->Show();
}

void WindowSplash::Event_MouseUp(int, int) { Close(); }

// Takes the press, so that its release closes the splash.
bool WindowSplash::Event_MouseDown(int, int) { return true; }

std::shared_ptr<StaticText> WindowSplash::LabelTitle() const {
    return byName<StaticText>(*this, "LabelTitle");
}
std::shared_ptr<StaticText> WindowSplash::StaticText2() const {
    return byName<StaticText>(*this, "StaticText2");
}
std::shared_ptr<StaticText> WindowSplash::StaticText1() const {
    return byName<StaticText>(*this, "StaticText1");
}
std::shared_ptr<Canvas> WindowSplash::CanvasCadmoriaCover() const {
    return byName<Canvas>(*this, "CanvasCadmoriaCover");
}
std::shared_ptr<PushButton> WindowSplash::PushButtonProceed() const {
    return byName<PushButton>(*this, "PushButtonProceed");
}
std::shared_ptr<Timer> WindowSplash::Timer1() const { return byName<Timer>(*this, "Timer1"); }

std::shared_ptr<class WindowSplash> WindowSplash() {
    return ImplicitInstance<class WindowSplash>("WindowSplash.WindowSplash");
}
