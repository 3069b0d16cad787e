#include "app/dialogs/WindowSample.h"

#include "app/Menu.h"
#include "app/PropertyLists.h"
#include "app/WindowBuilding.h"
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"
#include "platform/Application.h"
#include "platform/Numbers.h"
#include "platform/Runtime.h"
#include "pond_window/WindowMain.h"

#include <string>
#include <string_view>

namespace {

// The most frogs one pond gives in one sampling: enough for any lesson, drawn in well
// under a second, and far from the end of the 32-bit frog counter.
constexpr double MaxFrogs = 1000000.0;

// Whether the pond holds an animal that a draw accepts: a critter past its tadpole days.
bool hasFrog(const popSurface& pond) {
    for (std::size_t i = 1; i < pond.sprites.size(); ++i) {
        auto c = std::dynamic_pointer_cast<critterSprite>(pond.sprites[i]);
        if (c && c->phenotype != "tadpole") return true;
    }
    return false;
}

// One frog drawn from the main window's pond, with replacement; worms and tadpoles are
// passed over with a new draw each. The index is deliberately not uniform: the two ends
// of the list come half as often as each inner animal. The caller makes sure the pond
// holds a frog, so the loop ends; the background task dispatches nothing, so the lists
// cannot change under it.
std::shared_ptr<critterSprite> drawFrog(int32_t pondIndex) {
    for (;;) {
        auto pond = WindowMain()->popSurfaces(pondIndex);
        if (!pond) return nullptr;
        const int32_t n = Ubound(pond->sprites);
        const double r = Rnd();
        const auto index = static_cast<int32_t>(Round(r * static_cast<double>(n - 1)) + 1.0);
        if (index < 1 || index > n) return nullptr; // an empty list
        auto animal = WindowMain()->popSurfaces(pondIndex)->sprites[std::size_t(index)];
        RuntimeBackgroundTask();
        auto critter = std::dynamic_pointer_cast<critterSprite>(animal);
        if (critter && critter->phenotype != "tadpole") return critter;
    }
}

// How one pond's sampling went.
struct PondSample {
    int32_t fiveLegs = 0;
    bool noFrogs = false;
};

// Draws as many frogs as the number field asks for, reading it before every frog.
PondSample samplePond(const class WindowSample& dialog, int32_t pondIndex) {
    PondSample result;
    for (int32_t i = 1;; ++i) {
        const double wanted = Val(dialog.EditFieldNumFrogs()->Text());
        if (wanted < static_cast<double>(i) || static_cast<double>(i) > MaxFrogs) break;
        if (i == 1) {
            auto pond = WindowMain()->popSurfaces(pondIndex);
            if (!pond || !hasFrog(*pond)) {
                result.noFrogs = true;
                break;
            }
        }
        auto frog = drawFrog(pondIndex);
        if (!frog) {
            result.noFrogs = true;
            break;
        }
        if (frog->phenotype == "fivelegs") ++result.fiveLegs;
        RuntimeBackgroundTask();
    }
    return result;
}

} // namespace

// ---- The lists, in the order in which the dialog builds its controls -----------------

namespace WindowSampleLists {

using namespace PropertyLists;

const std::string Window = WindowList({.Placement = 3,
                                       .Width = 292,
                                       .Height = 166,
                                       .Frame = 3,
                                       .HasBackColor = false,
                                       .Title = "Sample",
                                       .CloseButton = true,
                                       .Resizeable = true,
                                       .MaximizeButton = true,
                                       .MinimizeButton = true});

const std::string StaticText1 = NameLast::StaticTextList(
    {.Name = "StaticText1", .Left = 39, .Top = 22, .Width = 88, .Height = 20, .TabIndex = 0},
    {.Text = "Sample from:", .TextAlign = 2, .MultiLine = false});

const std::string PopupMenuPond = NameLast::PopupMenuList(
    {.Name = "PopupMenuPond", .Left = 136, .Top = 22, .Width = 120, .Height = 20, .TabIndex = 1},
    {.InitialValue = "Top pond\rBottom pond\rBoth ponds"});

const std::string StaticText2 = NameLast::StaticTextList(
    {.Name = "StaticText2", .Left = 17, .Top = 54, .Width = 110, .Height = 20, .TabIndex = 2},
    {.Text = "Number of frogs:", .TextAlign = 2, .MultiLine = false});

const std::string EditFieldNumFrogs = NameLast::EditFieldList(
    {.Name = "EditFieldNumFrogs", .Left = 135, .Top = 54, .Width = 40, .Height = 22, .TabIndex = 3},
    {.Text = "20", .Border = true, .MultiLine = false, .UseFocusRing = true});

const std::string PushButtonSample = NameLast::PushButtonList(
    {.Name = "PushButtonSample", .Left = 187, .Top = 55, .Width = 69, .Height = 20, .TabIndex = 4},
    {.Caption = "Sample", .Default = true});

const std::string StaticTextResult = NameLast::StaticTextList(
    {.Name = "StaticTextResult", .Left = 39, .Top = 100, .Width = 217, .Height = 56, .TabIndex = 5},
    {.Text = "", .TextAlign = 0, .MultiLine = true});

} // namespace WindowSampleLists

void WindowSample::Layout() { ApplyPropertyList(*this, WindowSampleLists::Window); }

void WindowSample::CreateControls() { CreateControls0(); }

void WindowSample::CreateControls0() {
    namespace L = WindowSampleLists;
    BuildControl<StaticText>(*this, "StaticText1", L::StaticText1);
    BuildControl<PopupMenu>(*this, "PopupMenuPond", L::PopupMenuPond);
    BuildControl<StaticText>(*this, "StaticText2", L::StaticText2);
    BuildControl<EditField>(*this, "EditFieldNumFrogs", L::EditFieldNumFrogs);
    BuildControl<PushButton>(*this, "PushButtonSample", L::PushButtonSample,
                             {{"Action", &WindowSample::PushButtonSample_Action}});
    BuildControl<StaticText>(*this, "StaticTextResult", L::StaticTextResult);
}

void WindowSample::PushButtonSample_Action(Control&) {
    StaticTextResult()->setText("");
    const int32_t choice = PopupMenuPond()->ListIndex();
    if (choice < 0 || choice > 2) return;

    const std::string CR = Chr(13);
    // Only a number past the limit is refused: it would run for minutes or past the frog
    // counter, so nothing is drawn and the student is asked again. A number below 1,
    // however far below, draws no frog as usual, so the message names no lower bound.
    const double asked = Val(EditFieldNumFrogs()->Text());
    if (!(asked <= MaxFrogs)) {
        StaticTextResult()->setText("Please enter a number of frogs up to 1000000.");
        return;
    }

    PondSample top, bottom;
    if (choice == 0 || choice == 2) top = samplePond(*this, 0);
    if (choice == 1 || choice == 2) bottom = samplePond(*this, 1);

    // A pond without frogs has nothing to draw; say so instead of a count. Each wording
    // leaves the result label a line free.
    const std::string typed = EditFieldNumFrogs()->Text();
    std::string result;
    if (top.noFrogs && bottom.noFrogs) {
        result = "Neither pond has frogs to sample.";
    } else if (top.noFrogs) {
        result = "The top pond has no frogs to sample.";
    } else if (bottom.noFrogs) {
        result = "The bottom pond has no frogs to sample.";
    } else if (choice == 0) {
        result =
            "In top pond " + Str(top.fiveLegs) + " of " + typed + " frogs" + CR + "has five legs.";
    } else if (choice == 1) {
        result = "In bottom pond " + Str(bottom.fiveLegs) + " of " + typed + " frogs" + CR +
                 "has five legs.";
    } else if (bottom.fiveLegs == 0) {
        // The quotient has no value without a five-legged frog from the bottom pond.
        result = "The relative risk cannot be computed: no frog drawn from the bottom pond "
                 "has five legs.";
    } else {
        const double rr = Round(static_cast<double>(top.fiveLegs) /
                                static_cast<double>(bottom.fiveLegs) * 100.0) /
                          100.0;
        result =
            "In top pond versus bottom pond, the relative risk of five legs is " + Str(rr) + ".";
    }
    StaticTextResult()->setText(result);
}

void WindowSample::AddMenuHandlers(::Window&) {}

void WindowSample::Event_Close() {
    Globals::SampleOldLeft = Left();
    Globals::SampleOldTop = Top();
    if (auto item = ToolsSample()) item->Enabled = true;
    EnableMenuItems();
}

void WindowSample::Event_Open() {
    if (Globals::SampleHasBeenOpen) {
        setLeft(Globals::SampleOldLeft);
        setTop(Globals::SampleOldTop);
    }
    Globals::SampleHasBeenOpen = true;
}

std::shared_ptr<StaticText> WindowSample::StaticText1() const {
    return ControlNamed<StaticText>(*this, "StaticText1");
}
std::shared_ptr<PopupMenu> WindowSample::PopupMenuPond() const {
    return ControlNamed<PopupMenu>(*this, "PopupMenuPond");
}
std::shared_ptr<StaticText> WindowSample::StaticText2() const {
    return ControlNamed<StaticText>(*this, "StaticText2");
}
std::shared_ptr<EditField> WindowSample::EditFieldNumFrogs() const {
    return ControlNamed<EditField>(*this, "EditFieldNumFrogs");
}
std::shared_ptr<PushButton> WindowSample::PushButtonSample() const {
    return ControlNamed<PushButton>(*this, "PushButtonSample");
}
std::shared_ptr<StaticText> WindowSample::StaticTextResult() const {
    return ControlNamed<StaticText>(*this, "StaticTextResult");
}

std::shared_ptr<class WindowSample> WindowSample() {
    return ImplicitInstance<class WindowSample>("WindowSample.WindowSample");
}
