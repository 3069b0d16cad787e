// A long run of a stocked pond under each scenario: it must never crash, the counts must
// always match the animals in the list, and births must never pass the pond's cap.

#include "ModelTestSupport.h"
#include "tests/support/PondStock.h"

#include <string>

namespace {

// Notes every birth and death, and whether a birth ever took the count past the cap.
class SoakPond : public popSurface {
  public:
    void addedSprite(const std::shared_ptr<smartSprite>& s) override {
        popSurface::addedSprite(s);
        ++added;
        if (numCritters > Globals::MaxNumCritters[std::size_t(Index)]) overCap = true;
    }
    void removedSprite(const std::shared_ptr<smartSprite>& s) override {
        popSurface::removedSprite(s);
        ++removed;
    }
    int64_t added = 0;
    int64_t removed = 0;
    bool overCap = false;
};

struct Census {
    int32_t critters = 0, worms = 0, grown = 0, exposed = 0;
};

Census census(const smartSurface& pond) {
    Census c;
    for (std::size_t i = 1; i < pond.sprites.size(); ++i) {
        const smartSprite* s = pond.sprites[i].get();
        if (auto critter = dynamic_cast<const critterSprite*>(s)) {
            ++c.critters;
            if (critter->phenotype != "tadpole") ++c.grown;
            if (critter->exposed) ++c.exposed;
        } else if (dynamic_cast<const wormSprite*>(s)) {
            ++c.worms;
        }
    }
    return c;
}

class Soak : public ModelTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(Soak, PondRunsTwentyThousandFramesConsistently) {
    constexpr int Frames = 20000;
    ScopedRandomSource rnd(std::make_shared<SeededRandom>(1000 + GetParam()));
    Globals::setScenario(GetParam());
    MsgBoxRecorder boxes;
    std::weak_ptr<smartSprite> lastAnimal;
    {
        auto pond = makePond<SoakPond>(0);
        StockCritters(*pond, 85);
        StockWorms(*pond, 30);
        const int64_t stocked = pond->added;

        int32_t minCritters = pond->numCritters;
        int64_t exposedSeen = 0;
        for (int frame = 0; frame < Frames; ++frame) {
            pond->Update();
            const Census c = census(*pond);
            if (c.critters != pond->numCritters || c.worms != pond->numWorms) {
                FAIL() << "frame " << frame << ": list holds " << c.critters << " critters and "
                       << c.worms << " worms, counts say " << pond->numCritters << " and "
                       << pond->numWorms;
            }
            ASSERT_FALSE(pond->overCap) << "frame " << frame;
            minCritters = std::min(minCritters, c.critters);
            exposedSeen += c.exposed;
        }
        const int64_t births = pond->added - stocked;
        EXPECT_GT(births, 1000);        // the pond keeps breeding...
        EXPECT_GT(pond->removed, 1000); // ...and its critters keep dying of old age
        EXPECT_GT(minCritters, 0);
        EXPECT_EQ(pond->numWorms, 30);
        EXPECT_GT(exposedSeen, 0);
        EXPECT_TRUE(boxes.texts.empty());
        lastAnimal = pond->sprites.back();
    }
    EXPECT_TRUE(lastAnimal.expired()); // the pond owned its animals and freed them with it
}

INSTANTIATE_TEST_SUITE_P(AllScenarios, Soak, ::testing::Values(1, 2, 3, 4),
                         [](const auto& info) { return std::string(1, char('0' + info.param)); });

} // namespace
