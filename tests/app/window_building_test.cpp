// The control-creation sequence that every window uses: construction before registration
// and list, a member's index from its constructor on, the list, then the handlers.
#include "app/WindowBuilding.h"
#include "platform/Controls.h"
#include "platform/PropertyList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> steps;

// A button that reports its construction and each property set on it.
class LoggedButton : public PushButton {
  public:
    void Constructor() override {
        const bool registered = Window() && Window()->ControlByName("Members");
        steps.push_back("construct index " + std::to_string(Index) +
                        (registered ? " after another member" : ""));
        PushButton::Constructor();
    }
    bool SetProperty(std::string_view name, const PropertyValue& value) override {
        steps.push_back("set " + std::string(name));
        return PushButton::SetProperty(name, value);
    }
};

class LoggedMembers : public ControlArray<LoggedButton> {
  protected:
    std::string ArrayName() const override { return "Members"; }
    std::string_view FirstMemberList() const override { return ""; }
};

std::string buttonList(const char* caption, int32_t index) {
    return PropertyListBuilder().integer("Index", index).text("Caption", caption).bytes();
}

class ProbeWindow : public Window {
  public:
    void CreateControls() override {
        BuildControl<LoggedButton, PushButton>(
            *this, "Single", buttonList("Single", Control::NoIndex),
            {{"Open", &ProbeWindow::Single_Open}, {"Action", &ProbeWindow::Single_Action}});
        for (int32_t index : {2, 0})
            BuildMember<LoggedMembers, PushButton>(*this, "Members", index,
                                                   buttonList("Members", index),
                                                   {{"Action", &ProbeWindow::Members_Action}});
        // Seen as a class it is not: registered, but given neither its list nor a handler.
        BuildControl<PushButton, EditField>(*this, "Mismatch",
                                            buttonList("Mismatch", Control::NoIndex),
                                            {{"Action", &ProbeWindow::Single_Action}});
    }
    void Single_Open(Control& Me) { steps.push_back("Open " + Me.Name); }
    void Single_Action(Control& Me) { steps.push_back("Action " + Me.Name); }
    void Members_Action(Control& Me) {
        steps.push_back("Action " + Me.Name + " " + std::to_string(Me.Index));
    }
};

class WindowBuilding : public ::testing::Test {
  protected:
    void SetUp() override { steps.clear(); }
    void TearDown() override { CloseAllWindows(); }
};

} // namespace

TEST_F(WindowBuilding, EachControlIsConstructedThenGivenItsListThenItsHandlers) {
    auto w = ImplicitInstance<ProbeWindow>("ProbeWindow.ProbeWindow");
    ASSERT_TRUE(w);
    EXPECT_EQ(steps, (std::vector<std::string>{
                         "construct index -2147483648", "set Index", "set Caption",
                         // A member carries its index before its list is applied.
                         "construct index 2", "set Index", "set Caption",
                         "construct index 0 after another member", "set Index", "set Caption",
                         // The Open events run once the window is built.
                         "Open Single"}));

    steps.clear();
    ControlNamed<PushButton>(*w, "Single")->RaiseEvent("Action");
    // Members are found by index, whatever the order they were built in.
    ControlNamed<PushButton>(*w, "Members", 0)->RaiseEvent("Action");
    ControlNamed<PushButton>(*w, "Members", 2)->RaiseEvent("Action");
    EXPECT_EQ(steps,
              (std::vector<std::string>{"Action Single", "Action Members 0", "Action Members 2"}));

    auto mismatch = ControlNamed<PushButton>(*w, "Mismatch");
    ASSERT_TRUE(mismatch);
    EXPECT_EQ(mismatch->Caption(), "");
    EXPECT_FALSE(mismatch->HasEventHandler("Action"));
    EXPECT_FALSE(ControlNamed<EditField>(*w, "Mismatch"));
}
