// Full frames of a stocked top pond: every animal moves, contacts are found and answered
// (births, exposure), and the old critters die at the end of each frame.

#include "platform/Window.h"
#include "platform/testing/Testing.h"
#include "tests/support/PondStock.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

std::shared_ptr<popSurface> stockedPond() {
    auto pond = std::make_shared<popSurface>();
    pond->setWidth(256);
    pond->setHeight(184);
    pond->Index = 0;
    pond->prepare();
    StockCritters(*pond, 85);
    StockWorms(*pond, 30);
    return pond;
}

void BM_PondFrame(benchmark::State& state) {
    ScopedRandomSource rnd(std::make_shared<SeededRandom>(42));
    Globals::CreateArrays();
    {
        FixedTicks ticks(0);
        Globals::StartUp();
        CloseAllWindows();
    }
    Globals::setScenario(4); // "Both": 30 worms in one pond
    MsgBoxRecorder boxes;

    auto pond = stockedPond();
    // Let the stocked ages settle into the pond's own rhythm of births and deaths.
    for (int k = 0; k < 2000; ++k)
        pond->Update();

    int64_t critters = 0;
    for (auto _ : state) {
        pond->Update();
        critters += pond->numCritters;
        if (pond->numCritters < 40) { // a thinned pond is restocked, off the clock
            state.PauseTiming();
            StockCritters(*pond, 85 - pond->numCritters);
            state.ResumeTiming();
        }
    }
    state.counters["critters"] =
        benchmark::Counter(double(critters), benchmark::Counter::kAvgIterations);
    state.counters["frames/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.SetLabel("one frame of a 256 x 184 pond, 85 critters and 30 worms at the start");
    pond.reset();
    Globals::ReleaseArrays();
}
BENCHMARK(BM_PondFrame)->Unit(benchmark::kMicrosecond);

} // namespace
