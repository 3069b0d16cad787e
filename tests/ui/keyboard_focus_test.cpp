// A user on the keyboard alone: the keyboard stays on the push button they pressed when its
// action gives the window the focus, and a field or button without a focus look of its own
// shows a focus mark when Tab brought the keyboard to it, and none after a click.
#include "platform/Controls.h"
#include "platform/PropertyList.h"
#include "platform/Window.h"
#include "platform/testing/UiTesting.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

// A document window: a field without a frame, a default button, a Run button that turns
// into Pause, and a Swap button that gives its place to the hidden Stand button. Each
// button's action but Okay's gives the window the focus, as the program's handlers do.
class WindowKeys : public Window {
  public:
    void Layout() override {
        Title = "Keys";
        setWidth(200);
        setHeight(140);
    }
    void CreateControls() override {
        add<EditField>("Field", 10, PropertyListBuilder().boolean("Border", false));
        add<PushButton>("Okay", 40, PropertyListBuilder().boolean("Default", true));
        add<PushButton>("Run", 70, {}, [this] {
            button("Run")->setCaption(button("Run")->Caption() == "Run" ? "Pause" : "Run");
        });
        add<PushButton>("Swap", 100, {}, [this] {
            button("Swap")->setVisible(false);
            button("Stand")->setVisible(true);
        });
        add<PushButton>("Stand", 100, PropertyListBuilder().boolean("Visible", false),
                        [this] { button("Stand")->setEnabled(false); });
    }
    std::shared_ptr<PushButton> button(const char* name) const {
        return std::dynamic_pointer_cast<PushButton>(ControlByName(name));
    }
    int presses = 0;

  private:
    template <class C>
    void add(const std::string& name, int top, const PropertyListBuilder& more,
             std::function<void()> action = nullptr) {
        auto c = New<C>();
        ApplyPropertyList(*c, PropertyListBuilder()
                                  .integer("Left", 10)
                                  .integer("Top", top)
                                  .integer("Width", 120)
                                  .integer("Height", 22)
                                  .integer("TabIndex", top)
                                  .text("Caption", name)
                                  .bytes() +
                                  more.bytes());
        AddControl(name, c);
        if (action)
            InstallInstanceEventHandler(*c, "Action", [this, action](Control&) {
                ++presses;
                action();
                SetFocus();
            });
    }
};

class KeyboardFocus : public testing::Test {
  protected:
    void SetUp() override {
        w = ImplicitInstance<WindowKeys>("WindowKeys.WindowKeys");
        w->Show();
        ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*w); }));
        w->SetFocus();
    }
    void TearDown() override { CloseAllWindows(); }
    // Tabs from the window's own focus to the named control.
    void tabTo(const std::string& name) {
        w->SetFocus();
        for (int i = 0; i < 6 && uitest::FocusedName(*w) != name; ++i)
            uitest::PressKeysOnKeyboard(*w, "Tab");
        ASSERT_EQ(uitest::FocusedName(*w), name);
    }
    // Clicks the control, then moves the pointer off it, so that it is not drawn hovered.
    void clickAway(RectControl& c) {
        uitest::Click(c);
        uitest::Move(*w, 190, 135);
        uitest::ProcessEvents(20);
    }
    std::shared_ptr<WindowKeys> w;
};

} // namespace

// Space or Return on Run runs it and the keyboard stays there, so the next Space pauses;
// a click leaves the keyboard with the window, as the action asks.
TEST_F(KeyboardFocus, APressedButtonKeepsTheKeyboardWhenItsActionFocusesTheWindow) {
    tabTo("Run");
    for (const char* key : {"Space", "Space", "Return"}) {
        uitest::PressKeysOnKeyboard(*w, key);
        EXPECT_EQ(uitest::FocusedName(*w), "Run") << key;
    }
    EXPECT_EQ(w->presses, 3);
    EXPECT_EQ(w->button("Run")->Caption(), "Pause");
    uitest::Click(*w->button("Run"));
    EXPECT_EQ(w->presses, 4);
    EXPECT_EQ(uitest::FocusedName(*w), "(window)");
}

// A pressed button that its action hides hands the keyboard to the button shown at its
// place; with no button left there, the window takes it.
TEST_F(KeyboardFocus, TheKeyboardGoesToTheButtonThatTookThePressedOnesPlace) {
    tabTo("Swap");
    uitest::PressKeysOnKeyboard(*w, "Space");
    EXPECT_EQ(uitest::FocusedName(*w), "Stand");
    uitest::PressKeysOnKeyboard(*w, "Space");
    EXPECT_EQ(w->presses, 2);
    EXPECT_FALSE(w->button("Stand")->Enabled());
    EXPECT_EQ(uitest::FocusedName(*w), "(window)");
}

// The field without a frame, and the default button, look the same with and without the
// keyboard; Tab brings a focus mark, a click none.
TEST_F(KeyboardFocus, AFocusMarkShowsOnlyWhenTabBroughtTheKeyboard) {
    auto okay = w->button("Okay");
    auto field = std::dynamic_pointer_cast<RectControl>(w->ControlByName("Field"));
    tabTo("Field");
    const std::string okayAlone = uitest::ShownPng(*okay);
    const std::string fieldTabbed = uitest::ShownPng(*field);
    tabTo("Okay");
    EXPECT_NE(uitest::ShownPng(*okay), okayAlone);
    clickAway(*okay);
    ASSERT_EQ(uitest::FocusedName(*w), "Okay");
    EXPECT_EQ(uitest::ShownPng(*okay), okayAlone);

    clickAway(*field);
    ASSERT_EQ(uitest::FocusedName(*w), "Field");
    EXPECT_NE(uitest::ShownPng(*field), fieldTabbed);
}
