#include "app/WindowSplash.h"

#include "app/CoverTexts.h"
#include "app/Pictures.h"
#include "app/PropertyLists.h"
#include "app/WindowBuilding.h"
#include "app/dialogs/WindowSelectScenario.h"

#include <string>

// ---- The lists, in the order in which the splash builds its controls -----------------

namespace WindowSplashLists {

using namespace PropertyLists;

const std::string Window = WindowList({.Placement = 0,
                                       .Width = 327,
                                       .Height = 371,
                                       .Frame = 2,
                                       .HasBackColor = true,
                                       .Title = "",
                                       .CloseButton = true,
                                       .Resizeable = true,
                                       .MaximizeButton = true,
                                       .MinimizeButton = true});

const std::string LabelTitle = NameFirst::StaticTextList(
    {.Name = "LabelTitle", .Left = 33, .Top = 238, .Width = 296, .Height = 33, .TabIndex = 0},
    {.Text = CoverTexts::Title, .MultiLine = true, .TextSize = 12});

const std::string StaticText2 = NameFirst::StaticTextList(
    {.Name = "StaticText2", .Left = 75, .Top = 272, .Width = 240, .Height = 16, .TabIndex = 1},
    {.Text = CoverTexts::WebAddressLine, .MultiLine = false, .TextSize = 10});

const std::string StaticText1 = NameFirst::StaticTextList(
    {.Name = "StaticText1", .Left = 48, .Top = 350, .Width = 237, .Height = 16, .TabIndex = 2},
    {.Text = CoverTexts::VersionLine, .MultiLine = false, .TextSize = 10});

const std::string CanvasCadmoriaCover = NameFirst::CanvasList({.Name = "CanvasCadmoriaCover",
                                                               .Left = 133,
                                                               .Top = 31,
                                                               .Width = 150,
                                                               .Height = 201,
                                                               .TabIndex = 3});

const std::string PushButtonProceed =
    NameFirst::PushButtonList({.Name = "PushButtonProceed",
                               .Left = 127,
                               .Top = 305,
                               .Width = 69,
                               .Height = 20,
                               .TabIndex = 4},
                              {.Caption = "Proceed", .Default = true, .TextSize = 12});

// One firing, 7 seconds after the splash is built.
const std::string Timer1 = TimerList({.Mode = 1, .Period = 7000});

} // namespace WindowSplashLists

// ---- Construction ----------------------------------------------------------------------

void WindowSplash::Layout() { ApplyPropertyList(*this, WindowSplashLists::Window); }

void WindowSplash::CreateControls() { CreateControls0(); }

void WindowSplash::CreateControls0() {
    namespace L = WindowSplashLists;
    BuildControl<StaticText>(*this, "LabelTitle", L::LabelTitle);
    BuildControl<StaticText>(*this, "StaticText2", L::StaticText2);
    BuildControl<StaticText>(*this, "StaticText1", L::StaticText1);
    AddNewControl<Canvas>(*this, "CanvasCadmoriaCover");
    // The cover goes on before the canvas's list is applied.
    if (auto seen = CanvasCadmoriaCover()) seen->setBackdrop(CadmoriaCover());
    ApplyControlList<Canvas>(*this, "CanvasCadmoriaCover", L::CanvasCadmoriaCover);
    BuildControl<PushButton>(*this, "PushButtonProceed", L::PushButtonProceed,
                             {{"Action", &WindowSplash::PushButtonProceed_Action}});
    BuildTimer<Timer1Class>(*this, "Timer1", L::Timer1, {{"Action", &WindowSplash::Timer1_Action}});
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
    return ControlNamed<StaticText>(*this, "LabelTitle");
}
std::shared_ptr<StaticText> WindowSplash::StaticText2() const {
    return ControlNamed<StaticText>(*this, "StaticText2");
}
std::shared_ptr<StaticText> WindowSplash::StaticText1() const {
    return ControlNamed<StaticText>(*this, "StaticText1");
}
std::shared_ptr<Canvas> WindowSplash::CanvasCadmoriaCover() const {
    return ControlNamed<Canvas>(*this, "CanvasCadmoriaCover");
}
std::shared_ptr<PushButton> WindowSplash::PushButtonProceed() const {
    return ControlNamed<PushButton>(*this, "PushButtonProceed");
}
std::shared_ptr<Timer> WindowSplash::Timer1() const { return ControlNamed<Timer>(*this, "Timer1"); }

std::shared_ptr<class WindowSplash> WindowSplash() {
    return ImplicitInstance<class WindowSplash>("WindowSplash.WindowSplash");
}
