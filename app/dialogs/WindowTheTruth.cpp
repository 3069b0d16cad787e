#include "app/dialogs/WindowTheTruth.h"

#include "app/PropertyLists.h"
#include "app/WindowBuilding.h"
#include "model/Globals.h"
#include "platform/Numbers.h"
#include "platform/Runtime.h"

#include <string>

namespace {

// Compared with the field's text exactly as typed.
const char* const Password = "Wembix";

} // namespace

// ---- The lists, in the order in which the dialog builds its controls -----------------

namespace WindowTheTruthLists {

using namespace PropertyLists;

const std::string Window = WindowList({.Placement = 0,
                                       .Width = 298,
                                       .Height = 368,
                                       .Frame = 2,
                                       .HasBackColor = false,
                                       .Title = "The Truth",
                                       .CloseButton = true,
                                       .Resizeable = true,
                                       .MaximizeButton = true,
                                       .MinimizeButton = true});

const std::string Rectangle1 = NameLast::RectangleList(
    {.Name = "Rectangle1", .Left = 5, .Top = 147, .Width = 288, .Height = 164, .TabIndex = 0});

// Inside the rectangle, so its tab order starts from 0 again.
const std::string StaticTextTheTruth =
    NameLast::StaticTextList({.Name = "StaticTextTheTruth",
                              .Left = 12,
                              .Top = 154,
                              .Width = 274,
                              .Height = 150,
                              .TabIndex = 0,
                              .InitialParent = "Rectangle1"},
                             {.Text = "", .TextAlign = 0, .MultiLine = true});

const std::string PushButtonOkay = NameLast::PushButtonList(
    {.Name = "PushButtonOkay", .Left = 204, .Top = 331, .Width = 69, .Height = 20, .TabIndex = 1},
    {.Caption = "Close", .Default = false});

const std::string StaticText1 = NameLast::StaticTextList(
    {.Name = "StaticText1", .Left = 28, .Top = 19, .Width = 109, .Height = 20, .TabIndex = 2},
    {.Text = "Enter password:", .TextAlign = 2, .MultiLine = false});

const std::string EditFieldPassword = NameLast::EditFieldList(
    {.Name = "EditFieldPassword", .Left = 35, .Top = 45, .Width = 205, .Height = 22, .TabIndex = 3},
    {.Text = "", .Border = true, .MultiLine = false, .UseFocusRing = true});

const std::string PushButtonNowTellMe =
    NameLast::PushButtonList({.Name = "PushButtonNowTellMe",
                              .Left = 135,
                              .Top = 105,
                              .Width = 105,
                              .Height = 20,
                              .TabIndex = 4},
                             {.Caption = "Now tell me.", .Default = true});

// Shown after a wrong password.
const std::string StaticTextTryAgain =
    NameLast::StaticTextList({.Name = "StaticTextTryAgain",
                              .Left = 81,
                              .Top = 66,
                              .Width = 137,
                              .Height = 20,
                              .TabIndex = 5,
                              .Visible = false},
                             {.Text = "Sorry. Try again.", .TextAlign = 0, .MultiLine = false});

} // namespace WindowTheTruthLists

void WindowTheTruth::Layout() { ApplyPropertyList(*this, WindowTheTruthLists::Window); }

void WindowTheTruth::CreateControls() { CreateControls0(); }

void WindowTheTruth::CreateControls0() {
    namespace L = WindowTheTruthLists;
    BuildControl<Rectangle>(*this, "Rectangle1", L::Rectangle1);
    BuildControl<StaticText>(*this, "StaticTextTheTruth", L::StaticTextTheTruth);
    BuildControl<PushButton>(*this, "PushButtonOkay", L::PushButtonOkay,
                             {{"Action", &WindowTheTruth::PushButtonOkay_Action}});
    BuildControl<StaticText>(*this, "StaticText1", L::StaticText1);
    BuildControl<EditField>(*this, "EditFieldPassword", L::EditFieldPassword);
    BuildControl<PushButton>(*this, "PushButtonNowTellMe", L::PushButtonNowTellMe,
                             {{"Action", &WindowTheTruth::PushButtonNowTellMe_Action}});
    BuildControl<StaticText>(*this, "StaticTextTryAgain", L::StaticTextTryAgain);
}

void WindowTheTruth::PushButtonOkay_Action(Control&) { Close(); }

void WindowTheTruth::PushButtonNowTellMe_Action(Control&) {
    if (EditFieldPassword()->Text() == Password) {
        Reveal();
    } else {
        EditFieldPassword()->setText("");
        StaticTextTryAgain()->setVisible(true);
    }
}

void WindowTheTruth::AddMenuHandlers(::Window&) {}

void WindowTheTruth::Reveal() {
    const std::string CR = Chr(13);
    const std::string& scenario = Globals::Scenario;
    // The two-pond arrays exist whenever a scenario is set; a missing entry reads as 0.
    auto worms = [](std::size_t pond) {
        return pond < Globals::MaxNumWorms.size() ? Globals::MaxNumWorms[pond] : 0;
    };
    auto freq = [](std::size_t pond) {
        return pond < Globals::AlleleFreq.size() ? Globals::AlleleFreq[pond] : 0.0;
    };
    std::string text;
    if (scenario == "Genetic") {
        text = "The difference between the ponds is due to genetic differences." + CR + CR +
               "Extra legs are due to a genetic mutation." + CR + CR +
               "The mutation is at higher frequency in " +
               (freq(0) < freq(1) ? "Top Pond." : "Bottom Pond.");
    } else if (scenario == "Random") {
        text = "The difference, if any, between the ponds is due to chance." + CR + CR +
               "All frogs have the same risk of deformity.";
    } else if (scenario == "Environmental") {
        text = "The difference between the ponds is due to environmental differences." + CR + CR +
               "Extra legs are caused by exposure to worms." + CR + CR +
               "There are more worms in " + (worms(1) < worms(0) ? "Top Pond." : "Bottom Pond.");
    } else if (scenario == "Both") {
        text = "The difference between the ponds is due to both genetic and environmental "
               "diferences." +
               CR + CR +
               "Deformity is caused by exposure to worms, but only in genetically susceptible "
               "frogs." +
               CR + CR + (worms(1) < worms(0) ? "Top Pond " : "Bottom Pond ") +
               "has both more worms and a higher frequency of susceptible frogs.";
    } else {
        MsgBox("Error in WindowTheTruth.Open.  There is no scenario.");
    }
    StaticTextTheTruth()->setText(text);
}

std::shared_ptr<Rectangle> WindowTheTruth::Rectangle1() const {
    return ControlNamed<Rectangle>(*this, "Rectangle1");
}
std::shared_ptr<StaticText> WindowTheTruth::StaticTextTheTruth() const {
    return ControlNamed<StaticText>(*this, "StaticTextTheTruth");
}
std::shared_ptr<PushButton> WindowTheTruth::PushButtonOkay() const {
    return ControlNamed<PushButton>(*this, "PushButtonOkay");
}
std::shared_ptr<StaticText> WindowTheTruth::StaticText1() const {
    return ControlNamed<StaticText>(*this, "StaticText1");
}
std::shared_ptr<EditField> WindowTheTruth::EditFieldPassword() const {
    return ControlNamed<EditField>(*this, "EditFieldPassword");
}
std::shared_ptr<PushButton> WindowTheTruth::PushButtonNowTellMe() const {
    return ControlNamed<PushButton>(*this, "PushButtonNowTellMe");
}
std::shared_ptr<StaticText> WindowTheTruth::StaticTextTryAgain() const {
    return ControlNamed<StaticText>(*this, "StaticTextTryAgain");
}

std::shared_ptr<class WindowTheTruth> WindowTheTruth() {
    return ImplicitInstance<class WindowTheTruth>("WindowTheTruth.WindowTheTruth");
}
