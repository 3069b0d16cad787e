#include "app/dialogs/WindowWhereTo.h"

#include "app/PropertyLists.h"
#include "app/WindowBuilding.h"
#include "model/Globals.h"
#include "model/smartSprite.h"
#include "platform/Runtime.h"
#include "pond_window/WindowMain.h"

#include <array>
#include <string>
#include <string_view>

// ---- The lists, in the order in which the dialog builds its controls -----------------

namespace WindowWhereToLists {

using namespace PropertyLists;

const std::string Window = WindowList({.Placement = 0,
                                       .Width = 356,
                                       .Height = 147,
                                       .Frame = 2,
                                       .HasBackColor = false,
                                       .Title = "",
                                       .CloseButton = true,
                                       .Resizeable = true,
                                       .MaximizeButton = true,
                                       .MinimizeButton = true});

const std::string StaticText1 = NameLast::StaticTextList(
    {.Name = "StaticText1", .Left = 25, .Top = 26, .Width = 180, .Height = 27, .TabIndex = 0},
    {.Text = "Where should the frogs go?", .TextAlign = 0, .MultiLine = false});

// By member index; the members are built in the order 2, 0, 1.
const std::array<std::string, 3> RadioButtonDestination = {
    NameLast::RadioButtonList({.Name = "RadioButtonDestination",
                               .Index = 0,
                               .Left = 212,
                               .Top = 36,
                               .Width = 104,
                               .Height = 20,
                               .TabIndex = 2},
                              {.Caption = "Top pond", .Value = false}),
    NameLast::RadioButtonList({.Name = "RadioButtonDestination",
                               .Index = 1,
                               .Left = 212,
                               .Top = 59,
                               .Width = 104,
                               .Height = 20,
                               .TabIndex = 3},
                              {.Caption = "Bottom pond", .Value = false}),
    NameLast::RadioButtonList({.Name = "RadioButtonDestination",
                               .Index = 2,
                               .Left = 212,
                               .Top = 14,
                               .Width = 104,
                               .Height = 20,
                               .TabIndex = 1},
                              {.Caption = "Dump them", .Value = true}),
};

const std::string PushButtonOkay = NameLast::PushButtonList(
    {.Name = "PushButtonOkay", .Left = 253, .Top = 101, .Width = 69, .Height = 20, .TabIndex = 4},
    {.Caption = "Okay", .Default = true});

const std::string PushButtonCancel = NameLast::PushButtonList(
    {.Name = "PushButtonCancel", .Left = 164, .Top = 101, .Width = 69, .Height = 20, .TabIndex = 5},
    {.Caption = "Cancel", .Default = false});

} // namespace WindowWhereToLists

// ---- Construction ----------------------------------------------------------------------

std::string WindowWhereTo::RadioButtonDestinationClass::ArrayName() const {
    return "RadioButtonDestination";
}
std::string_view WindowWhereTo::RadioButtonDestinationClass::FirstMemberList() const {
    return WindowWhereToLists::RadioButtonDestination[2];
}

void WindowWhereTo::Layout() { ApplyPropertyList(*this, WindowWhereToLists::Window); }

void WindowWhereTo::CreateControls() { CreateControls0(); }

void WindowWhereTo::CreateControls0() {
    namespace L = WindowWhereToLists;
    using Destination = RadioButtonDestinationClass;
    BuildControl<StaticText>(*this, "StaticText1", L::StaticText1);
    for (int32_t index : {2, 0, 1})
        BuildMember<Destination, RadioButton>(*this, "RadioButtonDestination", index,
                                              L::RadioButtonDestination[index]);
    BuildControl<PushButton>(*this, "PushButtonOkay", L::PushButtonOkay,
                             {{"Action", &WindowWhereTo::PushButtonOkay_Action}});
    BuildControl<PushButton>(*this, "PushButtonCancel", L::PushButtonCancel,
                             {{"Action", &WindowWhereTo::PushButtonCancel_Action}});
}

void WindowWhereTo::PushButtonOkay_Action(Control&) {
    const int32_t from = WindowMain()->fromPond;
    // Only a pool is ever handed over. Anything else (-1 from a main window rebuilt while
    // this dialog stayed open) names no pool: nothing is moved.
    if (from >= 2 && from <= 5) {
        auto source = WindowMain()->popSurfaces(from);
        int32_t destination = 0;
        for (int32_t i = 0; i <= 2; ++i)
            if (RadioButtonDestination(i)->Value()) destination = i;

        if (destination == 2) {
            source->clear();
            WindowMain()->UpdateSizes();
        } else {
            auto pond = WindowMain()->popSurfaces(destination);
            // The background task dispatches no timer or input event, so no tick of a
            // running simulation can change the pool or the pond while the loop runs.
            const int32_t n = Ubound(source->sprites);
            for (int32_t i = n; i >= 1; --i) {
                RuntimeBackgroundTask();
                std::shared_ptr<smartSprite> animal = source->sprites[std::size_t(i)];
                auto picture = animal->Image;
                source->doDetach(i);
                animal->Image = picture;
                pond->doAttach(animal);
            }
            // A still frame: the pond shows its newcomers, but nothing moves, ages or breeds.
            pond->processingClick = true;
            pond->Update();
            pond->processingClick = false;
            source->Update();
            WindowMain()->UpdateSizes();
        }
    }
    WindowMain()->fromPond = -1;
    Close();
}

void WindowWhereTo::PushButtonCancel_Action(Control&) {
    WindowMain()->fromPond = -1;
    Close();
}

void WindowWhereTo::AddMenuHandlers(::Window&) {}

// Every newly built dialog starts on "Dump them".
void WindowWhereTo::Event_Open() { RadioButtonDestination(2)->setValue(true); }

std::shared_ptr<StaticText> WindowWhereTo::StaticText1() const {
    return ControlNamed<StaticText>(*this, "StaticText1");
}
std::shared_ptr<WindowWhereTo::RadioButtonDestinationClass>
WindowWhereTo::RadioButtonDestination(int32_t index) const {
    return ControlNamed<RadioButtonDestinationClass>(*this, "RadioButtonDestination", index);
}
std::shared_ptr<PushButton> WindowWhereTo::PushButtonOkay() const {
    return ControlNamed<PushButton>(*this, "PushButtonOkay");
}
std::shared_ptr<PushButton> WindowWhereTo::PushButtonCancel() const {
    return ControlNamed<PushButton>(*this, "PushButtonCancel");
}

std::shared_ptr<class WindowWhereTo> WindowWhereTo() {
    return ImplicitInstance<class WindowWhereTo>("WindowWhereTo.WindowWhereTo");
}
