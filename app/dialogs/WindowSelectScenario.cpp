#include "app/dialogs/WindowSelectScenario.h"

#include "model/Globals.h"
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
std::string tail(PropertyListBuilder& b, std::string_view name, int32_t left, int32_t top,
                 int32_t width, int32_t height, bool visible) {
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
        .integer("Width", 256)
        .integer("Height", 152)
        .integer("MinWidth", 64)
        .integer("MinHeight", 64)
        .integer("MaxWidth", 32000)
        .integer("MaxHeight", 32000)
        .integer("Frame", 2)
        .boolean("Composite", false)
        .boolean("HasBackColor", false)
        .colour("BackColor", RGB(255, 255, 255))
        .text("Title", "Select scenario")
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
        .integer("TextAlign", 2)
        .text("Text", "Select a scenario:");
    font(b);
    return tail(b, "StaticText1", 17, 41, 118, 20, true);
}

std::string pushButton(std::string_view name, int32_t tabIndex, int32_t left,
                       std::string_view caption, bool isDefault, bool visible) {
    PropertyListBuilder b;
    b.integer("TabIndex", tabIndex)
        .boolean("Enabled", true)
        .boolean("Cancel", false)
        .boolean("Default", isDefault)
        .text("Caption", caption);
    font(b);
    return tail(b, name, left, 97, 69, 20, visible);
}

std::string popupMenuScenarioList() {
    PropertyListBuilder b;
    b.integer("TabIndex", 2)
        .text("DataField", "")
        .text("DataSource", "")
        .integer("ListIndex", 0)
        .text("InitialValue", "One\rTwo\rThree\rFour")
        .boolean("Enabled", true);
    font(b);
    return tail(b, "PopupMenuScenario", 147, 41, 80, 20, true);
}

const std::string& kWindowList() {
    static const std::string list = windowList();
    return list;
}
const std::string& kStaticText1() {
    static const std::string list = staticText1List();
    return list;
}
const std::string& kPushButtonOkay() {
    static const std::string list = pushButton("PushButtonOkay", 1, 158, "Okay", true, true);
    return list;
}
const std::string& kPopupMenuScenario() {
    static const std::string list = popupMenuScenarioList();
    return list;
}
const std::string& kPushButtonCancel() {
    static const std::string list = pushButton("PushButtonCancel", 3, 79, "Cancel", false, false);
    return list;
}

// A single control by the construction sequence: new object, default construction,
// registration, look-up by name, its list.
template <class C>
std::shared_ptr<C> build(Window& w, const std::string& name, const std::string& list) {
    auto c = w.New<C>();
    c->Constructor();
    w.AddControl(name, c);
    auto seen = std::dynamic_pointer_cast<C>(RuntimeWindowControlByName(w, name));
    ApplyPropertyList(*seen, list);
    return seen;
}

} // namespace

void WindowSelectScenario::Layout() { ApplyPropertyList(*this, kWindowList()); }

void WindowSelectScenario::CreateControls() { CreateControls0(); }

void WindowSelectScenario::CreateControls0() {
    build<StaticText>(*this, "StaticText1", kStaticText1());

    build<PushButton>(*this, "PushButtonOkay", kPushButtonOkay());
    InstallInstanceEventHandler(*RuntimeWindowControlByName(*this, "PushButtonOkay"), "Open",
                                MakeHandler(&WindowSelectScenario::PushButtonOkay_Open));
    InstallInstanceEventHandler(*RuntimeWindowControlByName(*this, "PushButtonOkay"), "Action",
                                MakeHandler(&WindowSelectScenario::PushButtonOkay_Action));

    build<PopupMenu>(*this, "PopupMenuScenario", kPopupMenuScenario());
    InstallInstanceEventHandler(*RuntimeWindowControlByName(*this, "PopupMenuScenario"), "Open",
                                MakeHandler(&WindowSelectScenario::PopupMenuScenario_Open));

    build<PushButton>(*this, "PushButtonCancel", kPushButtonCancel());
    InstallInstanceEventHandler(*RuntimeWindowControlByName(*this, "PushButtonCancel"), "Action",
                                MakeHandler(&WindowSelectScenario::PushButtonCancel_Action));
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
    return std::dynamic_pointer_cast<StaticText>(RuntimeWindowControlByName(*this, "StaticText1"));
}
std::shared_ptr<PushButton> WindowSelectScenario::PushButtonOkay() const {
    return std::dynamic_pointer_cast<PushButton>(
        RuntimeWindowControlByName(*this, "PushButtonOkay"));
}
std::shared_ptr<PopupMenu> WindowSelectScenario::PopupMenuScenario() const {
    return std::dynamic_pointer_cast<PopupMenu>(
        RuntimeWindowControlByName(*this, "PopupMenuScenario"));
}
std::shared_ptr<PushButton> WindowSelectScenario::PushButtonCancel() const {
    return std::dynamic_pointer_cast<PushButton>(
        RuntimeWindowControlByName(*this, "PushButtonCancel"));
}

std::shared_ptr<class WindowSelectScenario> WindowSelectScenario() {
    return ImplicitInstance<class WindowSelectScenario>(
        "WindowSelectScenario.WindowSelectScenario");
}
