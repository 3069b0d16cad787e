#pragma once
// A full main window, for the benchmarks and the long runs: both ponds filled for the
// scenario, six critters and two worms in each pool, the counts shown.

#include "model/Globals.h"
#include "pond_window/WindowMain.h"
#include "tests/support/PondStock.h"

inline void FillMainWindow(class WindowMain& w) {
    w.ClearAll();
    w.PopulatePond(0, Globals::MaxNumCritters[0]);
    w.PopulatePond(1, Globals::MaxNumCritters[1]);
    for (int i = 2; i <= Globals::NumPopSurfaces; ++i) {
        StockCritters(*w.popSurfaces(i), 6);
        StockWorms(*w.popSurfaces(i), 2);
    }
    w.UpdateSizes();
}
