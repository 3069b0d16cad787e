// The main window as built, its run loop and counts, and the filling of a pond.
#include "app/Menu.h"
#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"
#include "model/wormSprite.h"
#include "platform/Numbers.h"
#include "platform/PropertyList.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/WindowMain.h"
#include "pond_window/popupSpriteCan.h"
#include "tests/app/AppTestSupport.h"
#include "tests/support/PondStock.h"
#include "tests/support/Replay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int32_t none = Control::NoIndex;

class MainWindowTest : public MainWindowAppTest {
  protected:
    // One firing of the running timer, as its period would give it.
    void tick() {
        auto timer = w->TimerMain();
        const int mode = timer->Mode();
        timer->setMode(2);
        timer->Fire();
        timer->setMode(mode);
    }
    std::string count(int i) const { return w->StaticTextPopSize(i)->Text(); }
};

// An animal that only reports its frames.
class FrameProbe : public smartSprite {
  public:
    explicit FrameProbe(std::function<void(smartSurface&)> onFrame) : onFrame_(std::move(onFrame)) {
        Image = NewPicture(2, 2);
    }
    void redraw(smartSurface& surface) override { onFrame_(surface); }

  private:
    std::function<void(smartSurface&)> onFrame_;
};

} // namespace

// ---- The built window ------------------------------------------------------------------

TEST_F(MainWindowTest, BuildsItsThirtyOneControlsInOrderWithTheirValues) {
    enum Kind { Label, Field, Surface, Button, TimerK, Count, Clear, Card, Image };
    struct Row {
        const char* name;
        Kind kind;
        int32_t index;
        int left, top, width, height;
        const char* text;
        bool visible;
    };
    const std::vector<Row> rows = {
        {"StaticTextScenario", Label, none, 16, 480, 150, 20, "Scenario: None chosen", true},
        {"EditFieldPoolLabel", Field, 0, 325, 73, 117, 16, "", true},
        {"EditFieldPoolLabel", Field, 1, 495, 73, 117, 16, "", true},
        {"EditFieldPoolLabel", Field, 2, 325, 307, 117, 16, "", true},
        {"EditFieldPoolLabel", Field, 3, 495, 307, 117, 16, "", true},
        {"popSurfaces", Surface, 0, 16, 31, 256, 184, nullptr, true},
        {"PushButtonRun", Button, none, 519, 480, 69, 20, "Run", true},
        {"TimerMain", TimerK, 0, 0, 0, 0, 0, nullptr, true},
        {"popSurfaces", Surface, 1, 16, 265, 256, 184, nullptr, true},
        {"StaticTextPopSize", Count, 0, 278, 195, 35, 20, "0", true},
        {"StaticTextPopSize", Count, 1, 278, 429, 35, 20, "0", true},
        {"popSurfaces", Surface, 2, 325, 95, 117, 95, nullptr, true},
        {"StaticTextPopSize", Count, 2, 448, 170, 35, 20, "0", true},
        {"popSurfaces", Surface, 3, 495, 95, 117, 95, nullptr, true},
        {"StaticTextPopSize", Count, 3, 618, 170, 35, 20, "0", true},
        {"popSurfaces", Surface, 4, 325, 329, 117, 95, nullptr, true},
        {"StaticTextPopSize", Count, 4, 448, 404, 35, 20, "0", true},
        {"PushButtonClear", Clear, 0, 278, 31, 69, 20, "Clear", false},
        {"PushButtonClear", Clear, 1, 278, 265, 69, 20, "Clear", false},
        {"PushButtonClear", Clear, 2, 349, 195, 69, 20, "Clear", true},
        {"PushButtonClear", Clear, 3, 519, 195, 69, 20, "Clear", true},
        {"PushButtonClear", Clear, 4, 349, 429, 69, 20, "Clear", true},
        {"popSurfaces", Surface, 5, 495, 329, 117, 95, nullptr, true},
        {"StaticTextPopSize", Count, 5, 618, 404, 35, 20, "0", true},
        {"PushButtonClear", Clear, 5, 519, 429, 69, 20, "Clear", true},
        {"StaticTextNumClicks", Label, none, 459, 480, 45, 22, "0", true},
        {"StaticText1", Label, none, 16, 12, 100, 20, "Top pond", true},
        {"StaticText2", Label, none, 16, 246, 100, 20, "Bottom pond", true},
        {"spriteDataPopUp1", Card, none, 491, 8, 85, 69, nullptr, false},
        {"spritePopUp1", Image, none, 467, 8, 12, 12, nullptr, false},
        {"StaticText3", Label, none, 411, 480, 39, 22, "Day:", true},
    };
    const auto& controls = w->Controls();
    ASSERT_EQ(controls.size(), rows.size());
    for (std::size_t n = 0; n < rows.size(); ++n) {
        const Row& row = rows[n];
        Control* c = controls[n].get();
        SCOPED_TRACE(std::to_string(n + 1) + " " + row.name);
        EXPECT_EQ(c->Name, row.name);
        EXPECT_EQ(c->Index, row.index);
        EXPECT_EQ(c->Window(), w.get());
        bool rightClass = false;
        switch (row.kind) {
        case Label:
            rightClass = typeid(*c) == typeid(StaticText);
            break;
        case Field:
            rightClass = dynamic_cast<WindowMain::EditFieldPoolLabelClass*>(c);
            break;
        case Surface:
            rightClass = dynamic_cast<WindowMain::popSurfacesClass*>(c);
            break;
        case Button:
            rightClass = typeid(*c) == typeid(PushButton);
            break;
        case TimerK:
            rightClass = dynamic_cast<WindowMain::TimerMainClass*>(c);
            break;
        case Count:
            rightClass = dynamic_cast<WindowMain::StaticTextPopSizeClass*>(c);
            break;
        case Clear:
            rightClass = dynamic_cast<WindowMain::PushButtonClearClass*>(c);
            break;
        case Card:
            rightClass = typeid(*c) == typeid(spriteDataPopUp);
            break;
        case Image:
            rightClass = typeid(*c) == typeid(spritePopUp);
            break;
        }
        EXPECT_TRUE(rightClass);
        if (row.kind == TimerK) {
            auto* timer = dynamic_cast<WindowMain::TimerMainClass*>(c);
            ASSERT_TRUE(timer);
            EXPECT_EQ(timer->Mode(), 0);
            EXPECT_EQ(timer->Period(), 120);
            EXPECT_EQ(timer->Window(), w.get()); // the handler's window
            EXPECT_EQ(timer->GetIndex(), 0);
            EXPECT_TRUE(timer->HasEventHandler("Action"));
            continue;
        }
        auto* rc = dynamic_cast<RectControl*>(c);
        ASSERT_TRUE(rc);
        EXPECT_EQ(rc->Left(), row.left);
        EXPECT_EQ(rc->Top(), row.top);
        EXPECT_EQ(rc->Width(), row.width);
        EXPECT_EQ(rc->Height(), row.height);
        EXPECT_EQ(rc->Visible(), row.visible);
        EXPECT_TRUE(rc->Enabled());
        if (auto* label = dynamic_cast<StaticText*>(c)) {
            EXPECT_EQ(label->Text(), row.text);
            EXPECT_EQ(label->TextAlign(), row.name == std::string("StaticText3") ? 2 : 0);
            EXPECT_EQ(label->style.TextSize, 12);
        } else if (auto* button = dynamic_cast<PushButton*>(c)) {
            EXPECT_EQ(button->Caption(), row.text);
            EXPECT_FALSE(button->Default);
            EXPECT_TRUE(button->HasEventHandler("Action"));
        } else if (auto* field = dynamic_cast<EditField*>(c)) {
            EXPECT_EQ(field->Text(), row.text);
            EXPECT_FALSE(field->Border);
            EXPECT_FALSE(field->ReadOnly);
            EXPECT_FALSE(field->Multiline);
        } else if (auto* pond = dynamic_cast<popSurface*>(c)) {
            EXPECT_TRUE(pond->HasEventHandler("Open"));
            // The Open handler has prepared it.
            EXPECT_EQ(pond->FrameSpeed, 2);
            EXPECT_TRUE(pond->ClickToStop);
            EXPECT_TRUE(pond->Backdrop);
            EXPECT_FALSE(pond->processingClick);
        }
    }
    EXPECT_TRUE(boxes.texts.empty()); // every list read without a fault
}

TEST_F(MainWindowTest, ListsStandInTheNameFirstOrder) {
    namespace O = ListOrder::NameFirst;
    namespace L = WindowMainLists;
    const std::vector<std::pair<const std::string*, const std::vector<std::string>*>> lists = {
        {&L::Window, &ListOrder::Window},           {&L::StaticTextScenario, &O::StaticText},
        {&L::EditFieldPoolLabel[3], &O::EditField}, {&L::popSurfaces[5], &O::SpriteSurface},
        {&L::PushButtonRun, &O::PushButton},        {&L::StaticTextPopSize[2], &O::StaticText},
        {&L::PushButtonClear[0], &O::PushButton},   {&L::StaticTextNumClicks, &O::StaticText},
        {&L::spriteDataPopUp1, &O::Canvas},         {&L::spritePopUp1, &O::Canvas},
        {&L::StaticText3, &O::StaticText},
    };
    for (auto& [list, names] : lists)
        EXPECT_EQ(EntryNames(*list), *names);
    auto timer = DecodePropertyList(L::TimerMain);
    ASSERT_EQ(timer.entries.size(), 2u);
    EXPECT_EQ(timer.entries[0].name, "Mode");
    EXPECT_EQ(timer.entries[1].name, "Period");
    EXPECT_EQ(L::popSurfaces.size(), 6u); // members 0 to 5, no more

    // The surface's own property is set from its list as well.
    popSurface fresh;
    fresh.processingClick = true;
    EXPECT_FALSE(SetProperties(fresh, L::popSurfaces[0]));
    EXPECT_FALSE(fresh.processingClick);
    EXPECT_EQ(fresh.Index, 0);
}

TEST_F(MainWindowTest, IsAFixedSizeWindowWithTheApplicationsMenuBar) {
    EXPECT_EQ(w->Title, "Tarnwick");
    EXPECT_EQ(w->Width(), 663);
    EXPECT_EQ(w->Height(), 520);
    EXPECT_FALSE(w->Resizeable);
    EXPECT_FALSE(w->MinimizeButton);
    EXPECT_FALSE(w->MaximizeButton);
    EXPECT_TRUE(w->CloseButton);
    EXPECT_EQ(w->MenuBar, Menu());
    show();
    EXPECT_EQ(uitest::ClientSize(*w), (std::pair<int, int>{663, 520}));
    EXPECT_EQ(uitest::MenuTitles(*w), (std::vector<std::string>{"File", "Edit", "Tools"}));
}

TEST_F(MainWindowTest, StartsEmptyPausedAndStill) {
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(Ubound(surface(i)->sprites), 0);
        EXPECT_EQ(count(i), "0");
        EXPECT_EQ(w->PushButtonClear(i)->Index, i);
        EXPECT_EQ(w->StaticTextPopSize(i)->Index, i);
        EXPECT_EQ(surface(i)->Index, i);
    }
    EXPECT_EQ(w->StaticTextNumClicks()->Text(), "0");
    EXPECT_EQ(w->StaticTextScenario()->Text(), "Scenario: None chosen");
    EXPECT_EQ(w->PushButtonRun()->Caption(), "Run");
    EXPECT_EQ(w->fromPond, -1);
    EXPECT_EQ(w->DragSprite, nullptr);
    EXPECT_FALSE(w->spritePopUp1()->Visible());
    EXPECT_FALSE(w->spriteDataPopUp1()->Visible());
    show();
    uitest::ProcessEvents(300); // more than two periods
    EXPECT_EQ(w->StaticTextNumClicks()->Text(), "0");
    EXPECT_EQ(w->TimerMain()->Mode(), 0);
}

// ---- Run loop and counts ---------------------------------------------------------------

TEST_F(MainWindowTest, RunAndPauseSwitchTheTimerAndAllSixClearButtons) {
    show();
    auto run = w->PushButtonRun();
    uitest::Click(*run);
    EXPECT_EQ(run->Caption(), "Pause");
    EXPECT_EQ(w->TimerMain()->Mode(), 2);
    for (int i = 0; i <= 5; ++i)
        EXPECT_FALSE(w->PushButtonClear(i)->Enabled()) << i;

    uitest::Click(*run);
    EXPECT_EQ(run->Caption(), "Run");
    EXPECT_EQ(w->TimerMain()->Mode(), 0);
    for (int i = 0; i <= 5; ++i)
        EXPECT_TRUE(w->PushButtonClear(i)->Enabled()) << i;

    // Any other caption is no run state: nothing changes.
    run->setCaption("Stop");
    uitest::Click(*run);
    EXPECT_EQ(run->Caption(), "Stop");
    EXPECT_EQ(w->TimerMain()->Mode(), 0);
    for (int i = 0; i <= 5; ++i)
        EXPECT_TRUE(w->PushButtonClear(i)->Enabled()) << i;
}

// By keyboard: Tab to Run, Space runs, and the keyboard stays on the button, so the next
// Space pauses.
TEST_F(MainWindowTest, RunByKeyboardKeepsTheKeyboardOnRunAndPause) {
    show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*w); }));
    w->SetFocus();
    for (int i = 0; i < 40 && uitest::FocusedName(*w) != "PushButtonRun"; ++i)
        uitest::PressKeysOnKeyboard(*w, "Tab");
    ASSERT_EQ(uitest::FocusedName(*w), "PushButtonRun");
    uitest::PressKeysOnKeyboard(*w, "Space");
    EXPECT_EQ(w->PushButtonRun()->Caption(), "Pause");
    EXPECT_EQ(uitest::FocusedName(*w), "PushButtonRun");
    uitest::PressKeysOnKeyboard(*w, "Space");
    EXPECT_EQ(w->PushButtonRun()->Caption(), "Run");
    EXPECT_EQ(w->TimerMain()->Mode(), 0);
}

TEST_F(MainWindowTest, ATickRunsEachSurfaceOnceInOrderThenCountsThenTheDay) {
    // What each frame sees: its surface, the day and the top pond's count label.
    std::vector<std::string> frames;
    for (int i = 0; i <= 5; ++i)
        surface(i)->doAttach(std::make_shared<FrameProbe>([&](smartSurface& s) {
            frames.push_back(std::to_string(s.Index) + " day " + w->StaticTextNumClicks()->Text() +
                             " count " + count(0));
        }));
    addCritter(*surface(0), 100, 100); // counted on the surface, not yet on the label
    frames.clear();

    tick();
    EXPECT_EQ(frames,
              (std::vector<std::string>{"0 day 0 count 0", "1 day 0 count 0", "2 day 0 count 0",
                                        "3 day 0 count 0", "4 day 0 count 0", "5 day 0 count 0"}));
    EXPECT_EQ(count(0), "1");
    EXPECT_EQ(w->StaticTextNumClicks()->Text(), "1");

    frames.clear();
    tick();
    EXPECT_EQ(frames.size(), 6u);
    EXPECT_EQ(w->StaticTextNumClicks()->Text(), "2");

    // Pausing and running again goes on counting from there.
    w->PushButtonRun_Action(*w->PushButtonRun());
    w->PushButtonRun_Action(*w->PushButtonRun());
    EXPECT_EQ(w->PushButtonRun()->Caption(), "Run");
    tick();
    EXPECT_EQ(w->StaticTextNumClicks()->Text(), "3");
}

TEST_F(MainWindowTest, TheDayCounterReadsBackAsTheNextWholeNumber) {
    for (double start : {0.0, 41.0, 999999.0, 123456789012.0, 9007199254740990.0}) {
        w->StaticTextNumClicks()->setText(Str(start));
        w->TimerMain_Action(*w->TimerMain());
        const std::string shown = w->StaticTextNumClicks()->Text();
        EXPECT_EQ(Val(shown), start + 1) << shown;
        EXPECT_EQ(shown.find_first_of("eE."), std::string::npos) << shown;
    }
}

TEST_F(MainWindowTest, LoopsReadTheLastPondIndexAndGiveTheBackgroundOnePassEach) {
    // On empty surfaces a day is the loop over the surfaces and the loop over the labels.
    BackgroundTaskCounter all;
    w->TimerMain_Action(*w->TimerMain());
    EXPECT_EQ(all.calls(), 12u);

    Globals::NumPopSurfaces = 3; // read, not fixed: four passes each
    BackgroundTaskCounter fewer;
    w->TimerMain_Action(*w->TimerMain());
    w->UpdateSizes();
    Globals::NumPopSurfaces = 5;
    EXPECT_EQ(fewer.calls(), 12u);
}

TEST_F(MainWindowTest, UpdateSizesRewritesOnlyALabelWhoseValueDiffers) {
    struct Case {
        const char* shown;
        int critters;
        const char* after;
    };
    const Case cases[] = {
        {"1.0", 1, "1.0"},   // reads as the count: left alone
        {"2abc", 2, "2abc"}, // so does this
        {"7", 3, "3"},       // a wrong number
        {"abc", 3, "3"},     // not a number at all
        {"", 2, "2"},
    };
    auto pool = surface(2);
    for (const Case& c : cases) {
        pool->clear();
        for (int k = 0; k < c.critters; ++k)
            addCritter(*pool, 10 + 15 * k, 10);
        w->StaticTextPopSize(2)->setText(c.shown);
        w->UpdateSizes();
        EXPECT_EQ(count(2), c.after) << c.shown;
    }
}

TEST_F(MainWindowTest, ClearButtonHandsOverOnlyANonEmptyPool) {
    show();
    // An empty pool: nothing but the focus.
    uitest::Click(*w->PushButtonClear(4));
    EXPECT_EQ(w->fromPond, -1);
    EXPECT_EQ(GetImplicitWindow("WindowWhereTo.WindowWhereTo"), nullptr);

    // A pool holding only worms shows no critter, but is not empty.
    addWorm(*surface(3), 20, 20);
    w->UpdateSizes();
    EXPECT_EQ(count(3), "0");
    uitest::Click(*w->PushButtonClear(3));
    EXPECT_EQ(w->fromPond, 3);
    EXPECT_NE(GetImplicitWindow("WindowWhereTo.WindowWhereTo"), nullptr);
}

TEST_F(MainWindowTest, ClearAllEmptiesEverySurfaceAndZeroesTheCounts) {
    for (int i = 0; i <= 5; ++i) {
        addCritter(*surface(i), 10, 10);
        addWorm(*surface(i), 40, 40);
    }
    w->UpdateSizes();
    EXPECT_EQ(count(4), "1");
    w->ClearAll();
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(Ubound(surface(i)->sprites), 0) << i;
        EXPECT_EQ(surface(i)->numWorms, 0) << i;
        EXPECT_EQ(count(i), "0") << i;
    }
}

// ---- Filling a pond --------------------------------------------------------------------

namespace {

// The draws of one critter: its four of prepare (heading 0, place), both alleles, the
// exposure (if any) and the age.
std::vector<double> critterDraws(double x, double y, double m, double p,
                                 std::vector<double> exposure, double age) {
    std::vector<double> d = {0.0, 0.0, x, y, m, p};
    d.insert(d.end(), exposure.begin(), exposure.end());
    d.push_back(age);
    return d;
}

// Worms gathered in one spot, away from the corners where the critters are put.
std::vector<double> wormDraws(int n) {
    std::vector<double> d;
    for (int k = 0; k < n; ++k)
        d.insert(d.end(), {0.0, 0.5, 0.5});
    return d;
}

std::vector<double> operator+(std::vector<double> a, const std::vector<double>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST_F(MainWindowTest, PopulatePondDrawsCritterByCritterThenWormsAndKeepsWhatWasThere) {
    // Start-up gave "Genetic" with the top pond at 5 worms and allele frequency 0.7.
    ASSERT_EQ(Globals::Scenario, "Genetic");
    ASSERT_EQ(Globals::MaxNumWorms[0], 5);
    ASSERT_EQ(Globals::AlleleFreq[0], 0.7);
    auto pond = surface(0);
    auto earlier = addWorm(*pond, 60, 150);

    // The first: a draw equal to the frequency gives allele 1, and age 50 starts grown.
    // The second: a draw equal to 0.15 leaves it unexposed; age 49 grows up in the closing
    // frame.
    Replay replay(critterDraws(0.0, 0.0, 0.69, 0.7, {0.14}, 0.25) +
                  critterDraws(0.9, 0.9, 0.9, 0.95, {0.15}, 0.2449) + wormDraws(5));
    w->PopulatePond(0, 2);
    EXPECT_EQ(replay.source->remaining(), 0u);

    ASSERT_EQ(Ubound(pond->sprites), 8);
    EXPECT_EQ(pond->sprites[1], earlier);
    auto first = std::dynamic_pointer_cast<critterSprite>(pond->sprites[2]);
    auto second = std::dynamic_pointer_cast<critterSprite>(pond->sprites[3]);
    ASSERT_TRUE(first && second);
    for (int k = 4; k <= 8; ++k)
        EXPECT_TRUE(std::dynamic_pointer_cast<wormSprite>(pond->sprites[k]));

    EXPECT_EQ(first->mAllele, 0);
    EXPECT_EQ(first->pAllele, 1);
    EXPECT_TRUE(first->exposed);
    EXPECT_EQ(first->age, 51); // one day older after the closing frame
    EXPECT_EQ(first->phenotype, "frog");
    EXPECT_EQ(first->Image, first->iAdult);

    EXPECT_EQ(second->mAllele, 1);
    EXPECT_EQ(second->pAllele, 1);
    EXPECT_FALSE(second->exposed);
    EXPECT_EQ(second->age, 50);
    EXPECT_EQ(second->phenotype, "fivelegs");
    EXPECT_EQ(second->Image, second->iAdult);

    EXPECT_EQ(pond->numCritters, 2);
    EXPECT_EQ(pond->numWorms, 6);
    EXPECT_EQ(count(0), "0"); // the caller refreshes the labels
    EXPECT_TRUE(boxes.texts.empty());
}

TEST_F(MainWindowTest, PopulatePondGivesGrownCrittersTheScenariosPhenotype) {
    struct Case {
        const char* scenario;
        double m, p, exposure;
        std::vector<double> extra; // metamorphosis' own draw
        const char* phenotype;
    };
    // Allele frequency 0.5, 30 worms (exposed below 0.45); age 100.
    const Case cases[] = {
        {"Genetic", 0.9, 0.9, 0.9, {}, "fivelegs"},
        {"Genetic", 0.1, 0.9, 0.1, {}, "frog"},
        {"Environmental", 0.1, 0.1, 0.44, {}, "fivelegs"},
        {"Environmental", 0.9, 0.9, 0.45, {}, "frog"},
        {"Both", 0.9, 0.9, 0.1, {}, "fivelegs"},
        {"Both", 0.9, 0.9, 0.9, {}, "frog"},
        {"Both", 0.1, 0.9, 0.1, {}, "frog"},
        {"Random", 0.1, 0.1, 0.9, {0.32}, "fivelegs"},
        {"Random", 0.9, 0.9, 0.1, {0.33}, "frog"},
    };
    Globals::AlleleFreq[1] = 0.5;
    Globals::MaxNumWorms[1] = 30;
    auto pond = surface(1);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.scenario) + " " + c.phenotype);
        Globals::Scenario = c.scenario;
        pond->clear();
        Replay replay(critterDraws(0.0, 0.0, c.m, c.p, {c.exposure}, 0.5) + c.extra +
                      wormDraws(30));
        w->PopulatePond(1, 1);
        EXPECT_EQ(replay.source->remaining(), 0u);
        auto critter = std::dynamic_pointer_cast<critterSprite>(pond->sprites[1]);
        ASSERT_TRUE(critter);
        EXPECT_EQ(critter->age, 101);
        EXPECT_EQ(critter->phenotype, c.phenotype);
    }
}

TEST_F(MainWindowTest, PopulatePondAgesAcrossTheClosingFrame) {
    // Under "Random" each metamorphosis draws once, so the replay shows when it happens.
    Globals::Scenario = "Random";
    auto pond = surface(0);
    Replay replay(critterDraws(0.0, 0.0, 0.1, 0.1, {0.9}, 0.2449) + // 49: a tadpole for now
                  critterDraws(0.5, 0.0, 0.1, 0.1, {0.9}, 0.25) + std::vector<double>{0.9} +
                  critterDraws(0.9, 0.9, 0.1, 0.1, {0.9}, 0.999) + std::vector<double>{0.9} +
                  wormDraws(5) + std::vector<double>{0.1}); // the 49-year-old in the frame
    w->PopulatePond(0, 3);
    EXPECT_EQ(replay.source->remaining(), 0u);

    // 200 became 201 in the frame, past the lifespan: gone.
    ASSERT_EQ(pond->numCritters, 2);
    auto late = std::dynamic_pointer_cast<critterSprite>(pond->sprites[1]);
    auto grown = std::dynamic_pointer_cast<critterSprite>(pond->sprites[2]);
    ASSERT_TRUE(late && grown);
    EXPECT_EQ(late->age, 50);
    EXPECT_EQ(late->phenotype, "fivelegs"); // its draw 0.1, in the frame
    EXPECT_EQ(grown->age, 51);
    EXPECT_EQ(grown->phenotype, "frog"); // not drawn again in the frame
}

TEST_F(MainWindowTest, PopulatePondWithNoCrittersStillAddsTheWormsAndRunsAFrame) {
    for (int32_t n : {0, -3}) {
        surface(1)->clear();
        Replay replay(wormDraws(30));
        w->PopulatePond(1, n);
        EXPECT_EQ(replay.source->remaining(), 0u);
        EXPECT_EQ(surface(1)->numCritters, 0);
        EXPECT_EQ(surface(1)->numWorms, 30);
        // The frame moved them half a pixel along heading 0 from 124.
        auto worm = std::dynamic_pointer_cast<wormSprite>(surface(1)->sprites[1]);
        ASSERT_TRUE(worm);
        EXPECT_DOUBLE_EQ(worm->xLoc, 0.5 * (256 - 20 - 8) + 10 + 0.5);
    }
}

TEST_F(MainWindowTest, PopulatePondReportsAnUnknownWormNumberOncePerCritter) {
    const std::string message =
        "Error in WindowMain.PopulatePond.  Don't know equilibrium exposure.";
    Globals::MaxNumWorms[0] = 7;
    {
        // No exposure draw, and the critter stays unexposed.
        Replay replay(critterDraws(0.0, 0.0, 0.1, 0.1, {}, 0.1) + wormDraws(7));
        w->PopulatePond(0, 1);
        EXPECT_EQ(replay.source->remaining(), 0u);
        EXPECT_EQ(boxes.texts, std::vector<std::string>{message});
        auto critter = std::dynamic_pointer_cast<critterSprite>(surface(0)->sprites[1]);
        ASSERT_TRUE(critter);
        EXPECT_FALSE(critter->exposed);
    }
    surface(0)->clear();
    boxes.texts.clear();
    {
        ScopedRandomSource seeded(std::make_shared<SeededRandom>(7));
        w->PopulatePond(0, 85);
    }
    EXPECT_EQ(boxes.texts, std::vector<std::string>(85, message));
    EXPECT_EQ(surface(0)->numWorms, 7);
}

TEST_F(MainWindowTest, PopulatePondOfAnIndexOtherThanTheTwoPondsDoesNothing) {
    for (int32_t pond : {-1, 2, 5, 6, 1000}) {
        Replay nothing; // any draw would throw
        w->PopulatePond(pond, 10);
        for (int i = 0; i <= 5; ++i)
            EXPECT_EQ(Ubound(surface(i)->sprites), 0) << pond;
    }
    EXPECT_TRUE(boxes.texts.empty());
}

// ---- A filled window, as the student first sees it -----------------------------------

TEST_F(MainWindowTest, FilledWindowShowsItsCounts) {
    {
        ScopedRandomSource seeded(std::make_shared<SeededRandom>(11));
        w->ClearAll();
        w->PopulatePond(0, 85);
        w->PopulatePond(1, 85);
    }
    addCritter(*surface(2), 20, 20);
    addWorm(*surface(5), 30, 30);
    w->UpdateSizes();
    w->StaticTextScenario()->setText("Scenario: One");
    show();
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(uitest::ShownText(*w->StaticTextPopSize(i)), Str(surface(i)->numCritters));
    EXPECT_GT(surface(0)->numCritters, 80);
    EXPECT_EQ(uitest::ShownText(*w->StaticTextNumClicks()), "0");
    // Set TARNWICK_GRAB_DIR to look at it.
    if (const char* dir = std::getenv("TARNWICK_GRAB_DIR")) {
        EXPECT_TRUE(uitest::SaveGrab(*w, std::string(dir) + "/main_window.png"));
        EXPECT_TRUE(uitest::SaveGrab(*w, std::string(dir) + "/main_window_frame.png", true));
    }
}

// The main window takes the keyboard itself whenever it comes to the front: keys typed at it
// go into no pool's label field until one is clicked.
TEST_F(MainWindowTest, KeysTypedAtTheOpenedMainWindowGoIntoNoLabelField) {
    show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*w); }));
    uitest::TypeOnKeyboard(*w, "7");
    EXPECT_EQ(uitest::FocusedName(*w), "(window)");
    for (int32_t i = 0; i < 4; ++i)
        EXPECT_EQ(w->EditFieldPoolLabel(i)->Text(), "") << i;
}

namespace {
// The main window without its own hold on the keyboard: it leaves that to the platform.
class WindowMainLeftToThePlatform : public WindowMain {
  public:
    void Event_Activate() override {}
};
} // namespace

// That hold is the main window's own: the platform puts a dialog's keyboard into its first
// text field with the text selected, so that typing replaces it, but leaves a document
// window's to its program. Without the hold, a key typed at the opened main window does not
// replace its first label's text (the toolkit may still put the key after it).
TEST_F(MainWindowTest, ThePlatformLeavesTheMainWindowsKeyboardToTheProgram) {
    auto bare = ImplicitInstance<WindowMainLeftToThePlatform>(
        "MainWindowLeftToThePlatform.MainWindowLeftToThePlatform");
    ASSERT_TRUE(bare);
    bare->EditFieldPoolLabel(0)->setText("Pond A");
    bare->Show();
    ASSERT_TRUE(uitest::WaitUntil([&] { return uitest::IsActive(*bare); }));
    uitest::TypeOnKeyboard(*bare, "7");
    const std::string label = bare->EditFieldPoolLabel(0)->Text();
    EXPECT_TRUE(label.starts_with("Pond A")) << label;
}
