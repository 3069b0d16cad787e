// Full frames of a stocked top pond: every animal moves, contacts are found and answered
// (births, exposure), and the old critters die at the end of each frame.

#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"
#include "model/wormSprite.h"
#include "platform/Numbers.h"
#include "platform/Testing.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed) : engine_(seed) {}
    double next() override { return dist_(engine_); }

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
};

// Critters as a filled pond starts them: drawn alleles, exposure, ages across the lifespan.
void addCritters(popSurface& pond, int count) {
    const double freq = Globals::AlleleFreq[0];
    for (int k = 0; k < count; ++k) {
        auto c = std::make_shared<critterSprite>();
        pond.doAttach(c);
        c->prepare(pond);
        c->mAllele = Rnd() < freq ? 0 : 1;
        c->pAllele = Rnd() < freq ? 0 : 1;
        c->exposed = Rnd() < 0.45;
        c->age = static_cast<int32_t>(Round(Rnd() * Globals::Lifespan));
        if (c->age >= Globals::AgeAtMaturity) {
            c->Image = c->iAdult;
            c->phenotype = c->metamorphosis(Globals::Scenario);
        }
    }
}

std::shared_ptr<popSurface> stockedPond() {
    auto pond = std::make_shared<popSurface>();
    pond->setWidth(256);
    pond->setHeight(184);
    pond->Index = 0;
    pond->prepare();
    addCritters(*pond, 85);
    for (int k = 0; k < 30; ++k) {
        auto w = std::make_shared<wormSprite>();
        pond->doAttach(w);
        w->prepare(*pond);
    }
    return pond;
}

void BM_PondFrame(benchmark::State& state) {
    ScopedRandomSource rnd(std::make_shared<SeededRandom>(42));
    Globals::CreateArrays();
    {
        FixedTicks ticks(0);
        Globals::StartUp();
    }
    Globals::setScenario(4); // "Both": 30 worms in one pond
    MsgBoxRecorder boxes;

    auto pond = stockedPond();
    // Let the stocked ages settle into the pond's own rhythm of births and deaths.
    for (int k = 0; k < 2000; ++k) pond->Update();

    int64_t critters = 0;
    for (auto _ : state) {
        pond->Update();
        critters += pond->numCritters;
        if (pond->numCritters < 40) { // a thinned pond is restocked, off the clock
            state.PauseTiming();
            addCritters(*pond, 85 - pond->numCritters);
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
