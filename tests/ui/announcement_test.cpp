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

class Announcements : public testing::Test {
  protected:
    void TearDown() override { CloseAllWindows(); }
    std::shared_ptr<WindowResults> shown() {
        auto w = ImplicitInstance<WindowResults>("WindowResults.WindowResults");
        w->Show();
        EXPECT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
        return w;
    }
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
