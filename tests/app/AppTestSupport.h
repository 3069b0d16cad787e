#pragma once
// Shared set-up of the app tests: Globals as start-up leaves them, an App object registered
// with the program's menu bar, and every window closed after each test.

#include "app/App.h"
#include "app/Menu.h"
#include "model/Globals.h"
#include "platform/Application.h"
#include "platform/Numbers.h"
#include "platform/Testing.h"
#include "platform/Window.h"
#include "tests/support/Replay.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Tick 0 picks "Genetic"; the draw 0.9 gives the bottom pond the 30 worms (AlleleFreq 0.7,
// 0.3). Message boxes are recorded, not shown.
class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Globals::CreateArrays();
        {
            FixedTicks ticks(0);
            ScopedRandomSource rnd(std::make_shared<ReplayRandom>(std::vector<double>{0.9}));
            Globals::StartUp();
        }
        CloseAllWindows(); // start-up's own windows, once it shows them
        auto app = std::make_shared<class App>();
        app->MenuBar = Menu();
        RuntimeRegisterAppObject(app);
    }
    void TearDown() override {
        CloseAllWindows();
        RuntimeReleaseAppObject();
        Globals::ReleaseArrays();
        Globals::SampleHasBeenOpen = false;
        Globals::SampleOldLeft = 0;
        Globals::SampleOldTop = 0;
    }
    MsgBoxRecorder boxes;
};
