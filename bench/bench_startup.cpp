// Start-up as far as the student sees it, headless: the settings, then the main window, the
// scenario dialog and the splash built and shown.

#include "model/Globals.h"
#include "platform/Window.h"
#include "platform/testing/Testing.h"

#include <benchmark/benchmark.h>

namespace {

void BM_StartUpToTheThreeWindows(benchmark::State& state) {
    Globals::CreateArrays();
    FixedTicks ticks(0);
    for (auto _ : state) {
        Globals::StartUp();
        state.PauseTiming();
        CloseAllWindows();
        state.ResumeTiming();
    }
    Globals::ReleaseArrays();
    state.SetLabel("Globals::StartUp: settings, main window, scenario dialog, splash");
}

} // namespace

BENCHMARK(BM_StartUpToTheThreeWindows)->Unit(benchmark::kMillisecond);
