#include "app/dialogs/WindowSelectScenario.h"

#include "app/PropertyLists.h"
#include "app/WindowBuilding.h"
#include "model/Globals.h"
#include "platform/Runtime.h"
#include "pond_window/WindowMain.h"

#include <string>

// ---- The lists, in the order in which the dialog builds its controls -----------------

namespace WindowSelectScenarioLists {

using namespace PropertyLists;

const std::string Window = WindowList({.Placement = 0,
                                       .Width = 256,
                                       .Height = 152,
                                       .Frame = 2,
                                       .HasBackColor = false,
                                       .Title = "Select scenario",
                                       .CloseButton = true,
                                       .Resizeable = true,
                                       .MaximizeButton = true,
                                       .MinimizeButton = true});

const std::string StaticText1 = NameLast::StaticTextList(
    {.Name = "StaticText1", .Left = 17, .Top = 41, .Width = 118, .Height = 20, .TabIndex = 0},
    {.Text = "Select a scenario:", .TextAlign = 2, .MultiLine = false});

const std::string PushButtonOkay = NameLast::PushButtonList(
    {.Name = "PushButtonOkay", .Left = 158, .Top = 97, .Width = 69, .Height = 20, .TabIndex = 1},
    {.Caption = "Okay", .Default = true});

const std::string PopupMenuScenario = NameLast::PopupMenuList(
    {.Name = "PopupMenuScenario", .Left = 147, .Top = 41, .Width = 80, .Height = 20, .TabIndex = 2},
    {.InitialValue = "One\rTwo\rThree\rFour"});

// Shown by the Okay button's Open handler once a scenario has been applied.
const std::string PushButtonCancel =
    NameLast::PushButtonList({.Name = "PushButtonCancel",
                              .Left = 79,
                              .Top = 97,
                              .Width = 69,
                              .Height = 20,
                              .TabIndex = 3,
                              .Visible = false},
                             {.Caption = "Cancel", .Default = false});

} // namespace WindowSelectScenarioLists

void WindowSelectScenario::Layout() { ApplyPropertyList(*this, WindowSelectScenarioLists::Window); }

void WindowSelectScenario::CreateControls() { CreateControls0(); }

void WindowSelectScenario::CreateControls0() {
    namespace L = WindowSelectScenarioLists;
    using W = WindowSelectScenario;
    BuildControl<StaticText>(*this, "StaticText1", L::StaticText1);
    BuildControl<PushButton>(
        *this, "PushButtonOkay", L::PushButtonOkay,
        {{"Open", &W::PushButtonOkay_Open}, {"Action", &W::PushButtonOkay_Action}});
    BuildControl<PopupMenu>(*this, "PopupMenuScenario", L::PopupMenuScenario,
                            {{"Open", &W::PopupMenuScenario_Open}});
    BuildControl<PushButton>(*this, "PushButtonCancel", L::PushButtonCancel,
                             {{"Action", &W::PushButtonCancel_Action}});
}

// Cancel is offered only once a scenario has been applied, which the main window's label
// tells. A main window closed meanwhile is rebuilt here, with the label of a fresh start.
void WindowSelectScenario::PushButtonOkay_Open(Control&) {
    auto label = WindowMain()->StaticTextScenario();
    if (label && label->Text() != "Scenario: None chosen") PushButtonCancel()->setVisible(true);
}

void WindowSelectScenario::PushButtonOkay_Action(Control&) {
    WindowMain()->ClearAll();
    WindowMain()->StaticTextNumClicks()->setText("0");
    const int32_t n = PopupMenuScenario()->ListIndex() + 1;
    Globals::setScenario(n);
    WindowMain()->Show();
    for (int32_t pond = 0; pond <= 1; ++pond) {
        RuntimeBackgroundTask();
        WindowMain()->PopulatePond(pond, Globals::MaxNumCritters[std::size_t(pond)]);
    }
    WindowMain()->UpdateSizes();
    // The label follows the row chosen, not the scenario's hidden name.
    static const char* const labels[] = {"Scenario: One", "Scenario: Two", "Scenario: Three",
                                         "Scenario: Four"};
    if (n >= 1 && n <= 4) WindowMain()->StaticTextScenario()->setText(labels[n - 1]);
    Close();
}

void WindowSelectScenario::PopupMenuScenario_Open(Control&) {
    static const char* const names[] = {"Genetic", "Random", "Environmental", "Both"};
    for (int i = 0; i < 4; ++i) {
        if (Globals::Scenario == names[i]) {
            PopupMenuScenario()->setListIndex(i);
            return;
        }
    }
}

void WindowSelectScenario::PushButtonCancel_Action(Control&) {
    // The free accessor, not the class name: it answers this open dialog.
    ::WindowSelectScenario()->Close();
}

void WindowSelectScenario::AddMenuHandlers(::Window&) {}

std::shared_ptr<StaticText> WindowSelectScenario::StaticText1() const {
    return ControlNamed<StaticText>(*this, "StaticText1");
}
std::shared_ptr<PushButton> WindowSelectScenario::PushButtonOkay() const {
    return ControlNamed<PushButton>(*this, "PushButtonOkay");
}
std::shared_ptr<PopupMenu> WindowSelectScenario::PopupMenuScenario() const {
    return ControlNamed<PopupMenu>(*this, "PopupMenuScenario");
}
std::shared_ptr<PushButton> WindowSelectScenario::PushButtonCancel() const {
    return ControlNamed<PushButton>(*this, "PushButtonCancel");
}

std::shared_ptr<class WindowSelectScenario> WindowSelectScenario() {
    return ImplicitInstance<class WindowSelectScenario>(
        "WindowSelectScenario.WindowSelectScenario");
}
