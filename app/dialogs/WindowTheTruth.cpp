#include "app/dialogs/WindowTheTruth.h"

#include "model/Globals.h"
#include "platform/Color.h"
#include "platform/Numbers.h"
#include "platform/PropertyList.h"
#include "platform/Runtime.h"

#include <string>
#include <string_view>

namespace {

constexpr int32_t none = Control::NoIndex;

// Compared with the field's text exactly as typed.
const char* const Password = "Wembix";

// The lists of this dialog stand in the Name-last layout: TabIndex, the entries of the
// control's class, then these seventeen, ending with Index and Name.
std::string tail(PropertyListBuilder& b, std::string_view name, std::string_view parent,
                 int32_t left, int32_t top, int32_t width, int32_t height, bool visible) {
    return b.boolean("LockBottom", false)
        .boolean("LockRight", false)
        .boolean("LockTop", false)
        .boolean("LockLeft", false)
        .boolean("AutoDeactivate", true)
        .text("DisabledBalloonHelp", "")
        .text("BalloonHelp", "")
        .text("HelpTag", "")
        .text("InitialParent", parent)
        .integer("Height", height)
        .integer("Width", width)
        .integer("Top", top)
        .integer("Left", left)
        .boolean("Visible", visible)
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
        .integer("Placement", 0)
        .integer("Width", 298)
        .integer("Height", 368)
        .integer("MinWidth", 64)
        .integer("MinHeight", 64)
        .integer("MaxWidth", 32000)
        .integer("MaxHeight", 32000)
        .integer("Frame", 2)
        .boolean("Composite", false)
        .boolean("HasBackColor", false)
        .colour("BackColor", RGB(255, 255, 255))
        .text("Title", "The Truth")
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

std::string rectangle1List() {
    PropertyListBuilder b;
    b.integer("TabIndex", 0)
        .colour("BottomRightColor", RGB(0, 0, 0))
        .colour("TopLeftColor", RGB(0, 0, 0))
        .integer("BorderWidth", 1)
        .colour("FillColor", RGB(255, 255, 255))
        .boolean("Enabled", true);
    return tail(b, "Rectangle1", "", 5, 147, 288, 164, true);
}

std::string staticText(std::string_view name, std::string_view parent, int32_t tabIndex,
                       bool multiLine, int32_t align, std::string_view text, int32_t left,
                       int32_t top, int32_t width, int32_t height, bool visible) {
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
    return tail(b, name, parent, left, top, width, height, visible);
}

std::string pushButton(std::string_view name, int32_t tabIndex, bool isDefault,
                       std::string_view caption, int32_t left, int32_t top, int32_t width) {
    PropertyListBuilder b;
    b.integer("TabIndex", tabIndex)
        .boolean("Enabled", true)
        .boolean("Cancel", false)
        .boolean("Default", isDefault)
        .text("Caption", caption);
    font(b);
    return tail(b, name, "", left, top, width, 20, true);
}

std::string editFieldPasswordList() {
    PropertyListBuilder b;
    b.integer("TabIndex", 3)
        .text("DataField", "")
        .text("DataSource", "")
        .text("Text", "")
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
    return tail(b, "EditFieldPassword", "", 35, 45, 205, 22, true);
}

const std::string& kWindowList() {
    static const std::string list = windowList();
    return list;
}
const std::string& kRectangle1() {
    static const std::string list = rectangle1List();
    return list;
}
const std::string& kStaticTextTheTruth() {
    static const std::string list =
        staticText("StaticTextTheTruth", "Rectangle1", 0, true, 0, "", 12, 154, 274, 150, true);
    return list;
}
const std::string& kPushButtonOkay() {
    static const std::string list = pushButton("PushButtonOkay", 1, false, "Close", 204, 331, 69);
    return list;
}
const std::string& kStaticText1() {
    static const std::string list =
        staticText("StaticText1", "", 2, false, 2, "Enter password:", 28, 19, 109, 20, true);
    return list;
}
const std::string& kEditFieldPassword() {
    static const std::string list = editFieldPasswordList();
    return list;
}
const std::string& kPushButtonNowTellMe() {
    static const std::string list =
        pushButton("PushButtonNowTellMe", 4, true, "Now tell me.", 135, 105, 105);
    return list;
}
const std::string& kStaticTextTryAgain() {
    static const std::string list = staticText("StaticTextTryAgain", "", 5, false, 0,
                                               "Sorry. Try again.", 81, 66, 137, 20, false);
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

} // namespace

void WindowTheTruth::Layout() { ApplyPropertyList(*this, kWindowList()); }

void WindowTheTruth::CreateControls() { CreateControls0(); }

void WindowTheTruth::CreateControls0() {
    build<Rectangle>(*this, "Rectangle1", kRectangle1());
    build<StaticText>(*this, "StaticTextTheTruth", kStaticTextTheTruth());
    build<PushButton>(*this, "PushButtonOkay", kPushButtonOkay());
    InstallInstanceEventHandler(*RuntimeWindowControlByName(*this, "PushButtonOkay"), "Action",
                                MakeHandler(&WindowTheTruth::PushButtonOkay_Action));
    build<StaticText>(*this, "StaticText1", kStaticText1());
    build<EditField>(*this, "EditFieldPassword", kEditFieldPassword());
    build<PushButton>(*this, "PushButtonNowTellMe", kPushButtonNowTellMe());
    InstallInstanceEventHandler(*RuntimeWindowControlByName(*this, "PushButtonNowTellMe"), "Action",
                                MakeHandler(&WindowTheTruth::PushButtonNowTellMe_Action));
    build<StaticText>(*this, "StaticTextTryAgain", kStaticTextTryAgain());
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
    return std::dynamic_pointer_cast<Rectangle>(RuntimeWindowControlByName(*this, "Rectangle1"));
}
std::shared_ptr<StaticText> WindowTheTruth::StaticTextTheTruth() const {
    return std::dynamic_pointer_cast<StaticText>(
        RuntimeWindowControlByName(*this, "StaticTextTheTruth"));
}
std::shared_ptr<PushButton> WindowTheTruth::PushButtonOkay() const {
    return std::dynamic_pointer_cast<PushButton>(
        RuntimeWindowControlByName(*this, "PushButtonOkay"));
}
std::shared_ptr<StaticText> WindowTheTruth::StaticText1() const {
    return std::dynamic_pointer_cast<StaticText>(RuntimeWindowControlByName(*this, "StaticText1"));
}
std::shared_ptr<EditField> WindowTheTruth::EditFieldPassword() const {
    return std::dynamic_pointer_cast<EditField>(
        RuntimeWindowControlByName(*this, "EditFieldPassword"));
}
std::shared_ptr<PushButton> WindowTheTruth::PushButtonNowTellMe() const {
    return std::dynamic_pointer_cast<PushButton>(
        RuntimeWindowControlByName(*this, "PushButtonNowTellMe"));
}
std::shared_ptr<StaticText> WindowTheTruth::StaticTextTryAgain() const {
    return std::dynamic_pointer_cast<StaticText>(
        RuntimeWindowControlByName(*this, "StaticTextTryAgain"));
}

std::shared_ptr<class WindowTheTruth> WindowTheTruth() {
    return ImplicitInstance<class WindowTheTruth>("WindowTheTruth.WindowTheTruth");
}
