#include "app/dialogs/WindowWhereTo.h"

#include "model/Globals.h"
#include "model/smartSprite.h"
#include "platform/Color.h"
#include "platform/PropertyList.h"
#include "platform/Runtime.h"
#include "pond_window/WindowMain.h"

#include <string>
#include <string_view>

namespace {

constexpr int32_t none = Control::NoIndex;

// The lists of this dialog stand in the Name-last layout: TabIndex, the entries of the
// control's class, then these seventeen, ending with Index and Name.
std::string tail(PropertyListBuilder& b, std::string_view name, int32_t index, int32_t left,
                 int32_t top, int32_t width, int32_t height) {
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
        .integer("Index", index)
        .text("Name", name)
        .bytes();
}

// The font entries that end the class part of every control here.
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
        .integer("Width", 356)
        .integer("Height", 147)
        .integer("MinWidth", 64)
        .integer("MinHeight", 64)
        .integer("MaxWidth", 32000)
        .integer("MaxHeight", 32000)
        .integer("Frame", 2)
        .boolean("Composite", false)
        .boolean("HasBackColor", false)
        .colour("BackColor", RGB(255, 255, 255))
        .text("Title", "")
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

std::string staticText1List() {
    PropertyListBuilder b;
    b.integer("TabIndex", 0)
        .text("DataField", "")
        .text("DataSource", "")
        .boolean("Enabled", true)
        .boolean("MultiLine", false)
        .colour("TextColor", RGB(0, 0, 0))
        .integer("TextAlign", 0)
        .text("Text", "Where should the frogs go?");
    font(b);
    return tail(b, "StaticText1", none, 25, 26, 180, 27);
}

std::string radioButton(int32_t tabIndex, int32_t index, int32_t top, std::string_view caption,
                        bool value) {
    PropertyListBuilder b;
    b.integer("TabIndex", tabIndex)
        .boolean("Enabled", true)
        .boolean("Value", value)
        .text("Caption", caption);
    font(b);
    return tail(b, "RadioButtonDestination", index, 212, top, 104, 20);
}

std::string pushButton(std::string_view name, int32_t tabIndex, int32_t left,
                       std::string_view caption, bool isDefault) {
    PropertyListBuilder b;
    b.integer("TabIndex", tabIndex)
        .boolean("Enabled", true)
        .boolean("Cancel", false)
        .boolean("Default", isDefault)
        .text("Caption", caption);
    font(b);
    return tail(b, name, none, left, 101, 69, 20);
}

const std::string& kWindowList() {
    static const std::string list = windowList();
    return list;
}
const std::string& kStaticText1() {
    static const std::string list = staticText1List();
    return list;
}
// The destination buttons, by member index.
const std::string& kRadioButtonDestination(int32_t index) {
    static const std::string lists[] = {
        radioButton(2, 0, 36, "Top pond", false),
        radioButton(3, 1, 59, "Bottom pond", false),
        radioButton(1, 2, 14, "Dump them", true),
    };
    return lists[index];
}
const std::string& kPushButtonOkay() {
    static const std::string list = pushButton("PushButtonOkay", 4, 253, "Okay", true);
    return list;
}
const std::string& kPushButtonCancel() {
    static const std::string list = pushButton("PushButtonCancel", 5, 164, "Cancel", false);
    return list;
}

template <class C>
std::shared_ptr<C> build(Window& w, const std::string& name, const std::string& list) {
    auto c = w.New<C>();
    c->Constructor();
    w.AddControl(name, c);
    auto seen = std::dynamic_pointer_cast<C>(RuntimeWindowControlByName(w, name));
    ApplyPropertyList(*seen, list);
    return seen;
}

void buildDestination(Window& w, int32_t index) {
    auto c = w.New<WindowWhereTo::RadioButtonDestinationClass>();
    c->Constructor(index);
    w.AddControl("RadioButtonDestination", c);
    auto seen = std::dynamic_pointer_cast<RadioButton>(
        RuntimeWindowControlByNameIndex(w, "RadioButtonDestination", index));
    ApplyPropertyList(*seen, kRadioButtonDestination(index));
}

} // namespace

std::string WindowWhereTo::RadioButtonDestinationClass::ArrayName() const {
    return "RadioButtonDestination";
}
std::string_view WindowWhereTo::RadioButtonDestinationClass::FirstMemberList() const {
    return kRadioButtonDestination(2);
}

void WindowWhereTo::Layout() { ApplyPropertyList(*this, kWindowList()); }

void WindowWhereTo::CreateControls() { CreateControls0(); }

void WindowWhereTo::CreateControls0() {
    build<StaticText>(*this, "StaticText1", kStaticText1());
    buildDestination(*this, 2);
    buildDestination(*this, 0);
    buildDestination(*this, 1);
    build<PushButton>(*this, "PushButtonOkay", kPushButtonOkay());
    InstallInstanceEventHandler(*RuntimeWindowControlByName(*this, "PushButtonOkay"), "Action",
                                MakeHandler(&WindowWhereTo::PushButtonOkay_Action));
    build<PushButton>(*this, "PushButtonCancel", kPushButtonCancel());
    InstallInstanceEventHandler(*RuntimeWindowControlByName(*this, "PushButtonCancel"), "Action",
                                MakeHandler(&WindowWhereTo::PushButtonCancel_Action));
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
    return std::dynamic_pointer_cast<StaticText>(RuntimeWindowControlByName(*this, "StaticText1"));
}
std::shared_ptr<WindowWhereTo::RadioButtonDestinationClass>
WindowWhereTo::RadioButtonDestination(int32_t index) const {
    return std::dynamic_pointer_cast<RadioButtonDestinationClass>(
        RuntimeWindowControlByNameIndex(*this, "RadioButtonDestination", index));
}
std::shared_ptr<PushButton> WindowWhereTo::PushButtonOkay() const {
    return std::dynamic_pointer_cast<PushButton>(
        RuntimeWindowControlByName(*this, "PushButtonOkay"));
}
std::shared_ptr<PushButton> WindowWhereTo::PushButtonCancel() const {
    return std::dynamic_pointer_cast<PushButton>(
        RuntimeWindowControlByName(*this, "PushButtonCancel"));
}

std::shared_ptr<class WindowWhereTo> WindowWhereTo() {
    return ImplicitInstance<class WindowWhereTo>("WindowWhereTo.WindowWhereTo");
}
