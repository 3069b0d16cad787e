#include "app/WindowAbout.h"

#include "app/CoverTexts.h"
#include "app/Pictures.h"
#include "app/PropertyLists.h"
#include "app/WindowBuilding.h"
#include "platform/AppFiles.h"
#include "platform/Runtime.h"

#include <string>

// ---- The lists, in the order in which the window builds its controls -----------------

namespace WindowAboutLists {

using namespace PropertyLists;

const std::string Window = WindowList({.Placement = 2,
                                       .Width = 441,
                                       .Height = 535,
                                       .Frame = 2,
                                       .HasBackColor = true,
                                       .Title = "About Tarnwick",
                                       .CloseButton = false,
                                       .Resizeable = false,
                                       .MaximizeButton = false,
                                       .MinimizeButton = false});

const std::string StaticTextAboutBlurb =
    NameFirst::StaticTextList({.Name = "StaticTextAboutBlurb",
                               .Left = 32,
                               .Top = 299,
                               .Width = 386,
                               .Height = 212,
                               .TabIndex = 0},
                              {.Text = CoverTexts::Credits, .MultiLine = true, .TextSize = 10});

const std::string LabelTitle = NameFirst::StaticTextList(
    {.Name = "LabelTitle", .Left = 87, .Top = 217, .Width = 253, .Height = 33, .TabIndex = 1},
    {.Text = CoverTexts::Title, .MultiLine = true, .TextSize = 12});

const std::string LabelWebAddress = NameFirst::StaticTextList(
    {.Name = "LabelWebAddress", .Left = 115, .Top = 258, .Width = 180, .Height = 16, .TabIndex = 2},
    {.Text = CoverTexts::WebAddressLine, .MultiLine = false, .TextSize = 10});

const std::string PushButtonClose = NameFirst::PushButtonList(
    {.Name = "PushButtonClose", .Left = 361, .Top = 491, .Width = 60, .Height = 20, .TabIndex = 3},
    {.Caption = "OK", .Default = false, .TextSize = 12});

const std::string CanvasCadmoriaCover = NameFirst::CanvasList({.Name = "CanvasCadmoriaCover",
                                                               .Left = 190,
                                                               .Top = 21,
                                                               .Width = 150,
                                                               .Height = 201,
                                                               .TabIndex = 4});

const std::string PushButtonGoThere =
    NameFirst::PushButtonList({.Name = "PushButtonGoThere",
                               .Left = 295,
                               .Top = 256,
                               .Width = 58,
                               .Height = 18,
                               .TabIndex = 5},
                              {.Caption = "Go there", .Default = false, .TextSize = 10});

} // namespace WindowAboutLists

// ---- Construction ----------------------------------------------------------------------

void WindowAbout::Layout() { ApplyPropertyList(*this, WindowAboutLists::Window); }

void WindowAbout::CreateControls() { CreateControls0(); }

void WindowAbout::CreateControls0() {
    namespace L = WindowAboutLists;
    BuildControl<StaticText>(*this, "StaticTextAboutBlurb", L::StaticTextAboutBlurb);
    BuildControl<StaticText>(*this, "LabelTitle", L::LabelTitle);
    BuildControl<StaticText>(*this, "LabelWebAddress", L::LabelWebAddress);
    BuildControl<PushButton>(*this, "PushButtonClose", L::PushButtonClose,
                             {{"Action", &WindowAbout::PushButtonClose_Action}});
    AddNewControl<Canvas>(*this, "CanvasCadmoriaCover");
    // The cover goes on before the canvas's list is applied.
    if (auto seen = CanvasCadmoriaCover()) seen->setBackdrop(CadmoriaCover());
    ApplyControlList<Canvas>(*this, "CanvasCadmoriaCover", L::CanvasCadmoriaCover);
    BuildControl<PushButton>(*this, "PushButtonGoThere", L::PushButtonGoThere,
                             {{"Action", &WindowAbout::PushButtonGoThere_Action}});
}

void WindowAbout::PushButtonClose_Action(Control&) { Close(); }

// The window goes first, whatever the browser then makes of the page.
void WindowAbout::PushButtonGoThere_Action(Control&) {
    // The accessor, not the class: inside the class the bare name would make a new window.
    if (auto w = ::WindowAbout()) w->Close();
    ShowURL(ApplicationFileURL(std::string(CoverTexts::PageFileName)));
}

void WindowAbout::AddMenuHandlers(::Window&) {}

void WindowAbout::Event_MouseUp(int, int) { Close(); }

// Takes the press, so that its release closes the window.
bool WindowAbout::Event_MouseDown(int, int) { return true; }

std::shared_ptr<StaticText> WindowAbout::StaticTextAboutBlurb() const {
    return ControlNamed<StaticText>(*this, "StaticTextAboutBlurb");
}
std::shared_ptr<StaticText> WindowAbout::LabelTitle() const {
    return ControlNamed<StaticText>(*this, "LabelTitle");
}
std::shared_ptr<StaticText> WindowAbout::LabelWebAddress() const {
    return ControlNamed<StaticText>(*this, "LabelWebAddress");
}
std::shared_ptr<PushButton> WindowAbout::PushButtonClose() const {
    return ControlNamed<PushButton>(*this, "PushButtonClose");
}
std::shared_ptr<Canvas> WindowAbout::CanvasCadmoriaCover() const {
    return ControlNamed<Canvas>(*this, "CanvasCadmoriaCover");
}
std::shared_ptr<PushButton> WindowAbout::PushButtonGoThere() const {
    return ControlNamed<PushButton>(*this, "PushButtonGoThere");
}

std::shared_ptr<class WindowAbout> WindowAbout() {
    return ImplicitInstance<class WindowAbout>("WindowAbout.WindowAbout");
}
