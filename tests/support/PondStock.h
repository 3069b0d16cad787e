#pragma once
// Stocking a pond by hand, for the soak test and the pond benchmark: critters the way a
// filled pond starts them (drawn alleles, equilibrium exposure, ages across the lifespan),
// then worms; and a seeded random source so that runs repeat.

#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"
#include "model/wormSprite.h"
#include "platform/Numbers.h"

#include <memory>
#include <random>

class SeededRandom : public RandomSource {
  public:
    explicit SeededRandom(uint64_t seed) : engine_(seed) {}
    double next() override { return dist_(engine_); }

  private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> dist_{0.0, 1.0};
};

inline void StockCritters(popSurface& pond, int count) {
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

inline void StockWorms(popSurface& pond, int count) {
    for (int k = 0; k < count; ++k) {
        auto w = std::make_shared<wormSprite>();
        pond.doAttach(w);
        w->prepare(pond);
    }
}
