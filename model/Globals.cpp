#include "model/Globals.h"

#include "app/WindowSplash.h"
#include "app/dialogs/WindowSelectScenario.h"
#include "platform/Numbers.h"
#include "pond_window/WindowMain.h"
#include "platform/Runtime.h"

namespace Globals {

void CreateArrays() {
    MaxNumCritters.assign(1, 0);
    AlleleFreq.assign(1, 0.0);
    MaxNumWorms.assign(1, 0);
}

void ReleaseArrays() {
    MaxNumCritters = {};
    AlleleFreq = {};
    MaxNumWorms = {};
    Scenario = {};
}

void StartUp() {
    AgeAtMaturity = 50;
    Interbirth = 20;
    Lifespan = 200;
    NumPopSurfaces = 5;

    Redim(MaxNumCritters, 5);
    MaxNumCritters[0] = 85;
    MaxNumCritters[1] = 85;
    for (int32_t i = 2; i <= Ubound(MaxNumCritters); ++i) {
        RuntimeBackgroundTask();
        MaxNumCritters[std::size_t(i)] = 25;
    }

    SampleHasBeenOpen = false;

    // The remainder keeps the sign of the tick count, so a negative count may pick no type.
    setScenario((Ticks() % 4) + 1);

    // The first windows: the splash, shown last, lies in front of the other two.
    WindowMain()->Show();
    WindowSelectScenario()->Show();
    WindowSplash()->Show();
}

void setScenario(int32_t type) {
    static const char* const names[] = {"Genetic", "Random", "Environmental", "Both"};
    if (type < 1 || type > 4) return;
    Scenario = names[type - 1];
    Redim(AlleleFreq, 1);
    Redim(MaxNumWorms, 1);
    if (type == 2 || type == 3) {
        AlleleFreq[0] = 0.5;
        AlleleFreq[1] = 0.5;
    }
    const bool firstPondInfested = Rnd() < 0.5;
    MaxNumWorms[0] = firstPondInfested ? 30 : 5;
    MaxNumWorms[1] = firstPondInfested ? 5 : 30;
    if (type == 1) {
        AlleleFreq[0] = firstPondInfested ? 0.3 : 0.7;
        AlleleFreq[1] = firstPondInfested ? 0.7 : 0.3;
    } else if (type == 4) {
        AlleleFreq[0] = firstPondInfested ? 0.1 : 0.35;
        AlleleFreq[1] = firstPondInfested ? 0.35 : 0.1;
    }
}

} // namespace Globals
