// A window of the tests' own, built through the whole construction sequence: its own list,
// one control of each kind, a control array created out of index order, and a timer.
#include "platform/Controls.h"
#include "platform/Menu.h"
#include "platform/PropertyList.h"
#include "platform/Runtime.h"
#include "platform/SpriteSurface.h"
#include "platform/Timer.h"
#include "platform/Window.h"
#include "platform/testing/Testing.h"
#include "platform/testing/UiTesting.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr int32_t NoIndex = Control::NoIndex;

std::string controlList(const std::string& name, int32_t index, int left, int top, int width,
                        int height) {
    return PropertyListBuilder()
        .text("Name", name)
        .integer("Index", index)
        .integer("Left", left)
        .integer("Top", top)
        .integer("Width", width)
        .integer("Height", height)
        .boolean("Visible", true)
        .bytes();
}

// Builds a control of the window from its list and registers it under the name.
template <class C>
std::shared_ptr<C> addControl(Window& w, const std::string& name, const std::string& list) {
    auto c = w.New<C>();
    ApplyPropertyList(*c, list);
    w.AddControl(name, c);
    return c;
}

// The list of a control at (10, top), 100 x 22, at that place in its window's tab order.
std::string tabbedList(const std::string& name, int32_t tabIndex, int top) {
    return controlList(name, NoIndex, 10, top, 100, 22) +
           PropertyListBuilder().integer("TabIndex", tabIndex).bytes();
}

const std::string kWindowList = PropertyListBuilder()
                                    .integer("Placement", 0)
                                    .integer("Width", 400)
                                    .integer("Height", 300)
                                    .integer("Frame", 0)
                                    .boolean("HasBackColor", false)
                                    .text("Title", "Fixture")
                                    .boolean("Visible", true)
                                    .boolean("CloseButton", true)
                                    .boolean("Resizeable", false)
                                    .bytes();

const std::string kLabelList =
    controlList("StaticTextLabel", NoIndex, 10, 10, 100, 20) +
    PropertyListBuilder().text("Text", "initial").integer("TextAlign", 2).bytes();
const std::string kButtonList =
    controlList("PushButtonGo", NoIndex, 10, 40, 80, 24) +
    PropertyListBuilder().text("Caption", "Go").boolean("Default", true).bytes();
const std::string kFieldList =
    controlList("EditFieldName", NoIndex, 10, 70, 120, 22) +
    PropertyListBuilder().text("Text", "typed here").boolean("Password", false).bytes();
const std::string kPopupList =
    controlList("PopupMenuChoice", NoIndex, 10, 100, 120, 22) +
    PropertyListBuilder().text("InitialValue", "One\rTwo\rThree").integer("ListIndex", 1).bytes();
const std::string kCanvasList = controlList("CanvasPicture", NoIndex, 150, 10, 40, 40);
const std::string kRectList = controlList("RectangleBox", NoIndex, 150, 60, 60, 60) +
                              PropertyListBuilder().integer("BorderWidth", 2).bytes();
const std::string kSurfaceList =
    controlList("SpriteSurfacePond", NoIndex, 220, 10, 100, 80) +
    PropertyListBuilder().integer("FrameSpeed", 0).boolean("ClickToStop", true).bytes();
std::string radioList(int32_t index) {
    return controlList("RadioButtonPick", index, 10, 140 + 25 * index, 100, 20) +
           PropertyListBuilder()
               .text("Caption", "Pick " + std::to_string(index))
               .boolean("Value", index == 2)
               .bytes();
}
const std::string kTimerList =
    PropertyListBuilder().integer("Mode", 0).integer("Period", 20).bytes();

struct Fired {
    Window* window;
    Control* control;
    int32_t index;
    std::string event;
};

class WindowFixture;

// The control array's class: radio buttons built with their index.
class RadioButtonPickArray : public ControlArray<RadioButton> {
  protected:
    std::string ArrayName() const override { return "RadioButtonPick"; }
    std::string_view FirstMemberList() const override { return firstList(); }
    void BindFirstMemberHandlers(::Window& w) override;

  public:
    static const std::string& firstList() {
        static const std::string list = radioList(2);
        return list;
    }
};

class WindowFixture : public Window {
  public:
    class TimerTick : public WindowTimer {};

    std::vector<Fired> fired;
    std::vector<std::string> events;
    std::vector<std::pair<int, int>> drags;
    bool acceptPress = true;

    void Layout() override { ApplyPropertyList(*this, kWindowList); }
    void CreateControls() override { CreateControls0(); }

    // Each control by the fixed sequence: new object, constructor, registration, look-up,
    // its list, its handlers.
    template <class C, class Seen = C>
    void
    single(const std::string& name, const std::string& list,
           std::vector<std::pair<std::string, void (WindowFixture::*)(Control&)>> handlers = {}) {
        auto c = New<C>();
        c->Constructor();
        AddControl(name, c);
        auto seen = std::dynamic_pointer_cast<Seen>(RuntimeWindowControlByName(*this, name));
        ASSERT_TRUE(seen);
        ApplyPropertyList(*seen, list);
        for (auto& [event, method] : handlers) {
            auto again = RuntimeWindowControlByName(*this, name);
            InstallInstanceEventHandler(*again, event, MakeHandler(method));
        }
    }

    void member(int32_t index) {
        auto c = New<RadioButtonPickArray>();
        c->Constructor(index);
        AddControl("RadioButtonPick", c);
        auto seen = std::dynamic_pointer_cast<RadioButton>(
            RuntimeWindowControlByNameIndex(*this, "RadioButtonPick", index));
        ASSERT_TRUE(seen);
        ApplyPropertyList(*seen, radioList(index));
        InstallInstanceEventHandler(*seen, "Open",
                                    MakeHandler(&WindowFixture::RadioButtonPick_Open));
    }

    void CreateControls0() {
        single<StaticText>("StaticTextLabel", kLabelList);
        single<PushButton>("PushButtonGo", kButtonList,
                           {{"Action", &WindowFixture::PushButtonGo_Action}});
        member(2);
        single<EditField>("EditFieldName", kFieldList);
        member(0);
        single<TimerTick, Timer>("TimerTick", kTimerList,
                                 {{"Action", &WindowFixture::TimerTick_Action}});
        single<PopupMenu>("PopupMenuChoice", kPopupList,
                          {{"Open", &WindowFixture::PopupMenuChoice_Open}});
        member(1);
        single<Canvas>("CanvasPicture", kCanvasList);
        single<Rectangle>("RectangleBox", kRectList);
        single<SpriteSurface>("SpriteSurfacePond", kSurfaceList);
    }

    void record(Control& me, const char* event) {
        fired.push_back({this, &me, me.Index, event});
        events.push_back(std::string(event) + ":" + me.Name + ":" + std::to_string(me.Index) + ":" +
                         std::to_string(Controls().size()));
    }
    void PushButtonGo_Action(Control& me) { record(me, "Action"); }
    void TimerTick_Action(Control& me) { record(me, "Action"); }
    void PopupMenuChoice_Open(Control& me) { record(me, "Open"); }
    void RadioButtonPick_Open(Control& me) { record(me, "Open"); }

    void Event_Open() override {
        events.push_back("Window.Open:" + std::to_string(Controls().size()));
    }
    void Event_Close() override { closed() = true; }
    bool Event_MouseDown(int x, int y) override {
        events.push_back("Down:" + std::to_string(x) + "," + std::to_string(y));
        return acceptPress;
    }
    void Event_MouseDrag(int x, int y) override { drags.emplace_back(x, y); }
    void Event_MouseUp(int x, int y) override {
        events.push_back("Up:" + std::to_string(x) + "," + std::to_string(y));
    }

    static bool& closed() {
        static bool flag = false;
        return flag;
    }

    template <class C> std::shared_ptr<C> get(const std::string& name) {
        return std::dynamic_pointer_cast<C>(RuntimeWindowControlByName(*this, name));
    }
    std::shared_ptr<RadioButton> pick(int32_t i) {
        return std::dynamic_pointer_cast<RadioButton>(
            RuntimeWindowControlByNameIndex(*this, "RadioButtonPick", i));
    }
};

void RadioButtonPickArray::BindFirstMemberHandlers(::Window&) {
    InstallInstanceEventHandler(*this, "Open", MakeHandler(&WindowFixture::RadioButtonPick_Open));
}

constexpr const char* kFixtureName = "WindowFixture.WindowFixture";
std::shared_ptr<WindowFixture> Fixture() { return ImplicitInstance<WindowFixture>(kFixtureName); }

// A second window class: a modal dialog.
class WindowDialog : public Window {
  public:
    void Layout() override {
        ApplyPropertyList(*this, PropertyListBuilder()
                                     .integer("Width", 200)
                                     .integer("Height", 100)
                                     .integer("Frame", 2)
                                     .text("Title", "Dialog")
                                     .bytes());
    }
};
std::shared_ptr<WindowDialog> Dialog() {
    return ImplicitInstance<WindowDialog>("WindowDialog.WindowDialog");
}

class WindowConstruction : public testing::Test {
  protected:
    void TearDown() override { CloseAllWindows(); }
    MsgBoxRecorder boxes; // a malformed list would be reported here
};

} // namespace

TEST_F(WindowConstruction, ControlsAreFoundByNameAndByNameAndIndex) {
    auto w = Fixture();
    ASSERT_TRUE(w);
    auto label = w->get<StaticText>("StaticTextLabel");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Text(), "initial");
    EXPECT_EQ(label->TextAlign(), 2);
    EXPECT_EQ(label->Index, NoIndex);
    EXPECT_EQ(label->Window(), w.get());
    EXPECT_EQ(label->Left(), 10);
    EXPECT_EQ(label->Width(), 100);
    EXPECT_EQ(w->get<PopupMenu>("PopupMenuChoice")->Text(), "Two");
    EXPECT_EQ(w->get<Rectangle>("RectangleBox")->BorderWidth, 2);
    EXPECT_TRUE(w->get<SpriteSurface>("SpriteSurfacePond")->ClickToStop);
    EXPECT_EQ(
        std::dynamic_pointer_cast<Timer>(RuntimeWindowControlByName(*w, "TimerTick"))->Period(),
        20);

    // Created in the order 2, 0, 1: member 0 is the second one created.
    std::vector<std::shared_ptr<Control>> members;
    for (auto& c : w->Controls())
        if (c->Name == "RadioButtonPick") members.push_back(c);
    ASSERT_EQ(members.size(), 3u);
    EXPECT_EQ(w->pick(0), members[1]);
    EXPECT_EQ(w->pick(2), members[0]);
    EXPECT_EQ(w->pick(1)->Caption(), "Pick 1");
    EXPECT_EQ(RuntimeWindowControlByNameIndex(*w, "RadioButtonPick", 3), nullptr);
    EXPECT_EQ(RuntimeWindowControlByName(*w, "Nothing"), nullptr);
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(WindowConstruction, OpenEventsComeAfterEveryControlExists) {
    auto w = Fixture();
    const std::string all = std::to_string(w->Controls().size());
    // Controls' Open events in creation order, then the window's, each seeing all controls.
    std::vector<std::string> expected = {
        "Open:RadioButtonPick:2:" + all, "Open:RadioButtonPick:0:" + all,
        "Open:PopupMenuChoice:" + std::to_string(NoIndex) + ":" + all,
        "Open:RadioButtonPick:1:" + all, "Window.Open:" + all};
    EXPECT_EQ(w->events, expected);
}

TEST_F(WindowConstruction, ClickedHandlerSeesItsWindowControlAndIndex) {
    auto w = Fixture();
    w->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
    auto button = w->get<PushButton>("PushButtonGo");
    w->fired.clear();
    uitest::Click(*button);
    ASSERT_EQ(w->fired.size(), 1u);
    EXPECT_EQ(w->fired[0].window, w.get());
    EXPECT_EQ(w->fired[0].control, button.get());
    EXPECT_EQ(w->fired[0].index, NoIndex);

    // Return presses the default button.
    uitest::PressReturn(*w);
    EXPECT_EQ(w->fired.size(), 2u);
}

TEST_F(WindowConstruction, TimerFiresOnItsWindowAndStopsWhenTheWindowCloses) {
    auto w = Fixture();
    auto timer = std::dynamic_pointer_cast<Timer>(RuntimeWindowControlByName(*w, "TimerTick"));
    w->fired.clear();
    timer->setMode(1);
    ASSERT_TRUE(uitest::WaitUntil([&] { return !w->fired.empty(); }));
    EXPECT_EQ(w->fired[0].window, w.get());
    EXPECT_EQ(w->fired[0].control, timer.get());
    EXPECT_EQ(timer->Mode(), 0); // once
    uitest::ProcessEvents(60);
    EXPECT_EQ(w->fired.size(), 1u);

    timer->setMode(2);
    ASSERT_TRUE(uitest::WaitUntil([&] { return w->fired.size() >= 3; }));
    auto calls = w->fired.size();
    w->Close();
    timer->Fire(); // a closed window's timer does nothing
    uitest::ProcessEvents(60);
    EXPECT_EQ(w->fired.size(), calls);
}

TEST_F(WindowConstruction, CloseThenAccessorBuildsAFreshWindow) {
    WindowFixture::closed() = false;
    auto first = Fixture();
    std::weak_ptr<WindowFixture> weakFirst = first;
    std::weak_ptr<Control> weakField = first->get<EditField>("EditFieldName");
    EXPECT_EQ(Fixture(), first); // the open instance
    first->get<EditField>("EditFieldName")->setText("changed");
    first->get<StaticText>("StaticTextLabel")->setText("changed");
    first->pick(0)->setValue(true);
    first->Close();
    EXPECT_TRUE(WindowFixture::closed());
    EXPECT_EQ(GetImplicitWindow(kFixtureName), nullptr);
    EXPECT_TRUE(weakField.expired()); // controls freed with the window
    first.reset();
    EXPECT_TRUE(weakFirst.expired()); // the timer's reference to its window is gone too

    auto second = Fixture();
    EXPECT_EQ(second->get<EditField>("EditFieldName")->Text(), "typed here");
    EXPECT_EQ(second->get<StaticText>("StaticTextLabel")->Text(), "initial");
    EXPECT_TRUE(second->pick(2)->Value());
    EXPECT_FALSE(second->pick(0)->Value());
}

TEST_F(WindowConstruction, RadioButtonsAreExclusiveAcrossTheWindow) {
    auto w = Fixture();
    w->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
    EXPECT_TRUE(w->pick(2)->Value());
    uitest::Click(*w->pick(0));
    EXPECT_TRUE(w->pick(0)->Value());
    EXPECT_FALSE(w->pick(1)->Value());
    EXPECT_FALSE(w->pick(2)->Value());
}

TEST_F(WindowConstruction, TypedTextIsTheFieldsText) {
    auto w = Fixture();
    w->Show();
    auto field = w->get<EditField>("EditFieldName");
    field->setText("");
    uitest::Type(*field, "frog");
    EXPECT_EQ(field->Text(), "frog");
}

TEST_F(WindowConstruction, DragAndUpFollowOnlyAnAcceptedPress) {
    auto w = Fixture();
    w->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
    w->events.clear();
    // Over the sprite surface, which handles no mouse event itself.
    uitest::Press(*w, 230, 20);
    uitest::Move(*w, 240, 30);
    uitest::Move(*w, 250, 40);
    uitest::Release(*w, 250, 40);
    EXPECT_EQ(w->events, (std::vector<std::string>{"Down:230,20", "Up:250,40"}));
    EXPECT_EQ(w->drags, (std::vector<std::pair<int, int>>{{240, 30}, {250, 40}}));

    w->events.clear();
    w->drags.clear();
    w->acceptPress = false;
    uitest::Press(*w, 300, 200);
    uitest::Move(*w, 310, 210);
    uitest::Release(*w, 320, 220);
    EXPECT_EQ(w->events, (std::vector<std::string>{"Down:300,200"}));
    EXPECT_TRUE(w->drags.empty());
}

TEST_F(WindowConstruction, ModalDialogBlocksOtherWindowsButNotTheCodeThatShowedIt) {
    auto w = Fixture();
    w->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
    auto d = Dialog();
    d->Show();
    bool codeAfterShowRan = true; // Show returned: the code that showed it goes on
    EXPECT_TRUE(codeAfterShowRan);
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*d); }));
    EXPECT_TRUE(uitest::IsBlocked(*w));
    w->fired.clear();
    uitest::Click(*w->get<PushButton>("PushButtonGo"));
    uitest::ProcessEvents(20);
    EXPECT_TRUE(w->fired.empty());

    // Timers go on under the dialog.
    auto timer = std::dynamic_pointer_cast<Timer>(RuntimeWindowControlByName(*w, "TimerTick"));
    timer->setMode(1);
    EXPECT_TRUE(uitest::WaitUntil([&] { return !w->fired.empty(); }));

    d->Close();
    EXPECT_FALSE(uitest::IsBlocked(*w));
    w->fired.clear();
    uitest::Click(*w->get<PushButton>("PushButtonGo"));
    EXPECT_EQ(w->fired.size(), 1u);
}

TEST_F(WindowConstruction, ArrayDefaultConstructorBuildsMemberZeroFromTheFirstList) {
    auto w = Fixture();
    w->events.clear();
    auto c = w->New<RadioButtonPickArray>();
    c->Constructor();       // the replaced default constructor
    EXPECT_EQ(c->Index, 0); // even though the first-created member's list says 2
    EXPECT_EQ(c->Caption(), "Pick 2");
    EXPECT_TRUE(c->HasEventHandler("Open"));
    EXPECT_EQ(w->Controls().back(), c);
    EXPECT_EQ(c->Name, "RadioButtonPick");
}

TEST_F(WindowConstruction, HandlerMayCloseItsOwnWindow) {
    auto w = Fixture();
    w->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
    auto button = w->get<PushButton>("PushButtonGo");
    InstallInstanceEventHandler(*button, "Action", [](Control& me) { me.Window()->Close(); });
    std::weak_ptr<WindowFixture> weak = w;
    std::weak_ptr<PushButton> weakButton = button;
    RectControl& pressed = *button;
    w.reset();
    button.reset(); // only the window holds the button when its handler closes the window
    uitest::Click(pressed);
    uitest::ProcessEvents(10);
    EXPECT_TRUE(weakButton.expired());
    EXPECT_TRUE(weak.expired());
    EXPECT_EQ(GetImplicitWindow(kFixtureName), nullptr);
}

TEST_F(WindowConstruction, ControlsShowTheirState) {
    auto w = Fixture();
    w->Show();
    auto label = w->get<StaticText>("StaticTextLabel");
    label->setText("one\rtwo");
    EXPECT_EQ(uitest::ShownText(*label), "one\ntwo");
    EXPECT_EQ(uitest::ShownText(*w->get<PushButton>("PushButtonGo")), "Go");
    EXPECT_EQ(uitest::ShownText(*w->get<PopupMenu>("PopupMenuChoice")), "Two");

    auto field = w->get<EditField>("EditFieldName");
    field->Password = true;
    field->setText("secret");
    EXPECT_TRUE(uitest::ShowsPassword(*field));
    field->LimitText = 3;
    field->setText("");
    uitest::Type(*field, "abcdef");
    EXPECT_EQ(field->Text(), "abc");

    // A canvas without a picture paints nothing; with one, the picture at its own size.
    auto canvas = w->get<Canvas>("CanvasPicture");
    EXPECT_NE(uitest::ShownPixel(*canvas, 5, 5) & 0xFFFFFF, 0xFF0000u);
    auto red = NewPicture(10, 10);
    red->Graphics().ForeColor = RGB(255, 0, 0);
    red->Graphics().FillRect(0, 0, 10, 10);
    canvas->setBackdrop(red);
    EXPECT_EQ(uitest::ShownPixel(*canvas, 5, 5) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(uitest::ShownPixel(*canvas, 15, 15) & 0xFFFFFF, 0xFF0000u);
    canvas->setBackdrop(nullptr);
    EXPECT_NE(uitest::ShownPixel(*canvas, 5, 5) & 0xFFFFFF, 0xFF0000u);

    // The rectangle: border in its colours, fill inside.
    auto box = w->get<Rectangle>("RectangleBox");
    box->FillColor = RGB(0, 0, 255);
    EXPECT_EQ(uitest::ShownPixel(*box, 0, 0) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(uitest::ShownPixel(*box, 30, 30) & 0xFFFFFF, 0x0000FFu);
}

namespace {
// A window whose title, menu, menu item and controls all carry one text.
class WindowShowingText : public Window {
  public:
    static std::string& text() {
        static std::string t;
        return t;
    }
    void Layout() override {
        ApplyPropertyList(*this, kWindowList);
        Title = text();
        MenuBar = std::make_shared<::MenuBar>();
        auto menu = std::make_shared<MenuItem>();
        menu->Text = text();
        auto item = std::make_shared<MenuItem>();
        item->Text = text();
        menu->Append(item);
        MenuBar->Append(menu);
    }
    void CreateControls() override {
        const std::string rect = controlList("Any", NoIndex, 10, 10, 200, 60);
        add<StaticText>("Label", rect + PropertyListBuilder().text("Text", text()).bytes());
        add<StaticText>(
            "Wrapping",
            rect + PropertyListBuilder().text("Text", text()).boolean("Multiline", true).bytes());
        add<PushButton>("Button", rect + PropertyListBuilder().text("Caption", text()).bytes());
        add<RadioButton>("Radio", rect + PropertyListBuilder().text("Caption", text()).bytes());
        add<EditField>(
            "Lines",
            rect + PropertyListBuilder().boolean("Multiline", true).text("Text", text()).bytes());
        add<EditField>("Line", rect + PropertyListBuilder().text("Text", text()).bytes());
        add<PopupMenu>(
            "Popup",
            rect +
                PropertyListBuilder().text("InitialValue", text()).integer("ListIndex", 0).bytes());
    }
    template <class C> void add(const std::string& name, const std::string& list) {
        addControl<C>(*this, name, list);
    }
    std::string shown(const std::string& name) {
        return uitest::ShownText(*std::dynamic_pointer_cast<RectControl>(ControlByName(name)));
    }
};
} // namespace

// Whatever a text holds, the platform shows it as it stands: markup, entities, ampersands
// and title placeholders are characters like any other (a picture named in markup would be
// read from disk; /dev/zero never ends). The program's line break, CR or CR LF, is one line
// break wherever a text can have several lines.
TEST_F(WindowConstruction, EveryKindOfControlAndAMessageBoxShowTheirTextLiterally) {
    struct Case {
        std::string text;
        std::string lines; // as shown where a text has several lines
    };
    const std::vector<Case> cases = {
        {"<b>x</b>", "<b>x</b>"},
        {"<img src=\"/dev/zero\">", "<img src=\"/dev/zero\">"},
        {"&amp;", "&amp;"},
        {"A&B", "A&B"},
        {"<font color=\"red\">[*] Ctrl&&Q</font>", "<font color=\"red\">[*] Ctrl&&Q</font>"},
        {"one\r\ntwo\rthree", "one\ntwo\nthree"},
        {"<h1>big</h1>\r\nfrogs", "<h1>big</h1>\nfrogs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        WindowShowingText::text() = c.text;
        auto w = ImplicitInstance<WindowShowingText>("WindowShowingText.WindowShowingText");
        w->Show();
        for (const char* name : {"Label", "Wrapping", "Button", "Radio", "Lines"})
            EXPECT_EQ(w->shown(name), c.lines) << name;
        EXPECT_EQ(uitest::ShownTitle(*w), c.lines);
        EXPECT_EQ(uitest::MenuTitles(*w), std::vector<std::string>{c.lines});
        EXPECT_EQ(uitest::MenuItemTexts(*w, 0), std::vector<std::string>{c.lines});
        EXPECT_EQ(uitest::ShownMessageBoxText(c.text), c.lines);
        // One-line controls: a field as typed, a popup's rows split at the line breaks.
        EXPECT_EQ(w->shown("Line"), c.text);
        if (c.text.find('\r') == std::string::npos) {
            EXPECT_EQ(w->shown("Popup"), c.text);
        }
        w->Close();
    }
}

namespace {
// Two fields and a button built out of their tab order: field "Second" is built first.
class WindowTabbed : public Window {
  public:
    static bool& setsFocus() {
        static bool v = false;
        return v;
    }
    static int& frame() {
        static int v = 3;
        return v;
    }
    void Layout() override {
        ApplyPropertyList(*this, kWindowList);
        Frame = frame();
    }
    void CreateControls() override {
        add<EditField>("Second", 2, 40);
        add<PushButton>("Button", 3, 70);
        add<EditField>("First", 1, 10);
        add<StaticText>("Label", 0, 100);
        // Inside the box, TabIndex counts again from 0: after the box, not first.
        add<Rectangle>("Box", 5, 130);
        add<EditField>("Inner", 0, 135, "Box");
    }
    void Event_Open() override {
        if (setsFocus()) SetFocus();
    }
    template <class C>
    void add(const std::string& name, int32_t tabIndex, int top, const std::string& parent = "") {
        addControl<C>(*this, name,
                      tabbedList(name, tabIndex, top) + PropertyListBuilder()
                                                            .text("Text", "was " + name)
                                                            .text("Caption", name)
                                                            .text("InitialParent", parent)
                                                            .bytes());
    }
};
std::shared_ptr<WindowTabbed> Tabbed() {
    return ImplicitInstance<WindowTabbed>("WindowTabbed.WindowTabbed");
}
} // namespace

// A dialog or floating window opens with the keyboard in its first text field in tab
// order, its text selected so that typing replaces it; Tab then goes through the fields and
// buttons in tab order. A window that sets the focus itself keeps it.
TEST_F(WindowConstruction, ADialogOpensWithTheKeyboardInItsFirstTextField) {
    auto open = [](int frame, bool setsFocus) {
        WindowTabbed::frame() = frame;
        WindowTabbed::setsFocus() = setsFocus;
        auto w = Tabbed();
        w->Show();
        EXPECT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*w); }));
        uitest::TypeOnKeyboard(*w, "typed");
        return w;
    };
    auto text = [](Window& w, const char* name) {
        return std::dynamic_pointer_cast<EditField>(w.ControlByName(name))->Text();
    };
    for (int frame : {2, 3}) {
        SCOPED_TRACE(frame);
        auto w = open(frame, false);
        EXPECT_EQ(text(*w, "First"), "typed");
        EXPECT_EQ(text(*w, "Second"), "was Second");
        uitest::PressKeys(*w, "Tab");
        EXPECT_EQ(uitest::FocusedName(*w), "Second");
        uitest::PressKeys(*w, "Tab");
        EXPECT_EQ(uitest::FocusedName(*w), "Button");
        uitest::PressKeys(*w, "Tab");
        EXPECT_EQ(uitest::FocusedName(*w), "Inner");
        w->Close();

        w = open(frame, true);
        EXPECT_EQ(text(*w, "First"), "was First");
        EXPECT_EQ(uitest::FocusedName(*w), "(window)");
        w->Close();
    }
}

namespace {
// A dialog with a text field and two buttons, Okay its default button when it has one.
class WindowReturn : public Window {
  public:
    static bool& hasDefault() {
        static bool v = true;
        return v;
    }
    std::vector<std::string> pressed;
    void Layout() override {
        ApplyPropertyList(*this, kWindowList);
        Frame = 2;
    }
    void CreateControls() override {
        add<EditField>("Field", 0, 10, "");
        add<PushButton>("Okay", 2, 40, "Okay");
        add<PushButton>("Cancel", 1, 70, "Cancel");
        std::dynamic_pointer_cast<PushButton>(ControlByName("Okay"))->Default = hasDefault();
    }
    template <class C>
    void add(const std::string& name, int32_t tabIndex, int top, const std::string& caption) {
        auto c = addControl<C>(*this, name,
                               tabbedList(name, tabIndex, top) +
                                   PropertyListBuilder().text("Caption", caption).bytes());
        InstallInstanceEventHandler(*c, "Action",
                                    [this](Control& me) { pressed.push_back(me.Name); });
    }
    bool shownAsDefault(const char* name) {
        return uitest::ShownAsDefault(*std::dynamic_pointer_cast<RectControl>(ControlByName(name)));
    }
};
} // namespace

// Return and Enter press the push button that has the keyboard, and only when none has it
// the window's default button; the button that Return would press is the one drawn as the
// default. Space presses the focused button too.
TEST_F(WindowConstruction, ReturnPressesTheFocusedButtonElseTheDefault) {
    using Pressed = std::vector<std::string>;
    for (bool hasDefault : {true, false}) {
        SCOPED_TRACE(hasDefault ? "with a default button" : "without a default button");
        WindowReturn::hasDefault() = hasDefault;
        auto w = ImplicitInstance<WindowReturn>("WindowReturn.WindowReturn");
        w->Show();
        ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*w); }));
        ASSERT_EQ(uitest::FocusedName(*w), "Field");
        EXPECT_EQ(w->shownAsDefault("Okay"), hasDefault);
        EXPECT_FALSE(w->shownAsDefault("Cancel"));
        uitest::PressKeysOnKeyboard(*w, "Return");
        EXPECT_EQ(w->pressed, hasDefault ? Pressed{"Okay"} : Pressed{});

        for (const char* key : {"Return", "Enter", "Space"}) {
            SCOPED_TRACE(key);
            w->pressed.clear();
            uitest::PressKeysOnKeyboard(*w, "Tab");
            ASSERT_EQ(uitest::FocusedName(*w), "Cancel");
            EXPECT_TRUE(w->shownAsDefault("Cancel"));
            EXPECT_FALSE(w->shownAsDefault("Okay"));
            uitest::PressKeysOnKeyboard(*w, key);
            EXPECT_EQ(w->pressed, Pressed{"Cancel"});
            // On to Okay, then back to the field: the default is drawn as such again.
            uitest::PressKeysOnKeyboard(*w, "Tab");
            EXPECT_TRUE(w->shownAsDefault("Okay"));
            EXPECT_FALSE(w->shownAsDefault("Cancel"));
            uitest::PressKeysOnKeyboard(*w, "Tab");
            ASSERT_EQ(uitest::FocusedName(*w), "Field");
            EXPECT_EQ(w->shownAsDefault("Okay"), hasDefault);
        }
        // A held Return presses the focused button once, not again with each repeat.
        w->pressed.clear();
        uitest::PressKeysOnKeyboard(*w, "Tab");
        uitest::HoldKeyOnKeyboard(*w, "Return", 3);
        EXPECT_EQ(w->pressed, Pressed{"Cancel"});
        w->Close();
    }
}

namespace {
// A window of a given frame and placement, built under the name it is asked for.
class WindowPlaced : public Window {
  public:
    static std::pair<int, int>& next() { // frame, placement of the next one built
        static std::pair<int, int> v;
        return v;
    }
    static std::pair<int, int>& size() { // of the next one built
        static std::pair<int, int> v{200, 120};
        return v;
    }
    void Layout() override {
        ApplyPropertyList(*this, PropertyListBuilder()
                                     .integer("Width", size().first)
                                     .integer("Height", size().second)
                                     .integer("Frame", next().first)
                                     .integer("Placement", next().second)
                                     .boolean("Resizeable", false)
                                     .bytes());
    }
};
std::shared_ptr<WindowPlaced> Placed(const std::string& name, int frame, int placement) {
    WindowPlaced::next() = {frame, placement};
    return ImplicitInstance<WindowPlaced>(name + "." + name);
}
// Centres agree to the pixel that rounding a half leaves open.
testing::AssertionResult SameCentre(std::pair<int, int> a, std::pair<int, int> b) {
    if (std::abs(a.first - b.first) <= 1 && std::abs(a.second - b.second) <= 1)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "(" << a.first << ", " << a.second << ") is not ("
                                       << b.first << ", " << b.second << ")";
}
std::shared_ptr<WindowPlaced> Shown(std::shared_ptr<WindowPlaced> w) {
    w->Show();
    EXPECT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
    return w;
}
} // namespace

// Dialogs (frames 1 and 2) and floating windows belong to the main window. A dialog left to
// the platform (placement 0) opens centred over the main window wherever that is when the
// dialog is first shown, or on the screen when no main window is open; placement 2 centres
// on the screen.
TEST_F(WindowConstruction, DialogsOpenOverTheMainWindowTheyBelongTo) {
    auto noMain = Shown(Placed("WindowAlone", 2, 0));
    EXPECT_TRUE(SameCentre(uitest::WindowCentre(*noMain), uitest::ScreenCentre()));
    noMain->Close();

    auto main = Shown(Placed("WindowDocument", 0, 2));
    EXPECT_TRUE(SameCentre(uitest::WindowCentre(*main), uitest::ScreenCentre()));
    auto builtEarlier = Placed("WindowEarlier", 2, 0);
    main->setLeft(40);
    main->setTop(70);
    ASSERT_TRUE(uitest::WaitUntil([&] { return main->Left() == 40 && main->Top() == 70; }));
    ASSERT_FALSE(SameCentre(uitest::WindowCentre(*main), uitest::ScreenCentre()));

    for (auto [name, frame, placement] :
         {std::tuple{"WindowModal1", 1, 0}, std::tuple{"WindowModal2", 2, 0},
          std::tuple{"WindowCentred", 2, 2}, std::tuple{"WindowFloating", 3, 3}}) {
        SCOPED_TRACE(name);
        auto w = Shown(Placed(name, frame, placement));
        EXPECT_TRUE(uitest::IsTransientFor(*w, *main));
        if (placement == 0) {
            EXPECT_TRUE(SameCentre(uitest::WindowCentre(*w), uitest::WindowCentre(*main)));
        } else if (placement == 2) {
            EXPECT_TRUE(SameCentre(uitest::WindowCentre(*w), uitest::ScreenCentre()));
        }
        w->Close();
    }
    Shown(builtEarlier);
    EXPECT_TRUE(SameCentre(uitest::WindowCentre(*builtEarlier), uitest::WindowCentre(*main)));
    EXPECT_TRUE(uitest::IsTransientFor(*builtEarlier, *main));
}

// A window that the platform places lies wholly on the screen, also over a main window that
// lies mostly off it; one larger than the screen keeps its top-left corner, its title bar,
// on it. A position that the program sets itself is kept as it is.
TEST_F(WindowConstruction, PlacedWindowsLieOnTheScreen) {
    auto main = Shown(Placed("OnScreenMain", 0, 2));
    const auto [cx, cy] = uitest::ScreenCentre();
    main->setLeft(2 * cx - 60);
    main->setTop(2 * cy - 40);
    ASSERT_TRUE(uitest::WaitUntil([&] { return main->Left() == 2 * cx - 60; }));
    ASSERT_FALSE(uitest::LiesOnScreen(*main));

    for (auto [name, frame, placement] :
         {std::tuple{"OnScreenModal1", 1, 0}, std::tuple{"OnScreenModal2", 2, 0},
          std::tuple{"OnScreenFront", 2, 1}, std::tuple{"OnScreenCentred", 2, 2},
          std::tuple{"OnScreenFloating", 3, 3}}) {
        SCOPED_TRACE(name);
        // Placements 1 and 3 go over the front window: the main window.
        ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*main); }));
        auto w = Shown(Placed(name, frame, placement));
        EXPECT_TRUE(uitest::LiesOnScreen(*w));
        w->Close();
    }

    WindowPlaced::size() = {4 * cx, 4 * cy};
    auto big = Shown(Placed("OnScreenLarger", 2, 0));
    WindowPlaced::size() = {200, 120};
    EXPECT_TRUE(uitest::LiesOnScreen(*big, /*cornerOnly=*/true));
    big->Close();

    auto set = Placed("OnScreenSet", 3, 3);
    set->setLeft(-30);
    set->setTop(2 * cy + 10);
    Shown(set);
    EXPECT_TRUE(uitest::WaitUntil([&] { return set->Left() == -30 && set->Top() == 2 * cy + 10; }));
}

// A label's text is measured as the label lays it out: on one line unless it wraps, and
// when it wraps, in whole lines at the label's present width, no wider than its widest word.
TEST_F(WindowConstruction, TextNeedFollowsTheLabelsWrappingWidthAndFont) {
    auto w = Fixture();
    auto label = w->get<StaticText>("StaticTextLabel");
    label->setText("one");
    const uitest::TextNeed one = uitest::ShownTextNeed(*label);
    ASSERT_GT(one.lineHeight, 0);
    label->setText("one\rtwo");
    EXPECT_EQ(uitest::ShownTextNeed(*label).height, one.height + one.lineHeight);

    label->setText("one two three four five six seven eight nine ten");
    const uitest::TextNeed line = uitest::ShownTextNeed(*label);
    EXPECT_GT(line.width, label->Width());
    EXPECT_EQ(line.height, one.height);

    EXPECT_FALSE(SetProperties(*label, PropertyListBuilder().boolean("Multiline", true).bytes()));
    const uitest::TextNeed wrapped = uitest::ShownTextNeed(*label);
    EXPECT_LE(wrapped.width, label->Width());
    EXPECT_GT(wrapped.height, one.height);
    EXPECT_EQ((wrapped.height - one.height) % one.lineHeight, 0);
    label->setWidth(2 * label->Width());
    EXPECT_LT(uitest::ShownTextNeed(*label).height, wrapped.height);

    EXPECT_FALSE(SetProperties(*label, PropertyListBuilder().integer("TextSize", 24).bytes()));
    EXPECT_GT(uitest::ShownTextNeed(*label).lineHeight, one.lineHeight);
    // Only labels are measured.
    EXPECT_EQ(uitest::ShownTextNeed(*w->get<PushButton>("PushButtonGo")).lineHeight, 0);
}

namespace {
// A window whose label lies inside a rectangle created after it.
class WindowNested : public Window {
  public:
    void CreateControls() override {
        auto label = New<StaticText>();
        label->Constructor();
        AddControl("StaticTextInside", label);
        ApplyPropertyList(
            *label, controlList("StaticTextInside", NoIndex, 20, 20, 50, 20) +
                        PropertyListBuilder().text("InitialParent", "RectangleFrame").bytes());
        auto frame = New<Rectangle>();
        frame->Constructor();
        AddControl("RectangleFrame", frame);
        ApplyPropertyList(*frame, controlList("RectangleFrame", NoIndex, 10, 10, 100, 60));
    }
};
} // namespace

TEST_F(WindowConstruction, ControlInsideARectangleShowsAboveIt) {
    auto w = ImplicitInstance<WindowNested>("WindowNested.WindowNested");
    auto label =
        std::dynamic_pointer_cast<RectControl>(RuntimeWindowControlByName(*w, "StaticTextInside"));
    auto frame =
        std::dynamic_pointer_cast<RectControl>(RuntimeWindowControlByName(*w, "RectangleFrame"));
    EXPECT_TRUE(uitest::IsAbove(*label, *frame));
    EXPECT_EQ(label->Left(), 20); // still in window coordinates
}

TEST_F(WindowConstruction, TimerActionIsNotReenteredFromANestedEventLoop) {
    auto w = Fixture();
    auto timer = std::dynamic_pointer_cast<Timer>(RuntimeWindowControlByName(*w, "TimerTick"));
    int depth = 0, deepest = 0, calls = 0;
    InstallInstanceEventHandler(*timer, "Action", [&](Control&) {
        ++calls;
        deepest = std::max(deepest, ++depth);
        if (calls == 1) uitest::ProcessEvents(80); // several periods pass inside the handler
        --depth;
    });
    timer->setPeriod(5);
    timer->setMode(2);
    ASSERT_TRUE(uitest::WaitUntil([&] { return calls >= 3; }));
    timer->setMode(0);
    EXPECT_EQ(deepest, 1);
}

namespace {
// A resizable window and a floating one, with a popup whose list sets ListIndex first.
class WindowSized : public Window {
  public:
    int closes = 0;
    void Layout() override {
        ApplyPropertyList(*this, PropertyListBuilder()
                                     .integer("Width", 356)
                                     .integer("Height", 150)
                                     .integer("Frame", 3)
                                     .boolean("Resizeable", true)
                                     .text("Title", "Sized")
                                     .bytes());
    }
    void CreateControls() override {
        auto popup = New<PopupMenu>();
        popup->Constructor();
        AddControl("PopupMenuPond", popup);
        ApplyPropertyList(*popup, controlList("PopupMenuPond", NoIndex, 10, 10, 120, 22) +
                                      PropertyListBuilder()
                                          .integer("ListIndex", 0)
                                          .text("InitialValue", "Top pond\rBottom pond\rBoth")
                                          .bytes());
    }
    void Event_Close() override {
        ++closes;
        Close(); // closing again from its own Close does nothing
    }
};
std::shared_ptr<WindowSized> Sized() {
    return ImplicitInstance<WindowSized>("WindowSized.WindowSized");
}
} // namespace

TEST_F(WindowConstruction, ResizableWindowOpensAtItsListsSize) {
    auto w = Sized();
    w->Show();
    EXPECT_EQ(uitest::ClientSize(*w), (std::pair<int, int>{356, 150}));
    EXPECT_EQ(w->Width(), 356);
}

TEST_F(WindowConstruction, PopupKeepsAListIndexSetBeforeItsRows) {
    auto w = Sized();
    auto popup =
        std::dynamic_pointer_cast<PopupMenu>(RuntimeWindowControlByName(*w, "PopupMenuPond"));
    EXPECT_EQ(popup->ListIndex(), 0);
    EXPECT_EQ(popup->Text(), "Top pond");
    EXPECT_EQ(popup->ListCount(), 3);
    popup->setListIndex(7);
    EXPECT_EQ(popup->ListIndex(), -1);
}

TEST_F(WindowConstruction, LeftAndTopReadBackWhatWasSet) {
    auto w = Sized();
    w->setLeft(500);
    w->setTop(300);
    w->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
    EXPECT_EQ(w->Left(), 500);
    EXPECT_EQ(w->Top(), 300);
    w->setLeft(120);
    EXPECT_EQ(w->Left(), 120);
    EXPECT_EQ(w->Top(), 300);
}

TEST_F(WindowConstruction, CloseFromItsOwnCloseEventRunsOnce) {
    auto w = Sized();
    w->Close();
    EXPECT_EQ(w->closes, 1);
    EXPECT_FALSE(w->IsOpen());
}

TEST_F(WindowConstruction, FloatingWindowOutlivesTheMainWindowsClose) {
    auto main = Fixture();
    main->Show();
    auto floating = Sized();
    floating->Show();
    main->Close();
    main.reset();
    uitest::ProcessEvents(10); // deferred deletions run
    EXPECT_TRUE(floating->IsOpen());
    EXPECT_TRUE(uitest::IsShown(*floating));
}

TEST_F(WindowConstruction, SkippedOneShotTimerFiresLater) {
    auto w = Fixture();
    auto busy = std::dynamic_pointer_cast<Timer>(RuntimeWindowControlByName(*w, "TimerTick"));
    auto once = w->New<Timer>();
    w->AddControl("TimerOnce", once);
    int onceFired = 0;
    InstallInstanceEventHandler(*once, "Action", [&](Control&) { ++onceFired; });
    InstallInstanceEventHandler(*busy, "Action", [&](Control&) {
        once->setPeriod(1);
        once->setMode(1);
        uitest::ProcessEvents(40); // the one-shot comes due while this Action runs
        EXPECT_EQ(onceFired, 0);
    });
    busy->setMode(1);
    ASSERT_TRUE(uitest::WaitUntil([&] { return onceFired == 1; }));
    EXPECT_EQ(once->Mode(), 0);
}

TEST_F(WindowConstruction, TimerActionMayCloseItsOwnWindow) {
    auto w = Fixture();
    auto timer = std::dynamic_pointer_cast<Timer>(RuntimeWindowControlByName(*w, "TimerTick"));
    InstallInstanceEventHandler(*timer, "Action", [](Control& me) { me.Window()->Close(); });
    std::weak_ptr<WindowFixture> weak = w;
    std::weak_ptr<Timer> weakTimer = timer;
    w.reset();
    timer->setMode(2);
    timer.reset();
    ASSERT_TRUE(uitest::WaitUntil([&] { return weak.expired(); }));
    EXPECT_TRUE(weakTimer.expired());
}

TEST_F(WindowConstruction, ExceptionInAHandlerIsReportedAndTheProgramGoesOn) {
    auto w = Fixture();
    w->Show();
    auto button = w->get<PushButton>("PushButtonGo");
    InstallInstanceEventHandler(*button, "Action",
                                [](Control&) { throw std::runtime_error("boom"); });
    UnhandledExceptionRecorder unhandled;
    uitest::Click(*button);
    ASSERT_EQ(unhandled.texts.size(), 1u);
    EXPECT_NE(unhandled.texts[0].find("boom"), std::string::npos);
    EXPECT_TRUE(w->IsOpen());
}

TEST_F(WindowConstruction, BothSpellingsOfMultilineSetOneProperty) {
    for (const char* spelling : {"Multiline", "MultiLine"}) {
        StaticText label;
        EditField field;
        const std::string list = PropertyListBuilder().boolean(spelling, true).bytes();
        EXPECT_FALSE(SetProperties(label, list));
        EXPECT_FALSE(SetProperties(field, list));
        EXPECT_TRUE(label.Multiline) << spelling;
        EXPECT_TRUE(field.Multiline) << spelling;
    }
}

TEST_F(WindowConstruction, LoopEndsWhenNoShownWindowIsLeft) {
    // A window that is only built, never shown, cannot keep the program alive; a handler that
    // closes a window and shows its successor at once does not end it.
    bool replacedAndStillRunning = false;
    uitest::Post([&] {
        Fixture()->Show();
        auto first = Sized();
        first->Show();
        first->Close();
        Sized()->Show(); // its successor, at once
        uitest::ProcessEvents(30);
        replacedAndStillRunning = RuntimeEventLoopRunning();
        Sized()->Close();
        Dialog(); // built, never shown
        Fixture()->Close();
    });
    uitest::LoopDeadline deadline(5000);
    RuntimeRun();
    EXPECT_TRUE(replacedAndStillRunning);
    EXPECT_FALSE(deadline.fired()) << "a hidden window kept the event loop running";
}

TEST_F(WindowConstruction, ALoopsLastWindowCheckDoesNotEndTheNextLoop) {
    // The first run closes its last window and quits at once, so the check that closing
    // posted is still waiting when the second run starts.
    uitest::Post([] {
        Fixture()->Show();
        Fixture()->Close();
        RuntimeQuit();
    });
    RuntimeRun();
    bool secondRanItsWork = false;
    uitest::Post(
        [&] {
            secondRanItsWork = true;
            RuntimeQuit();
        },
        30);
    RuntimeRun();
    EXPECT_TRUE(secondRanItsWork);
}

namespace {
// Everything written to stderr while it lives.
class StderrCapture {
  public:
    StderrCapture() : file_(std::tmpfile()), saved_(dup(STDERR_FILENO)) {
        std::fflush(stderr);
        dup2(fileno(file_), STDERR_FILENO);
    }
    ~StderrCapture() {
        restore();
        std::fclose(file_);
    }
    std::string text() {
        restore();
        std::string all;
        std::rewind(file_);
        for (int c; (c = std::fgetc(file_)) != EOF;)
            all += char(c);
        return all;
    }

  private:
    void restore() {
        if (saved_ < 0) return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }
    std::FILE* file_;
    int saved_;
};
} // namespace

// A headless run (the tests, the benchmarks) prints the program's own messages, but not the
// offscreen platform's complaint at every window it is asked to raise.
TEST_F(WindowConstruction, AHeadlessRunPrintsTheProgramsMessagesButNotThePlatformsNoise) {
    auto w = Fixture();
    auto dialog = ImplicitInstance<WindowDialog>("WindowDialog.WindowDialog");
    StderrCapture capture;
    w->Show();
    dialog->Show();
    uitest::ProcessEvents();
    auto recording = seams::setMsgBoxHandler(nullptr); // the real box, which prints headless
    MsgBox("Shown on stderr");
    seams::setMsgBoxHandler(std::move(recording));
    const std::string printed = capture.text();
    EXPECT_EQ(printed.find("This plugin does not support"), std::string::npos) << printed;
    EXPECT_NE(printed.find("MsgBox: Shown on stderr"), std::string::npos) << printed;
}
