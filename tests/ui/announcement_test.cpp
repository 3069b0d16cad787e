// What a screen reader is told when a label's text changes: the new text of a label that is
// on the screen, once, and nothing for a label out of sight or a bare number.
#include "platform/Controls.h"
#include "platform/PropertyList.h"
#include "platform/Window.h"
#include "platform/testing/AnnouncementTesting.h"
#include "platform/testing/UiTesting.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// A floating window with a result label and a label that starts hidden.
class WindowResults : public Window {
  public:
    void Layout() override {
        Frame = 3;
        setWidth(300);
        setHeight(120);
    }
    void CreateControls() override {
        add("Result", "Ready", true, 10);
        add("Hidden", "Sorry. Try again.", false, 40);
    }
    std::shared_ptr<StaticText> label(const char* name) const {
        return std::dynamic_pointer_cast<StaticText>(ControlByName(name));
    }

  private:
    void add(const char* name, const char* text, bool visible, int top) {
        auto label = New<StaticText>();
        ApplyPropertyList(*label, PropertyListBuilder()
                                      .integer("Left", 10)
                                      .integer("Top", top)
                                      .integer("Width", 280)
                                      .integer("Height", 20)
                                      .boolean("Visible", visible)
                                      .text("Text", text)
                                      .bytes());
        AddControl(name, label);
    }
};

// A window with two buttons and a popup menu, in that order of Tab.
class WindowChoices : public Window {
  public:
    void Layout() override {
        setWidth(300);
        setHeight(120);
        Title = "Choices";
    }
    void CreateControls() override {
        uitest::PlaceControl<PushButton>(*this, "Run", 10, 10, 80, 20)->setCaption("Run");
        uitest::PlaceControl<PushButton>(*this, "Other", 100, 10, 80, 20)->setCaption("Other");
        auto list = uitest::PlaceControl<PopupMenu>(*this, "List", 10, 50, 120, 20);
        list->setInitialValue("One\rTwo\rThree\rFour");
        list->setListIndex(1);
    }
    template <class C> std::shared_ptr<C> get(const char* name) const {
        return std::dynamic_pointer_cast<C>(ControlByName(name));
    }
    // Tab until the keyboard is on the control.
    void tabTo(const std::string& name) {
        for (int i = 0; i < 4 && uitest::FocusedName(*this) != name; ++i) {
            uitest::PressKeysOnKeyboard(*this, "Tab");
            uitest::ProcessEvents();
        }
        ASSERT_EQ(uitest::FocusedName(*this), name);
    }
};

class Announcements : public testing::Test {
  protected:
    void TearDown() override { CloseAllWindows(); }
    std::shared_ptr<WindowResults> shown() {
        auto w = ImplicitInstance<WindowResults>("WindowResults.WindowResults");
        w->Show();
        EXPECT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
        return w;
    }
    std::shared_ptr<WindowChoices> choices() {
        auto w = ImplicitInstance<WindowChoices>("WindowChoices.WindowChoices");
        w->Show();
        EXPECT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*w); }));
        return w;
    }
    // What the platform adds to the toolkit's own reports: where they reach a screen reader,
    // nothing.
    static Texts added(Texts texts) { return PlatformAnnouncesFocusedChanges() ? texts : Texts{}; }
    AnnouncementRecorder heard;
};

} // namespace

// A shown label's new text is announced once, its line breaks as spaces, apart from the
// window (where a screen reader would speak the label's text again before it); setting the
// same text again is no change, and an emptied label has nothing to say.
TEST_F(Announcements, AShownLabelsNewTextIsAnnouncedOnce) {
    auto w = shown();
    auto result = w->label("Result");
    result->setText("In top pond 3 of 20 frogs\rhas five legs.");
    EXPECT_EQ(heard.texts, Texts{"In top pond 3 of 20 frogs has five legs."});
    EXPECT_EQ(heard.insideAWindow, 0);
    result->setText("In top pond 3 of 20 frogs\rhas five legs.");
    result->setText("");
    EXPECT_EQ(heard.texts.size(), 1u);
    result->setText("In top pond 3 of 20 frogs\rhas five legs.");
    EXPECT_EQ(heard.texts.size(), 2u);
}

// A text made only of a number (a count, the day) changes with every tick and is no result;
// a number inside words is.
TEST_F(Announcements, ABareNumberIsNotAnnounced) {
    auto result = shown()->label("Result");
    for (const char* number : {"0", "17", "1234", "-3", "0.25", " 42 "})
        result->setText(number);
    EXPECT_EQ(heard.texts, Texts{});
    result->setText("Day 3");
    EXPECT_EQ(heard.texts, Texts{"Day 3"});
}

// A label out of sight says nothing: while its window is being built or not yet shown, or
// while the label itself is hidden. A hidden label that the program shows is heard, as
// often as the program shows it.
TEST_F(Announcements, OnlyALabelOnTheScreenIsAnnounced) {
    auto w = ImplicitInstance<WindowResults>("WindowResults.WindowResults");
    w->label("Result")->setText("Set before the window is shown");
    w->label("Hidden")->setVisible(true);
    w->label("Hidden")->setVisible(false);
    w = shown();
    EXPECT_EQ(heard.texts, Texts{});

    auto hidden = w->label("Hidden");
    hidden->setText("Changed while hidden");
    EXPECT_EQ(heard.texts, Texts{});
    hidden->setVisible(true);
    hidden->setVisible(true);
    EXPECT_EQ(heard.texts, (Texts{"Changed while hidden", "Changed while hidden"}));
}

// The program's new caption for the button that has the keyboard (Run becoming Pause as it
// is pressed) is heard once; the same caption again, or a button without the keyboard, says
// nothing.
TEST_F(Announcements, TheNewCaptionOfTheButtonWithTheKeyboardIsHeardOnce) {
    auto w = choices();
    w->tabTo("Run");
    uitest::ProcessEvents(50);
    heard.texts.clear();
    auto run = w->get<PushButton>("Run");
    run->setCaption("Pause");
    EXPECT_EQ(heard.texts, added({"Pause"}));
    run->setCaption("Pause");
    w->get<PushButton>("Other")->setCaption("Elsewhere");
    EXPECT_EQ(heard.texts, added({"Pause"}));
    run->setCaption("Run");
    EXPECT_EQ(heard.texts, added({"Pause", "Run"}));
    EXPECT_EQ(heard.insideAWindow, 0);
}

// A popup menu's row is heard when the keyboard reaches the menu and as the arrow keys move
// it; a row changed while the keyboard is elsewhere says nothing.
TEST_F(Announcements, APopupMenusRowIsHeardWhereTheKeyboardIs) {
    auto w = choices();
    w->tabTo("Other");
    uitest::ProcessEvents(50);
    heard.texts.clear();
    w->tabTo("List");
    uitest::ProcessEvents(50);
    EXPECT_EQ(heard.texts, added({"Two"}));
    uitest::PressKeysOnKeyboard(*w, "Down");
    uitest::PressKeysOnKeyboard(*w, "Up");
    uitest::ProcessEvents(50);
    EXPECT_EQ(heard.texts, added({"Two", "Three", "Two"}));
    EXPECT_EQ(w->get<PopupMenu>("List")->ListIndex(), 1);
    w->tabTo("Run");
    heard.texts.clear();
    w->get<PopupMenu>("List")->setListIndex(3);
    uitest::ProcessEvents(50);
    EXPECT_EQ(heard.texts, Texts{});
}
