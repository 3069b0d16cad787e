// The main window at work: one simulated day on a full window (both ponds filled for a
// scenario, a few animals in each pool) with the six surfaces painted, and the filling of
// one pond with 85 critters and 30 worms.

#include "platform/Window.h"
#include "platform/testing/Testing.h"
#include "pond_window/WindowMain.h"
#include "tests/support/FullWindow.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Globals as start-up leaves them, then "Both" with the 30 worms in one of the ponds.
struct Settings {
    Settings() {
        Globals::CreateArrays();
        FixedTicks ticks(0);
        Globals::StartUp();
        CloseAllWindows();
        Globals::setScenario(4);
    }
    ~Settings() {
        CloseAllWindows();
        Globals::ReleaseArrays();
    }
    ScopedRandomSource rnd{std::make_shared<SeededRandom>(42)};
    MsgBoxRecorder boxes;
};

void BM_MainWindowDay(benchmark::State& state) {
    Settings settings;
    auto w = WindowMain();
    w->Show();
    FillMainWindow(*w);
    auto timer = w->TimerMain();
    for (int k = 0; k < 300; ++k)
        w->TimerMain_Action(*timer); // into the ponds' own rhythm

    int64_t pixels = 0;
    for (auto _ : state) {
        w->TimerMain_Action(*timer);
        // The painting the day causes, forced into pictures.
        for (int i = 0; i <= Globals::NumPopSurfaces; ++i)
            pixels += w->popSurfaces(i)->Snapshot()->Width();
        if (w->popSurfaces(0)->numCritters + w->popSurfaces(1)->numCritters < 80) {
            state.PauseTiming(); // thinned ponds are refilled off the clock
            FillMainWindow(*w);
            state.ResumeTiming();
        }
    }
    benchmark::DoNotOptimize(pixels);
    state.counters["days/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel("TimerMain_Action + six surfaces painted; budget 1 ms per day");
}
BENCHMARK(BM_MainWindowDay)->Unit(benchmark::kMicrosecond);

void BM_PopulatePond(benchmark::State& state) {
    Settings settings;
    auto w = WindowMain();
    const int32_t pond = Globals::MaxNumWorms[0] == 30 ? 0 : 1;
    for (auto _ : state) {
        w->PopulatePond(pond, 85);
        state.PauseTiming();
        w->popSurfaces(pond)->clear();
        state.ResumeTiming();
    }
    state.SetLabel("85 critters and 30 worms, closing frame included; budget 0.5 ms");
}
BENCHMARK(BM_PopulatePond)->Unit(benchmark::kMicrosecond);

} // namespace
