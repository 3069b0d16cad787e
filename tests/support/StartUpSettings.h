#pragma once
// Globals as start-up leaves them, for tests that need the settings but not its windows.

#include "model/Globals.h"
#include "platform/Numbers.h"
#include "platform/Window.h"
#include "platform/testing/ReplayRandom.h"
#include "platform/testing/Testing.h"

#include <memory>
#include <vector>

// Tick 0 picks "Genetic"; the draw 0.9 gives the bottom pond the 30 worms (AlleleFreq 0.7,
// 0.3). The windows start-up shows are closed again.
inline void StartUpSettings() {
    Globals::CreateArrays();
    FixedTicks ticks(0);
    ScopedRandomSource rnd(std::make_shared<ReplayRandom>(std::vector<double>{0.9}));
    Globals::StartUp();
    CloseAllWindows();
}
