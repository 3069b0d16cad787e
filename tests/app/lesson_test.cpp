// A whole lesson in one run of the program, through its real windows: start-up, the
// preselected scenario, Run and Pause, a frog dragged into a pool and cleared into the
// bottom pond, both ponds sampled, a wrong password twice then the right one, Quit; and
// what a screen reader is told on the way.
#include "app/App.h"
#include "app/WindowSplash.h"
#include "app/dialogs/WindowSample.h"
#include "app/dialogs/WindowSelectScenario.h"
#include "app/dialogs/WindowTheTruth.h"
#include "app/dialogs/WindowWhereTo.h"
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "platform/Numbers.h"
#include "platform/Runtime.h"
#include "platform/Window.h"
#include "platform/testing/AnnouncementTesting.h"
#include "platform/testing/Testing.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/WindowMain.h"
#include "pond_window/popupSpriteCan.h"
#include "tests/support/PondStock.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

bool isOpen(const char* fullClassName) { return GetImplicitWindow(fullClassName) != nullptr; }

// The first frog of the pond whose image lies wholly inside it, or nullptr.
std::shared_ptr<critterSprite> aFrogIn(popSurface& pond) {
    for (int32_t i = 1; i <= Ubound(pond.sprites); ++i) {
        auto c = std::dynamic_pointer_cast<critterSprite>(pond.sprites[std::size_t(i)]);
        if (!c || c->phenotype == "tadpole") continue;
        if (c->X > 2 && c->Y > 2 && c->X + c->Image->Width() < pond.Width() - 2 &&
            c->Y + c->Image->Height() < pond.Height() - 2)
            return c;
    }
    return nullptr;
}

// Takes what the screen reader was told since the last look.
Texts heard(AnnouncementRecorder& recorder) { return std::exchange(recorder.texts, {}); }

void lesson(bool& finished, AnnouncementRecorder& told) {
    // The splash is in front; Proceed brings the scenario dialog.
    ASSERT_TRUE(uitest::WaitUntil([] { return isOpen("WindowSplash.WindowSplash"); }));
    uitest::Click(*WindowSplash()->PushButtonProceed());
    ASSERT_FALSE(isOpen("WindowSplash.WindowSplash"));
    auto scenario = WindowSelectScenario();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*scenario); }));
    EXPECT_EQ(scenario->PopupMenuScenario()->ListIndex(), 0); // tick 0: "Genetic"
    uitest::Click(*scenario->PushButtonOkay());
    ASSERT_FALSE(isOpen("WindowSelectScenario.WindowSelectScenario"));

    auto main = WindowMain();
    EXPECT_EQ(main->StaticTextScenario()->Text(), "Scenario: One");
    EXPECT_EQ(Globals::Scenario, "Genetic");
    auto top = main->popSurfaces(0);
    auto bottom = main->popSurfaces(1);
    EXPECT_GT(top->numCritters, 70);
    EXPECT_EQ(main->StaticTextPopSize(0)->Text(), Str(top->numCritters));

    // Run for some days, then pause: the counter stops.
    uitest::Click(*main->PushButtonRun());
    EXPECT_EQ(main->PushButtonRun()->Caption(), "Pause");
    ASSERT_TRUE(
        uitest::WaitUntil([&] { return Val(main->StaticTextNumClicks()->Text()) >= 3; }, 5000));
    uitest::Click(*main->PushButtonRun());
    EXPECT_EQ(main->PushButtonRun()->Caption(), "Run");
    const std::string day = main->StaticTextNumClicks()->Text();
    uitest::ProcessEvents(300);
    EXPECT_EQ(main->StaticTextNumClicks()->Text(), day);
    // The chosen scenario is heard, and Run's captions, for the click gave it the keyboard
    // (where the toolkit's own report does not reach a screen reader, as the platform's
    // announcements); the day counter and the counts that moved are not.
    const Texts runCaptions = PlatformAnnouncesFocusedChanges() ? Texts{"Pause", "Run"} : Texts{};
    Texts expected{"Scenario: One"};
    expected.insert(expected.end(), runCaptions.begin(), runCaptions.end());
    EXPECT_EQ(heard(told), expected);

    // A frog of the top pond dragged into the upper left pool.
    auto frog = aFrogIn(*top);
    ASSERT_TRUE(frog);
    const int x = top->Left() + frog->X + frog->Image->Width() / 2;
    const int y = top->Top() + frog->Y + frog->Image->Height() / 2;
    const int before = top->numCritters;
    uitest::Press(*main, x, y);
    EXPECT_TRUE(main->spriteDataPopUp1()->Visible()); // a critter's card follows
    uitest::Move(*main, 350, 120);
    uitest::Move(*main, 380, 140);
    uitest::Release(*main, 380, 140);
    auto pool = main->popSurfaces(2);
    EXPECT_EQ(pool->numCritters, 1);
    EXPECT_EQ(top->numCritters, before - 1);
    EXPECT_EQ(main->StaticTextPopSize(2)->Text(), "1");

    // The pool's Clear hands it to the where-to dialog: into the bottom pond.
    const int bottomBefore = bottom->numCritters;
    uitest::Click(*main->PushButtonClear(2));
    EXPECT_EQ(main->fromPond, 2);
    auto whereTo = WindowWhereTo();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*whereTo); }));
    uitest::Click(*whereTo->RadioButtonDestination(1));
    uitest::Click(*whereTo->PushButtonOkay());
    EXPECT_EQ(pool->numCritters, 0);
    EXPECT_EQ(bottom->numCritters, bottomBefore + 1);
    EXPECT_EQ(main->fromPond, -1);
    EXPECT_FALSE(isOpen("WindowWhereTo.WindowWhereTo"));

    // Tools > Sample..., both ponds.
    uitest::ChooseMenu(*main, 2, 0);
    auto sample = WindowSample();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*sample); }));
    sample->PopupMenuPond()->setListIndex(2);
    uitest::Click(*sample->PushButtonSample());
    const std::string result = sample->StaticTextResult()->Text();
    EXPECT_EQ(result.rfind("In top pond versus bottom pond, the relative risk of five legs is ", 0),
              0u)
        << result;
    EXPECT_EQ(heard(told), Texts{result});
    sample->Close();

    // Tools > Tell the truth...: a wrong password, then the right one.
    uitest::ChooseMenu(*main, 2, 1);
    auto truth = WindowTheTruth();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsShown(*truth); }));
    for (const char* wrong : {"frogs", "wembix"}) {
        uitest::Type(*truth->EditFieldPassword(), wrong);
        uitest::Click(*truth->PushButtonNowTellMe());
        EXPECT_EQ(truth->EditFieldPassword()->Text(), "");
        EXPECT_TRUE(truth->StaticTextTryAgain()->Visible());
        EXPECT_EQ(truth->StaticTextTheTruth()->Text(), "");
        EXPECT_EQ(heard(told), Texts{"Sorry. Try again."}) << wrong;
    }
    uitest::Type(*truth->EditFieldPassword(), "Wembix");
    uitest::Click(*truth->PushButtonNowTellMe());
    const std::string pond =
        Globals::AlleleFreq[0] < Globals::AlleleFreq[1] ? "Top Pond." : "Bottom Pond.";
    const std::string text = truth->StaticTextTheTruth()->Text();
    EXPECT_NE(text.find("genetic mutation"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - pond.size()), pond) << text;
    const Texts truthHeard = heard(told);
    ASSERT_EQ(truthHeard.size(), 1u);
    EXPECT_NE(truthHeard[0].find("genetic mutation. The mutation"), std::string::npos)
        << truthHeard[0];
    uitest::Click(*truth->PushButtonOkay());
    EXPECT_FALSE(isOpen("WindowTheTruth.WindowTheTruth"));

    // Quit.
    main->SetFocus();
    uitest::ProcessEvents(20);
    finished = true;
    uitest::PressKeys(*main, "Ctrl+Q");
}

} // namespace

TEST(Lesson, AWholeLessonThroughTheRealWindows) {
    MsgBoxRecorder boxes;
    FixedTicks ticks(0);
    ScopedRandomSource rnd(std::make_shared<SeededRandom>(7));
    initialize();
    AnnouncementRecorder told;
    bool finished = false;
    uitest::Post(
        [&] {
            lesson(finished, told);
            if (!finished) RuntimeQuit(); // a step failed: end the run at once
        },
        20);
    uitest::LoopDeadline deadline(30000); // ends a lesson that went wrong
    Main();
    EXPECT_TRUE(finished);
    EXPECT_FALSE(deadline.fired()) << "Quit did not end the event loop";
    EXPECT_TRUE(OpenWindows().empty());
    finalize();
    EXPECT_TRUE(boxes.texts.empty());
}
