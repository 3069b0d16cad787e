#include "app/dialogs/WindowSample.h"

#include "app/Menu.h"
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"
#include "platform/Application.h"
#include "platform/Color.h"
#include "platform/Numbers.h"
#include "platform/PropertyList.h"
#include "platform/Runtime.h"
#include "pond_window/WindowMain.h"

#include <cmath>
#include <string>
#include <string_view>

namespace {

constexpr int32_t none = Control::NoIndex;

// The most frogs one pond gives in one sampling: enough for any lesson, drawn in well
// under a second, and far from the end of the 32-bit frog counter.
constexpr double MaxFrogs = 1000000.0;

// The lists of this dialog stand in the Name-last layout: TabIndex, the entries of the
// control's class, then these seventeen, ending with Index and Name.
std::string tail(PropertyListBuilder& b, std::string_view name, int32_t left, int32_t top,
                 int32_t width, int32_t height) {
    return b.boolean("LockBottom", false)
        .boolean("LockRight", false)
        .boolean("LockTop", false)
        .boolean("LockLeft", false)
        .boolean("AutoDeactivate", true)
        .text("DisabledBalloonHelp", "")
        .text("BalloonHelp", "")
        .text("HelpTag", "")
        .text("InitialParent", "")
        .integer("Height", height)
        .integer("Width", width)
        .integer("Top", top)
        .integer("Left", left)
        .boolean("Visible", true)
        .integer("TabPanelIndex", 0)
        .integer("Index", none)
        .text("Name", name)
        .bytes();
}

// The font entries that end the class part of every text-showing control here.
PropertyListBuilder& font(PropertyListBuilder& b) {
    return b.boolean("Underline", false)
        .boolean("Italic", false)
        .boolean("Bold", false)
        .integer("TextSize", 12)
        .text("TextFont", "System");
}

std::string windowList() {
    return PropertyListBuilder()
        .integer("Placement", 3)
        .integer("Width", 292)
        .integer("Height", 166)
        .integer("MinWidth", 64)
        .integer("MinHeight", 64)
        .integer("MaxWidth", 32000)
        .integer("MaxHeight", 32000)
        .integer("Frame", 3)
        .boolean("Composite", false)
        .boolean("HasBackColor", false)
        .colour("BackColor", RGB(255, 255, 255))
        .text("Title", "Sample")
        .boolean("Visible", true)
        .boolean("FullScreen", false)
        .boolean("MenuBarVisible", true)
        .boolean("CloseButton", true)
        .boolean("Resizeable", true)
        .boolean("LiveResize", false)
        .boolean("MaximizeButton", true)
        .boolean("MinimizeButton", true)
        .integer("ProcID", 0)
        .text("BalloonHelp", "")
        .bytes();
}

std::string staticText(std::string_view name, int32_t tabIndex, bool multiLine, int32_t align,
                       std::string_view text, int32_t left, int32_t top, int32_t width,
                       int32_t height) {
    PropertyListBuilder b;
    b.integer("TabIndex", tabIndex)
        .text("DataField", "")
        .text("DataSource", "")
        .boolean("Enabled", true)
        .boolean("MultiLine", multiLine)
        .colour("TextColor", RGB(0, 0, 0))
        .integer("TextAlign", align)
        .text("Text", text);
    font(b);
    return tail(b, name, left, top, width, height);
}

std::string popupMenuPondList() {
    PropertyListBuilder b;
    b.integer("TabIndex", 1)
        .text("DataField", "")
        .text("DataSource", "")
        .integer("ListIndex", 0)
        .text("InitialValue", "Top pond\rBottom pond\rBoth ponds")
        .boolean("Enabled", true);
    font(b);
    return tail(b, "PopupMenuPond", 136, 22, 120, 20);
}

std::string editFieldNumFrogsList() {
    PropertyListBuilder b;
    b.integer("TabIndex", 3)
        .text("DataField", "")
        .text("DataSource", "")
        .text("Text", "20")
        .boolean("Enabled", true)
        .colour("BackColor", RGB(255, 255, 255))
        .colour("TextColor", RGB(0, 0, 0))
        .integer("Alignment", 0)
        .boolean("AcceptTabs", false)
        .integer("LimitText", 0)
        .boolean("ReadOnly", false)
        .boolean("UseFocusRing", true)
        .boolean("Password", false)
        .boolean("Styled", false)
        .boolean("ScrollBarVertical", true)
        .boolean("ScrollBar", true)
        .boolean("ScrollBarHorizontal", false)
        .boolean("MultiLine", false)
        .boolean("Border", true);
    font(b);
    return tail(b, "EditFieldNumFrogs", 135, 54, 40, 22);
}

std::string pushButtonSampleList() {
    PropertyListBuilder b;
    b.integer("TabIndex", 4)
        .boolean("Enabled", true)
        .boolean("Cancel", false)
        .boolean("Default", true)
        .text("Caption", "Sample");
    font(b);
    return tail(b, "PushButtonSample", 187, 55, 69, 20);
}

const std::string& kWindowList() {
    static const std::string list = windowList();
    return list;
}
const std::string& kStaticText1() {
    static const std::string list =
        staticText("StaticText1", 0, false, 2, "Sample from:", 39, 22, 88, 20);
    return list;
}
const std::string& kPopupMenuPond() {
    static const std::string list = popupMenuPondList();
    return list;
}
const std::string& kStaticText2() {
    static const std::string list =
        staticText("StaticText2", 2, false, 2, "Number of frogs:", 17, 54, 110, 20);
    return list;
}
const std::string& kEditFieldNumFrogs() {
    static const std::string list = editFieldNumFrogsList();
    return list;
}
const std::string& kPushButtonSample() {
    static const std::string list = pushButtonSampleList();
    return list;
}
const std::string& kStaticTextResult() {
    static const std::string list =
        staticText("StaticTextResult", 5, true, 0, "", 39, 100, 217, 56);
    return list;
}

// A single control by the construction sequence: new object, default construction,
// registration, look-up by name, its list.
template <class C> void build(Window& w, const std::string& name, const std::string& list) {
    auto c = w.New<C>();
    c->Constructor();
    w.AddControl(name, c);
    auto seen = std::dynamic_pointer_cast<C>(RuntimeWindowControlByName(w, name));
    ApplyPropertyList(*seen, list);
}

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

void WindowSample::Layout() { ApplyPropertyList(*this, kWindowList()); }

void WindowSample::CreateControls() { CreateControls0(); }

void WindowSample::CreateControls0() {
    build<StaticText>(*this, "StaticText1", kStaticText1());
    build<PopupMenu>(*this, "PopupMenuPond", kPopupMenuPond());
    build<StaticText>(*this, "StaticText2", kStaticText2());
    build<EditField>(*this, "EditFieldNumFrogs", kEditFieldNumFrogs());
    build<PushButton>(*this, "PushButtonSample", kPushButtonSample());
    InstallInstanceEventHandler(*RuntimeWindowControlByName(*this, "PushButtonSample"), "Action",
                                MakeHandler(&WindowSample::PushButtonSample_Action));
    build<StaticText>(*this, "StaticTextResult", kStaticTextResult());
}

void WindowSample::PushButtonSample_Action(Control&) {
    StaticTextResult()->setText("");
    const int32_t choice = PopupMenuPond()->ListIndex();
    if (choice < 0 || choice > 2) return;

    const std::string CR = Chr(13);
    // A number past the limit, or one that is no finite number at all, would run for
    // minutes or past the frog counter: nothing is drawn and the student is asked again.
    const double asked = Val(EditFieldNumFrogs()->Text());
    if (!std::isfinite(asked) || asked > MaxFrogs) {
        StaticTextResult()->setText("Please enter a number of frogs from 1 to 1000000.");
        return;
    }

    PondSample top, bottom;
    if (choice == 0 || choice == 2) top = samplePond(*this, 0);
    if (choice == 1 || choice == 2) bottom = samplePond(*this, 1);

    // A pond without frogs has nothing to draw; say so instead of a count.
    std::string missing;
    if (top.noFrogs) missing = "The top pond has no frogs to sample.";
    if (bottom.noFrogs) {
        if (!missing.empty()) missing += CR;
        missing += "The bottom pond has no frogs to sample.";
    }

    const std::string typed = EditFieldNumFrogs()->Text();
    std::string result;
    if (!missing.empty()) {
        result = missing;
    } else if (choice == 0) {
        result =
            "In top pond " + Str(top.fiveLegs) + " of " + typed + " frogs" + CR + "has five legs.";
    } else if (choice == 1) {
        result = "In bottom pond " + Str(bottom.fiveLegs) + " of " + typed + " frogs" + CR +
                 "has five legs.";
    } else if (bottom.fiveLegs == 0) {
        // The quotient has no value without a five-legged frog from the bottom pond.
        result = "In top pond versus bottom pond, the relative risk of five legs cannot be "
                 "computed: no frog drawn from the bottom pond has five legs.";
    } else {
        const double rr = Round(static_cast<double>(top.fiveLegs) /
                                static_cast<double>(bottom.fiveLegs) * 100.0) /
                          100.0;
        result = "In top pond versus bottom pond, the relative risk of " +
                 std::string("five legs is ") + Str(rr) + ".";
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
    return std::dynamic_pointer_cast<StaticText>(RuntimeWindowControlByName(*this, "StaticText1"));
}
std::shared_ptr<PopupMenu> WindowSample::PopupMenuPond() const {
    return std::dynamic_pointer_cast<PopupMenu>(RuntimeWindowControlByName(*this, "PopupMenuPond"));
}
std::shared_ptr<StaticText> WindowSample::StaticText2() const {
    return std::dynamic_pointer_cast<StaticText>(RuntimeWindowControlByName(*this, "StaticText2"));
}
std::shared_ptr<EditField> WindowSample::EditFieldNumFrogs() const {
    return std::dynamic_pointer_cast<EditField>(
        RuntimeWindowControlByName(*this, "EditFieldNumFrogs"));
}
std::shared_ptr<PushButton> WindowSample::PushButtonSample() const {
    return std::dynamic_pointer_cast<PushButton>(
        RuntimeWindowControlByName(*this, "PushButtonSample"));
}
std::shared_ptr<StaticText> WindowSample::StaticTextResult() const {
    return std::dynamic_pointer_cast<StaticText>(
        RuntimeWindowControlByName(*this, "StaticTextResult"));
}

std::shared_ptr<class WindowSample> WindowSample() {
    return ImplicitInstance<class WindowSample>("WindowSample.WindowSample");
}
