// The scenario dialog: how it is built, when it offers Cancel, which row it preselects, and
// what Okay, Cancel and the close box do to the main window and the settings.
#include "tests/app/AppTestSupport.h"

#include "app/dialogs/WindowSelectScenario.h"
#include "model/critterSprite.h"
#include "model/smartSprite.h"
#include "model/wormSprite.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/WindowMain.h"
#include "tests/support/PondStock.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

// Hands out the scripted values first, then seeded ones: the first draw of an Okay is the
// scenario's choice of the pond with many worms.
class ScriptedRandom : public RandomSource {
  public:
    explicit ScriptedRandom(std::deque<double> first) : first_(std::move(first)) {}
    void script(double v) { first_.push_back(v); }
    double next() override {
        if (first_.empty()) return rest_.next();
        const double v = first_.front();
        first_.pop_front();
        return v;
    }

  private:
    std::deque<double> first_;
    SeededRandom rest_{20240611};
};

// What Okay, Cancel and the close box may change: every surface's animals, every label of
// the main window, the settings.
struct Snapshot {
    std::vector<std::vector<std::shared_ptr<smartSprite>>> sprites;
    std::vector<std::string> labels;
    std::string scenario;
    std::vector<int32_t> worms;
    std::vector<double> freq;
    bool operator==(const Snapshot&) const = default;
};

class SelectScenarioTest : public AppTest {
  protected:
    void SetUp() override {
        AppTest::SetUp();
        random = std::make_shared<ScriptedRandom>(std::deque<double>{});
        scope = std::make_unique<ScopedRandomSource>(random);
    }
    void TearDown() override {
        AppTest::TearDown();
        scope.reset();
    }

    // The dialog as start-up and "Reset..." show it.
    std::shared_ptr<class WindowSelectScenario> shown() {
        WindowMain()->Show();
        auto d = WindowSelectScenario();
        d->Show();
        return d;
    }
    void pressOkay(class WindowSelectScenario& d) { uitest::Click(*d.PushButtonOkay()); }

    static Snapshot snapshot() {
        auto main = WindowMain();
        Snapshot s;
        for (int32_t i = 0; i <= 5; ++i) {
            s.sprites.push_back(main->popSurfaces(i)->sprites);
            s.labels.push_back(main->StaticTextPopSize(i)->Text());
        }
        s.labels.push_back(main->StaticTextNumClicks()->Text());
        s.labels.push_back(main->StaticTextScenario()->Text());
        s.labels.push_back(main->PushButtonRun()->Caption());
        s.scenario = Globals::Scenario;
        s.worms = Globals::MaxNumWorms;
        s.freq = Globals::AlleleFreq;
        return s;
    }

    static void putInPool(int32_t pool, int count) {
        auto surface = WindowMain()->popSurfaces(pool);
        StockCritters(*surface, count);
        StockWorms(*surface, 1);
        WindowMain()->UpdateSizes();
    }

    std::shared_ptr<ScriptedRandom> random;
    std::unique_ptr<ScopedRandomSource> scope;
};

bool isOpen(std::string_view fullName) { return GetImplicitWindow(fullName) != nullptr; }
constexpr const char* kDialog = "WindowSelectScenario.WindowSelectScenario";

} // namespace

TEST_F(SelectScenarioTest, BuildsItsWindowAndFourControlsInTabOrder) {
    auto d = shown();
    EXPECT_EQ(d->Title, "Select scenario");
    EXPECT_EQ(d->Width(), 256);
    EXPECT_EQ(d->Height(), 152);
    EXPECT_EQ(d->Frame, 2);
    EXPECT_TRUE(d->CloseButton);

    struct Row {
        std::string name;
        int left, top, width, height;
        std::string shown;
        bool visible;
    };
    const std::vector<Row> rows = {
        {"StaticText1", 17, 41, 118, 20, "Select a scenario:", true},
        {"PushButtonOkay", 158, 97, 69, 20, "Okay", true},
        {"PopupMenuScenario", 147, 41, 80, 20, "One", true},
        {"PushButtonCancel", 79, 97, 69, 20, "Cancel", false},
    };
    ASSERT_EQ(d->Controls().size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].name);
        auto c = std::dynamic_pointer_cast<RectControl>(d->Controls()[i]);
        ASSERT_TRUE(c);
        EXPECT_EQ(c->Name, rows[i].name);
        EXPECT_EQ(c->Index, Control::NoIndex);
        EXPECT_EQ((std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()}),
                  (std::vector<int>{rows[i].left, rows[i].top, rows[i].width, rows[i].height}));
        EXPECT_EQ(uitest::ShownText(*c), rows[i].shown);
        EXPECT_EQ(c->Visible(), rows[i].visible);
    }
    EXPECT_EQ(d->StaticText1()->TextAlign(), 2);
    EXPECT_TRUE(d->PushButtonOkay()->Default);
    EXPECT_FALSE(d->PushButtonCancel()->Default);
    auto popup = d->PopupMenuScenario();
    ASSERT_EQ(popup->ListCount(), 4);
    EXPECT_EQ(
        (std::vector<std::string>{popup->List(0), popup->List(1), popup->List(2), popup->List(3)}),
        (std::vector<std::string>{"One", "Two", "Three", "Four"}));
}

TEST_F(SelectScenarioTest, PreselectsTheScenarioInForce) {
    const std::vector<std::pair<std::string, int>> cases = {
        {"Genetic", 0}, {"Random", 1}, {"Environmental", 2}, {"Both", 3}, {"", 0}, {"both", 0}};
    for (const auto& [scenario, row] : cases) {
        SCOPED_TRACE(scenario);
        Globals::Scenario = scenario;
        auto d = WindowSelectScenario();
        EXPECT_EQ(d->PopupMenuScenario()->ListIndex(), row);
        d->Close();
    }
}

TEST_F(SelectScenarioTest, OffersCancelOnlyOnceAScenarioHasBeenApplied) {
    auto first = shown();
    EXPECT_FALSE(first->PushButtonCancel()->Visible());
    random->script(0.9);
    pressOkay(*first);
    ASSERT_FALSE(isOpen(kDialog));

    // "Reset..." builds a new one: Cancel shown, the scenario in force preselected.
    Globals::Scenario = "Both";
    App()->FileReset_Action();
    auto again = WindowSelectScenario();
    EXPECT_TRUE(again->PushButtonCancel()->Visible());
    EXPECT_TRUE(uitest::IsShown(*again));
    EXPECT_EQ(again->PopupMenuScenario()->ListIndex(), 3);
}

TEST_F(SelectScenarioTest, AMainWindowClosedMeanwhileIsRebuiltAndFilledByOkay) {
    auto first = shown();
    random->script(0.9);
    pressOkay(*first);
    auto oldMain = WindowMain();
    oldMain->Close();

    auto d = shown();
    auto rebuilt = WindowMain();
    EXPECT_NE(rebuilt, oldMain);
    EXPECT_FALSE(d->PushButtonCancel()->Visible());

    random->script(0.9);
    pressOkay(*d);
    EXPECT_EQ(WindowMain(), rebuilt);
    EXPECT_TRUE(uitest::IsShown(*rebuilt));
    EXPECT_NE(rebuilt->StaticTextScenario()->Text(), "Scenario: None chosen");
    EXPECT_GT(rebuilt->popSurfaces(0)->numCritters, 0);
}

// Row "Three" over a pond layout of another scenario, with animals in two pools and a day
// count: everything is replaced by a fresh investigation of "Environmental".
TEST_F(SelectScenarioTest, OkayStartsAFreshInvestigationOfTheChosenRow) {
    auto d = shown();
    auto main = WindowMain();
    putInPool(2, 3);
    putInPool(5, 1);
    main->StaticTextNumClicks()->setText("17");
    const auto before = snapshot();

    d->PopupMenuScenario()->setListIndex(2);
    random->script(0.2); // pond 0 gets the 30 worms
    pressOkay(*d);

    EXPECT_FALSE(isOpen(kDialog));
    EXPECT_TRUE(uitest::IsShown(*main));
    EXPECT_EQ(Globals::Scenario, "Environmental");
    EXPECT_EQ(main->StaticTextScenario()->Text(), "Scenario: Three");
    EXPECT_EQ(main->StaticTextNumClicks()->Text(), "0");
    EXPECT_EQ(Globals::MaxNumWorms, (std::vector<int32_t>{30, 5}));
    for (int32_t pond = 0; pond <= 1; ++pond) {
        SCOPED_TRACE(pond);
        auto s = main->popSurfaces(pond);
        EXPECT_EQ(s->numWorms, Globals::MaxNumWorms[std::size_t(pond)]);
        // 85 asked for; the closing frame removes the few that came out past their lifespan.
        EXPECT_GE(s->numCritters, 75);
        EXPECT_LE(s->numCritters, 85);
        EXPECT_EQ(main->StaticTextPopSize(pond)->Text(), std::to_string(s->numCritters));
    }
    for (int32_t pool = 2; pool <= 5; ++pool) {
        SCOPED_TRACE(pool);
        EXPECT_EQ(Ubound(main->popSurfaces(pool)->sprites), 0);
        EXPECT_EQ(main->StaticTextPopSize(pool)->Text(), "0");
    }
    // None of the old animals is left anywhere.
    for (const auto& list : before.sprites)
        for (std::size_t i = 1; i < list.size(); ++i)
            EXPECT_EQ(list[i]->surface(), nullptr);
}

TEST_F(SelectScenarioTest, OkayOnTheSameScenarioDrawsTheWormyPondAnew) {
    auto d = shown();
    d->PopupMenuScenario()->setListIndex(0);
    random->script(0.9); // bottom pond gets 30
    pressOkay(*d);
    auto main = WindowMain();
    ASSERT_EQ(main->popSurfaces(1)->numWorms, 30);
    EXPECT_EQ(Globals::AlleleFreq, (std::vector<double>{0.7, 0.3}));
    const auto firstFill = snapshot();
    main->StaticTextNumClicks()->setText("5");

    App()->FileReset_Action();
    auto again = WindowSelectScenario();
    ASSERT_EQ(again->PopupMenuScenario()->ListIndex(), 0);
    random->script(0.1); // now the top pond gets 30
    pressOkay(*again);

    EXPECT_EQ(main->StaticTextScenario()->Text(), "Scenario: One");
    EXPECT_EQ(main->StaticTextNumClicks()->Text(), "0");
    EXPECT_EQ(main->popSurfaces(0)->numWorms, 30);
    EXPECT_EQ(main->popSurfaces(1)->numWorms, 5);
    EXPECT_EQ(Globals::AlleleFreq, (std::vector<double>{0.3, 0.7}));
    for (const auto& list : firstFill.sprites)
        for (std::size_t i = 1; i < list.size(); ++i)
            EXPECT_EQ(list[i]->surface(), nullptr);
}

TEST_F(SelectScenarioTest, OkayWhileRunningLeavesThePondsRunning) {
    auto d = shown();
    auto main = WindowMain();
    main->PushButtonRun_Action(*main->PushButtonRun());
    ASSERT_EQ(main->PushButtonRun()->Caption(), "Pause");
    main->StaticTextNumClicks()->setText("40");

    // The running main window is behind the modal dialog; press Okay as the handler.
    d->PushButtonOkay_Action(*d->PushButtonOkay());

    EXPECT_EQ(main->PushButtonRun()->Caption(), "Pause");
    EXPECT_EQ(main->TimerMain()->Mode(), 2);
    for (int32_t i = 0; i <= 5; ++i)
        EXPECT_FALSE(main->PushButtonClear(i)->Enabled());
    // The day counter counts on from "0".
    EXPECT_TRUE(uitest::WaitUntil([&] { return main->StaticTextNumClicks()->Text() != "0"; }));
    EXPECT_LT(std::stoi(main->StaticTextNumClicks()->Text()), 40);
    main->PushButtonRun_Action(*main->PushButtonRun());
}

TEST_F(SelectScenarioTest, CancelAndTheCloseBoxChangeNothing) {
    auto first = shown();
    random->script(0.9);
    pressOkay(*first);
    putInPool(3, 2);
    WindowMain()->StaticTextNumClicks()->setText("12");

    const std::vector<std::pair<std::string, std::function<void(class WindowSelectScenario&)>>>
        ways = {
            {"Cancel", [](auto& d) { uitest::Click(*d.PushButtonCancel()); }},
            {"close box", [](auto& d) { d.Close(); }},
        };
    for (const auto& [way, close] : ways) {
        SCOPED_TRACE(way);
        App()->FileReset_Action();
        auto d = WindowSelectScenario();
        d->PopupMenuScenario()->setListIndex(3);
        const auto before = snapshot();
        close(*d);
        EXPECT_FALSE(isOpen(kDialog));
        EXPECT_EQ(snapshot(), before);
    }
}

// A popup without a selection names no scenario: the settings and the label stay, the
// ponds are refilled all the same.
TEST_F(SelectScenarioTest, OkayWithoutASelectionKeepsScenarioAndLabel) {
    auto d = shown();
    Globals::Scenario = "Random";
    d->PopupMenuScenario()->setListIndex(-1);
    pressOkay(*d);
    auto main = WindowMain();
    EXPECT_EQ(Globals::Scenario, "Random");
    EXPECT_EQ(main->StaticTextScenario()->Text(), "Scenario: None chosen");
    EXPECT_GT(main->popSurfaces(0)->numCritters, 0);
    EXPECT_FALSE(isOpen(kDialog));
}
