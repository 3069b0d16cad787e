// One press of Sample for 1,000,000 frogs from a full top pond (85 critters of every age,
// tadpoles among them, and 30 worms), through the dialog and the main window as the
// student uses them. Budget: 0.5 s on one core.

#include "app/dialogs/WindowSample.h"
#include "platform/Window.h"
#include "platform/testing/Testing.h"
#include "pond_window/WindowMain.h"
#include "tests/support/PondStock.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

void BM_SampleMillionFrogs(benchmark::State& state) {
    ScopedRandomSource rnd(std::make_shared<SeededRandom>(42));
    Globals::CreateArrays();
    {
        FixedTicks ticks(0);
        Globals::StartUp();
        CloseAllWindows();
    }
    Globals::setScenario(4); // "Both": five-legged frogs among the normal ones
    MsgBoxRecorder boxes;

    auto pond = WindowMain()->popSurfaces(0);
    StockCritters(*pond, 85);
    StockWorms(*pond, 30);
    auto dialog = WindowSample();
    dialog->EditFieldNumFrogs()->setText("1000000");

    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        dialog->PushButtonSample()->Push();
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["s per sampling"] = seconds;
    state.SetLabel(dialog->StaticTextResult()->Text().substr(0, 26) + "...; budget 0.5 s");
    std::printf("Sampling 1,000,000 frogs from a full pond: %.3f s (budget 0.5 s)\n", seconds);

    dialog.reset();
    pond.reset();
    CloseAllWindows();
    Globals::ReleaseArrays();
}
BENCHMARK(BM_SampleMillionFrogs)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
