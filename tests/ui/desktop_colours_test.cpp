// Texts under the desktop's colour scheme: a label the program leaves black takes the
// desktop's text colour where it stands on the desktop's window colour, and keeps the
// program's colour where it stands on something the program colours itself.

#include "platform/Controls.h"
#include "platform/Picture.h"
#include "platform/Window.h"
#include "platform/testing/DesktopTesting.h"
#include "platform/testing/UiTesting.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace {

constexpr uint32_t Black = 0x000000, Red = 0xff0000;

// A window with a label straight on it, one inside a white rectangle, one inside a canvas,
// a red one, and a text field; with `backColour`, the window is white itself.
class ColourWindow : public Window {
  public:
    explicit ColourWindow(bool backColour) : backColour_(backColour) {}

    void Layout() override {
        Title = "Colours";
        Resizeable = false;
        HasBackColor = backColour_;
        BackColor = RGB(255, 255, 255);
        setWidth(320);
        setHeight(200);
    }
    void CreateControls() override {
        auto box = place<Rectangle>("Box", 150, 10, 160, 60);
        box->BorderWidth = 0;
        auto white = std::make_shared<Picture>(160, 60);
        white->Graphics().ForeColor = RGB(255, 255, 255);
        white->Graphics().FillRect(0, 0, 160, 60);
        place<Canvas>("Picture", 150, 100, 160, 60)->setBackdrop(white);
        label("Plain", 10, 10);
        label("OnBox", 160, 20)->InitialParent = "Box";
        label("OnPicture", 160, 110);
        label("Red", 10, 50)->TextColor = RGB(255, 0, 0);
        place<EditField>("Field", 10, 100, 120, 22)->setText("Wembix");
    }
    RectControl& get(const std::string& name) {
        return *std::dynamic_pointer_cast<RectControl>(ControlByName(name));
    }

  private:
    template <class C>
    std::shared_ptr<C> place(const std::string& name, int x, int y, int w, int h) {
        return uitest::PlaceControl<C>(*this, name, x, y, w, h);
    }
    std::shared_ptr<StaticText> label(const std::string& name, int x, int y) {
        auto l = place<StaticText>(name, x, y, 120, 20);
        l->style.TextSize = 16;
        l->setText("Top pond 123");
        return l;
    }
    bool backColour_;
};

std::shared_ptr<ColourWindow> shownWindow(bool backColour) {
    auto w = std::make_shared<ColourWindow>(backColour);
    w->Constructor();
    w->Show();
    uitest::ProcessEvents(20);
    return w;
}

class DesktopColours : public testing::Test {
  protected:
    void TearDown() override { CloseAllWindows(); }
};

// How a control's text must show: in an exact ink colour, or (nullopt) in any; readable
// (4.5:1 or more against its ground) unless the program chose a colour of its own.
struct Expected {
    const char* control;
    std::optional<uint32_t> ink;
    bool readable = true;
};

void expectShown(ColourWindow& w, const Expected& e) {
    SCOPED_TRACE(e.control);
    const auto shown = uitest::ShownColoursOf(w.get(e.control));
    if (e.readable) {
        EXPECT_GE(shown.contrast, 4.5) << std::hex << "ink " << shown.ink << " on " << shown.ground;
    }
    if (e.ink) {
        EXPECT_EQ(shown.ink, *e.ink) << std::hex << "on " << shown.ground;
    }
}

} // namespace

TEST_F(DesktopColours, UnderADarkSchemeEveryTextReadsAndTheProgramsColoursStay) {
    uitest::DarkDesktop dark;
    auto w = shownWindow(false);
    for (const Expected& e :
         {Expected{"Plain", std::nullopt}, Expected{"OnBox", Black}, Expected{"OnPicture", Black},
          Expected{"Red", Red, false}, Expected{"Field", Black}})
        expectShown(*w, e);
}

TEST_F(DesktopColours, OnAWindowWithItsOwnColourLabelsKeepTheProgramsColour) {
    uitest::DarkDesktop dark;
    auto w = shownWindow(true);
    for (const Expected& e : {Expected{"Plain", Black}, Expected{"Red", Red, false}})
        expectShown(*w, e);
}

TEST_F(DesktopColours, ALabelFollowsTheDesktopWhenItChangesSchemeWhileTheProgramRuns) {
    auto w = shownWindow(false);
    expectShown(*w, {"Plain", Black}); // the default light scheme: as it always was
    {
        uitest::DarkDesktop dark;
        uitest::ProcessEvents(20);
        expectShown(*w, {"Plain", std::nullopt});
    }
    uitest::ProcessEvents(20);
    expectShown(*w, {"Plain", Black});
}
