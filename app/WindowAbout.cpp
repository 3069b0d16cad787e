#include "app/WindowAbout.h"

#include "app/CoverWindowLists.h"
#include "app/Pictures.h"
#include "platform/AppFiles.h"
#include "platform/PropertyList.h"
#include "platform/Runtime.h"

#include <string>

using namespace coverwindows;

namespace {

template <class C> std::shared_ptr<C> byName(const Window& w, const char* name) {
    return std::dynamic_pointer_cast<C>(RuntimeWindowControlByName(w, name));
}

} // namespace

void WindowAbout::Layout() { ApplyPropertyList(*this, about::Window); }

void WindowAbout::CreateControls() { CreateControls0(); }

void WindowAbout::CreateControls0() {
    {
        auto c = New<StaticText>();
        c->Constructor();
        AddControl("StaticTextAboutBlurb", c);
        if (auto seen = StaticTextAboutBlurb())
            ApplyPropertyList(*seen, about::StaticTextAboutBlurb);
    }
    {
        auto c = New<StaticText>();
        c->Constructor();
        AddControl("LabelTitle", c);
        if (auto seen = LabelTitle()) ApplyPropertyList(*seen, about::LabelTitle);
    }
    {
        auto c = New<StaticText>();
        c->Constructor();
        AddControl("LabelWebAddress", c);
        if (auto seen = LabelWebAddress()) ApplyPropertyList(*seen, about::LabelWebAddress);
    }
    {
        auto c = New<PushButton>();
        c->Constructor();
        AddControl("PushButtonClose", c);
        if (auto seen = PushButtonClose()) ApplyPropertyList(*seen, about::PushButtonClose);
        if (auto again = PushButtonClose())
            InstallInstanceEventHandler(*again, "Action",
                                        MakeHandler(&WindowAbout::PushButtonClose_Action));
    }
    {
        auto c = New<Canvas>();
        c->Constructor();
        AddControl("CanvasCadmoriaCover", c);
        // The cover goes on before the canvas's list is applied.
        if (auto seen = CanvasCadmoriaCover()) seen->setBackdrop(CadmoriaCover());
        if (auto seen = CanvasCadmoriaCover()) ApplyPropertyList(*seen, about::CanvasCadmoriaCover);
    }
    {
        auto c = New<PushButton>();
        c->Constructor();
        AddControl("PushButtonGoThere", c);
        if (auto seen = PushButtonGoThere()) ApplyPropertyList(*seen, about::PushButtonGoThere);
        if (auto again = PushButtonGoThere())
            InstallInstanceEventHandler(*again, "Action",
                                        MakeHandler(&WindowAbout::PushButtonGoThere_Action));
    }
}

void WindowAbout::PushButtonClose_Action(Control&) { Close(); }

// The window goes first, whatever the browser then makes of the page.
void WindowAbout::PushButtonGoThere_Action(Control&) {
    // The accessor, not the class: inside the class the bare name would make a new window.
    if (auto w = ::WindowAbout()) w->Close();
    ShowURL(ApplicationFileURL(std::string(kPageFileName)));
}

void WindowAbout::AddMenuHandlers(::Window&) {}

void WindowAbout::Event_MouseUp(int, int) { Close(); }

// Takes the press, so that its release closes the window.
bool WindowAbout::Event_MouseDown(int, int) { return true; }

std::shared_ptr<StaticText> WindowAbout::StaticTextAboutBlurb() const {
    return byName<StaticText>(*this, "StaticTextAboutBlurb");
}
std::shared_ptr<StaticText> WindowAbout::LabelTitle() const {
    return byName<StaticText>(*this, "LabelTitle");
}
std::shared_ptr<StaticText> WindowAbout::LabelWebAddress() const {
    return byName<StaticText>(*this, "LabelWebAddress");
}
std::shared_ptr<PushButton> WindowAbout::PushButtonClose() const {
    return byName<PushButton>(*this, "PushButtonClose");
}
std::shared_ptr<Canvas> WindowAbout::CanvasCadmoriaCover() const {
    return byName<Canvas>(*this, "CanvasCadmoriaCover");
}
std::shared_ptr<PushButton> WindowAbout::PushButtonGoThere() const {
    return byName<PushButton>(*this, "PushButtonGoThere");
}

std::shared_ptr<class WindowAbout> WindowAbout() {
    return ImplicitInstance<class WindowAbout>("WindowAbout.WindowAbout");
}
