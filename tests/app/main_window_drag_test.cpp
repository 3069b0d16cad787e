// Dragging animals between the main window's surfaces with real presses, moves and
// releases, and the window's life across a close.
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"
#include "model/wormSprite.h"
#include "platform/Numbers.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/WindowMain.h"
#include "pond_window/popupSpriteCan.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/PondStock.h"
#include "tests/support/Replay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

class MainWindowDrag : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        w = WindowMain();
        ASSERT_TRUE(w);
        w->Show();
        ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*w); }));
    }
    void TearDown() override {
        w.reset();
        AppTest::TearDown();
    }
    std::shared_ptr<popSurface> surface(int i) const { return w->popSurfaces(i); }
    std::string count(int i) const { return w->StaticTextPopSize(i)->Text(); }
    RectControl& image() const { return *w->spritePopUp1(); }
    RectControl& card() const { return *w->spriteDataPopUp1(); }

    // A press, a step and a release, as the student's mouse makes them.
    void drag(int x0, int y0, int x1, int y1) {
        uitest::Press(*w, x0, y0);
        uitest::Move(*w, (x0 + x1) / 2, (y0 + y1) / 2);
        uitest::Move(*w, x1, y1);
        uitest::Release(*w, x1, y1);
    }

    std::shared_ptr<class WindowMain> w;
};

bool onAnySurface(const class WindowMain& w, const std::shared_ptr<smartSprite>& s) {
    for (int i = 0; i <= 5; ++i) {
        auto& list = w.popSurfaces(i)->sprites;
        if (std::find(list.begin(), list.end(), s) != list.end()) return true;
    }
    return false;
}

} // namespace

// The top pond's corner is at 16, 31 in the window; pool 2's at 325, 95.

TEST_F(MainWindowDrag, APausedPressLiftsATadpoleAndThePopUpsFollowThePointer) {
    auto tadpole = addCritter(*surface(0), 50, 40); // window 66..77, 71..82
    auto worm = addWorm(*surface(0), 150, 100);
    w->UpdateSizes();

    // The image's corner lies 4 px left of and above the pointer.
    uitest::Press(*w, 70, 75);
    EXPECT_EQ(w->DragSprite, tadpole);
    EXPECT_EQ(tadpole->X, -4);
    EXPECT_EQ(tadpole->Y, -4);
    EXPECT_FALSE(onAnySurface(*w, tadpole));
    EXPECT_EQ(surface(0)->numCritters, 0);
    EXPECT_EQ(count(0), "1"); // the label waits for the release
    // The framed image where the tadpole sat, the card 5 px right of and 12 px below.
    EXPECT_TRUE(image().Visible());
    EXPECT_EQ((std::vector<int>{image().Left(), image().Top(), image().Width(), image().Height()}),
              (std::vector<int>{65, 70, 14, 14}));
    EXPECT_TRUE(card().Visible());
    EXPECT_EQ(card().Left(), 75);
    EXPECT_EQ(card().Top(), 87);
    auto picture = w->spriteDataPopUp1()->Backdrop();
    if (const char* dir = std::getenv("TARNWICK_GRAB_DIR")) { // to look at it
        EXPECT_TRUE(uitest::SaveGrab(*w, std::string(dir) + "/main_window_drag.png"));
    }

    // Both move by the pointer's step; the card's picture is not rebuilt.
    uitest::Move(*w, 80, 90);
    EXPECT_EQ(image().Left(), 75);
    EXPECT_EQ(image().Top(), 85);
    EXPECT_EQ(card().Left(), 85);
    EXPECT_EQ(card().Top(), 102);
    EXPECT_EQ(w->spriteDataPopUp1()->Backdrop(), picture);

    // Released back over its own pond, 20 and 10 px further: at the end of the list, shifted
    // by the pointer's travel.
    uitest::Move(*w, 90, 85);
    uitest::Release(*w, 90, 85);
    EXPECT_EQ(w->DragSprite, nullptr);
    ASSERT_EQ(Ubound(surface(0)->sprites), 2);
    EXPECT_EQ(surface(0)->sprites[1], worm);
    EXPECT_EQ(surface(0)->sprites[2], tadpole);
    EXPECT_EQ(tadpole->X, 70);
    EXPECT_EQ(tadpole->Y, 50);
    EXPECT_EQ(count(0), "1");
    EXPECT_FALSE(image().Visible());
    EXPECT_FALSE(card().Visible());

    // Now into pool 2: both labels follow.
    drag(90, 85, 350, 120);
    ASSERT_EQ(Ubound(surface(2)->sprites), 1);
    EXPECT_EQ(surface(2)->sprites[1], tadpole);
    EXPECT_EQ(tadpole->X, 21);
    EXPECT_EQ(tadpole->Y, 21);
    EXPECT_EQ(count(0), "0");
    EXPECT_EQ(count(2), "1");
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(MainWindowDrag, NothingIsLiftedWhileRunning) {
    auto tadpole = addCritter(*surface(0), 50, 40);
    w->PushButtonRun()->setCaption("Pause"); // the run state, without the timer's frames
    uitest::Press(*w, 70, 75);
    uitest::Release(*w, 300, 250);
    EXPECT_EQ(w->DragSprite, nullptr);
    EXPECT_EQ(surface(0)->sprites[1], tadpole);
    EXPECT_FALSE(image().Visible());
    EXPECT_FALSE(w->Event_MouseDown(70, 75));
    EXPECT_EQ(surface(0)->numCritters, 1);

    w->PushButtonRun()->setCaption("Run");
    EXPECT_TRUE(w->Event_MouseDown(70, 75));
    EXPECT_EQ(w->DragSprite, tadpole);
    w->Event_MouseUp(70, 75);
}

TEST_F(MainWindowDrag, OverlappingAnimalsGiveTheEarlierOneAndAWormGetsNoCard) {
    auto first = addCritter(*surface(0), 50, 40);
    auto second = addCritter(*surface(0), 52, 42);
    uitest::Press(*w, 16 + 58, 31 + 48); // inside both
    EXPECT_EQ(w->DragSprite, first);
    EXPECT_EQ(surface(0)->sprites[1], second);
    uitest::Release(*w, 16 + 58, 31 + 48);
    EXPECT_EQ(surface(0)->sprites[2], first);

    auto worm = addWorm(*surface(3), 20, 20); // window 515..523, 115..123
    uitest::Press(*w, 519, 119);
    EXPECT_EQ(w->DragSprite, worm);
    EXPECT_TRUE(image().Visible());
    EXPECT_EQ(image().Width(), 11);
    EXPECT_FALSE(card().Visible());
    uitest::Move(*w, 530, 130);
    EXPECT_FALSE(card().Visible());
    uitest::Release(*w, 530, 130);
    EXPECT_EQ(surface(3)->numWorms, 1);
}

TEST_F(MainWindowDrag, TheCardStaysInsideTheWindowsRightEdge) {
    addCritter(*surface(3), 20, 20); // window 515..526, 115..126
    uitest::Press(*w, 520, 120);
    ASSERT_TRUE(card().Visible());
    EXPECT_EQ(card().Left(), 525);
    const int imageLeft = image().Left(), imageTop = image().Top();

    struct Step {
        int x, y, cardLeft;
    };
    const Step steps[] = {{572, 130, 577}, {573, 140, 578}, {574, 150, 578},
                          {640, 160, 578}, {700, 170, 578}, {560, 180, 565}};
    for (const Step& s : steps) {
        uitest::Move(*w, s.x, s.y);
        EXPECT_EQ(card().Left(), s.cardLeft) << s.x;
        EXPECT_EQ(card().Top(), s.y + 12) << s.x;
        // The framed image follows the pointer all the way.
        EXPECT_EQ(image().Left(), imageLeft + s.x - 520) << s.x;
        EXPECT_EQ(image().Top(), imageTop + s.y - 120) << s.x;
    }
    uitest::Release(*w, 560, 180);
}

TEST_F(MainWindowDrag, ReleasedOutsideEverySurfaceTheAnimalIsLost) {
    // Pool 2 spans 325..442 x 95..190; its border lines belong to no surface.
    const std::pair<int, int> outside[] = {{325, 120}, {442, 120}, {350, 95},
                                           {350, 190}, {300, 250}, {640, 500}};
    for (auto [x, y] : outside) {
        SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
        auto tadpole = addCritter(*surface(0), 50, 40);
        w->UpdateSizes();
        const std::string before = count(0);
        drag(70, 75, x, y);
        EXPECT_FALSE(onAnySurface(*w, tadpole));
        EXPECT_EQ(tadpole->surface(), nullptr);
        EXPECT_EQ(Val(count(0)), Val(before) - 1);
        EXPECT_FALSE(image().Visible());
        // Held until the next press over a surface while paused lets it go.
        EXPECT_EQ(w->DragSprite, tadpole);
        std::weak_ptr<critterSprite> lost = tadpole;
        tadpole.reset();
        uitest::Press(*w, 200, 150); // open water in the top pond
        uitest::Release(*w, 200, 150);
        EXPECT_EQ(w->DragSprite, nullptr);
        EXPECT_TRUE(lost.expired());
    }
}

TEST_F(MainWindowDrag, ClosingGivesAFreshWindowAndFreesTheOldOnesAnimals) {
    {
        ScopedRandomSource seeded(std::make_shared<SeededRandom>(3));
        w->PopulatePond(0, 85);
        w->PopulatePond(1, 85);
    }
    auto tadpole = addCritter(*surface(2), 20, 20); // window 345..356, 115..126
    w->UpdateSizes();
    w->StaticTextNumClicks()->setText("12");
    w->StaticTextScenario()->setText("Scenario: Two");

    // What a student types into a pool's label field is kept as typed, and nothing reads it.
    auto field = w->EditFieldPoolLabel(1);
    const std::string typed = "Pool B: big ones, 2nd try! " + std::string(300, 'x');
    uitest::Type(*field, typed.c_str());
    EXPECT_EQ(field->Text(), typed);
    const std::string pasted = "Teich \xE6\xB1\xA0 \xC3\xA9t\xC3\xA9\rzweite Zeile";
    w->EditFieldPoolLabel(2)->setText(pasted);
    w->TimerMain_Action(*w->TimerMain());
    w->ClearAll();
    EXPECT_EQ(field->Text(), typed);
    EXPECT_EQ(w->EditFieldPoolLabel(2)->Text(), pasted);
    tadpole = addCritter(*surface(2), 20, 20);
    {
        ScopedRandomSource seeded(std::make_shared<SeededRandom>(4));
        w->PopulatePond(0, 85);
    }

    // One animal lost outside every surface, still held by DragSprite.
    drag(350, 120, 300, 250);
    ASSERT_EQ(w->DragSprite, tadpole);

    std::weak_ptr<class WindowMain> oldWindow = w;
    std::weak_ptr<smartSprite> lost = tadpole, inPond = surface(0)->sprites[1];
    std::vector<std::weak_ptr<Control>> controls(w->Controls().begin(), w->Controls().end());
    tadpole.reset();
    field.reset();
    w->Close();
    w.reset();
    uitest::ProcessEvents(10);
    EXPECT_TRUE(oldWindow.expired());
    EXPECT_TRUE(lost.expired());
    EXPECT_TRUE(inPond.expired());
    for (auto& c : controls)
        EXPECT_TRUE(c.expired());

    w = WindowMain();
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(Ubound(surface(i)->sprites), 0);
        EXPECT_EQ(count(i), "0");
    }
    for (int k = 0; k <= 3; ++k)
        EXPECT_EQ(w->EditFieldPoolLabel(k)->Text(), "");
    EXPECT_EQ(w->StaticTextNumClicks()->Text(), "0");
    EXPECT_EQ(w->StaticTextScenario()->Text(), "Scenario: None chosen");
    EXPECT_EQ(w->PushButtonRun()->Caption(), "Run");
    EXPECT_EQ(w->DragSprite, nullptr);
    EXPECT_EQ(w->fromPond, -1);
}
