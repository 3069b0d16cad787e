#include "app/WindowSplash.h"
#include "app/dialogs/WindowSelectScenario.h"
#include "model/Globals.h"
#include "platform/Numbers.h"
#include "platform/Window.h"
#include "platform/testing/ReplayRandom.h"
#include "platform/testing/Testing.h"
#include "pond_window/WindowMain.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class GlobalsTest : public ::testing::Test {
  protected:
    void SetUp() override { Globals::CreateArrays(); }
    void TearDown() override {
        CloseAllWindows(); // start-up's windows
        Globals::ReleaseArrays();
    }
};

struct ScenarioCase {
    int32_t type;
    double draw;
    std::string scenario;
    double freq0, freq1;
    int32_t worms0, worms1;
};

class SetScenarioTable : public GlobalsTest, public ::testing::WithParamInterface<ScenarioCase> {};

TEST_P(SetScenarioTable, SetsTheCaseFromItsOneDraw) {
    const auto& c = GetParam();
    auto replay = std::make_shared<ReplayRandom>(std::vector<double>{c.draw});
    ScopedRandomSource scope(replay);
    Globals::setScenario(c.type);
    EXPECT_EQ(replay->drawn(), 1u);
    EXPECT_EQ(Globals::Scenario, c.scenario);
    ASSERT_EQ(Ubound(Globals::AlleleFreq), 1);
    ASSERT_EQ(Ubound(Globals::MaxNumWorms), 1);
    EXPECT_EQ(Globals::AlleleFreq[0], c.freq0);
    EXPECT_EQ(Globals::AlleleFreq[1], c.freq1);
    EXPECT_EQ(Globals::MaxNumWorms[0], c.worms0);
    EXPECT_EQ(Globals::MaxNumWorms[1], c.worms1);
}

// A draw of exactly 0.5 takes the right-hand column.
INSTANTIATE_TEST_SUITE_P(
    BothSidesOfOneHalf, SetScenarioTable,
    ::testing::Values(ScenarioCase{1, 0.4999, "Genetic", 0.3, 0.7, 30, 5},
                      ScenarioCase{1, 0.5, "Genetic", 0.7, 0.3, 5, 30},
                      ScenarioCase{2, 0.0, "Random", 0.5, 0.5, 30, 5},
                      ScenarioCase{2, 0.5, "Random", 0.5, 0.5, 5, 30},
                      ScenarioCase{3, 0.4999, "Environmental", 0.5, 0.5, 30, 5},
                      ScenarioCase{3, 0.9999, "Environmental", 0.5, 0.5, 5, 30},
                      ScenarioCase{4, 0.4999, "Both", 0.1, 0.35, 30, 5},
                      ScenarioCase{4, 0.5, "Both", 0.35, 0.1, 5, 30}));

TEST_F(GlobalsTest, OtherTypesChangeNothingAndDrawNothing) {
    auto replay = std::make_shared<ReplayRandom>(std::vector<double>{0.9, 0.2});
    ScopedRandomSource scope(replay);
    Globals::setScenario(1); // "Genetic", 0.7 / 0.3, 5 / 30
    for (int32_t type : {0, 5, -1}) {
        Globals::setScenario(type);
        EXPECT_EQ(replay->drawn(), 1u) << type;
        EXPECT_EQ(Globals::Scenario, "Genetic") << type;
        EXPECT_EQ(Globals::AlleleFreq, (std::vector<double>{0.7, 0.3})) << type;
        EXPECT_EQ(Globals::MaxNumWorms, (std::vector<int32_t>{5, 30})) << type;
    }
    // "Random" overwrites the frequencies the earlier scenario left.
    Globals::setScenario(2);
    EXPECT_EQ(replay->drawn(), 2u);
    EXPECT_EQ(Globals::Scenario, "Random");
    EXPECT_EQ(Globals::AlleleFreq, (std::vector<double>{0.5, 0.5}));
    EXPECT_EQ(Globals::MaxNumWorms, (std::vector<int32_t>{30, 5}));
}

TEST_F(GlobalsTest, IgnoredTypeOnFreshArraysKeepsThemAtOneElement) {
    ScopedRandomSource scope(std::make_shared<ReplayRandom>(std::vector<double>{}));
    Globals::setScenario(0);
    EXPECT_EQ(Globals::Scenario, "");
    EXPECT_EQ(Ubound(Globals::AlleleFreq), 0);
    EXPECT_EQ(Ubound(Globals::MaxNumWorms), 0);
}

TEST_F(GlobalsTest, StartUpSetsTheConstantsAndTheCaps) {
    FixedTicks ticks(0);
    ScopedRandomSource scope(std::make_shared<ReplayRandom>(std::vector<double>{0.1, 0.1}));
    Globals::StartUp(); // the windows' loops read the constants: set them once first
    CloseAllWindows();
    Globals::SampleHasBeenOpen = true;
    // What showing the first windows costs by itself, to tell the settings' own loop apart.
    BackgroundTaskCounter windows;
    WindowMain()->Show();
    WindowSelectScenario()->Show();
    WindowSplash()->Show();
    const uint64_t windowCalls = windows.calls();
    CloseAllWindows();
    BackgroundTaskCounter background;
    Globals::StartUp();
    EXPECT_EQ(Globals::AgeAtMaturity, 50);
    EXPECT_EQ(Globals::Interbirth, 20);
    EXPECT_EQ(Globals::Lifespan, 200);
    EXPECT_EQ(Globals::NumPopSurfaces, 5);
    EXPECT_EQ(Globals::MaxNumCritters, (std::vector<int32_t>{85, 85, 25, 25, 25, 25}));
    EXPECT_FALSE(Globals::SampleHasBeenOpen);
    EXPECT_EQ(background.calls(), 4u + windowCalls); // one per pass of the loop over the pools
}

struct TickCase {
    int32_t ticks;
    std::string scenario; // empty: no type picked, nothing drawn
};

class StartUpTicks : public GlobalsTest, public ::testing::WithParamInterface<TickCase> {};

TEST_P(StartUpTicks, PicksTheFirstScenarioFromTheTickCount) {
    const auto& c = GetParam();
    FixedTicks ticks(c.ticks);
    auto replay = std::make_shared<ReplayRandom>(std::vector<double>{0.3});
    ScopedRandomSource scope(replay);
    Globals::StartUp();
    EXPECT_EQ(Globals::Scenario, c.scenario);
    EXPECT_EQ(replay->drawn(), c.scenario.empty() ? 0u : 1u);
    EXPECT_EQ(Ubound(Globals::MaxNumWorms), c.scenario.empty() ? 0 : 1);
}

// The remainder keeps the sign of the tick count: -1, -2 and -3 give types 0, -1 and -2.
INSTANTIATE_TEST_SUITE_P(TickCounts, StartUpTicks,
                         ::testing::Values(TickCase{7, "Both"}, TickCase{8, "Genetic"},
                                           TickCase{5, "Random"}, TickCase{2, "Environmental"},
                                           TickCase{-1, ""}, TickCase{-2, ""}, TickCase{-3, ""},
                                           TickCase{-4, "Genetic"}));

} // namespace
