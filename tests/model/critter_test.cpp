#include "ModelTestSupport.h"

#include <cmath>
#include <string>

namespace {

class CritterTest : public ModelTest {
  protected:
    std::shared_ptr<popSurface> pond = makePond(0);
};

TEST_F(CritterTest, PrepareMakesATadpoleFromFourDrawsInOrder) {
    auto c = std::make_shared<critterSprite>();
    c->exposed = true;
    c->age = 7;
    Replay draws({0.5, 0.2, 0.25, 0.75});
    c->prepare(*pond);
    EXPECT_EQ(draws.drawn(), 4u);
    EXPECT_EQ(c->direction, 0.5 * HalfTurn);
    // 256 - 20 - 11 and 184 - 20 - 11, 10 pixels in from the walls.
    EXPECT_EQ(c->xLoc, 0.25 * 225 + 10);
    EXPECT_EQ(c->yLoc, 0.75 * 153 + 10);
    EXPECT_EQ(c->X, 66);
    EXPECT_EQ(c->Y, 125);
    EXPECT_EQ(c->age, 0);
    EXPECT_FALSE(c->exposed);
    EXPECT_EQ(c->phenotype, "tadpole");
    EXPECT_EQ(c->speed, 1.0);
    EXPECT_EQ(c->TimeSinceRepro, 20);
    EXPECT_EQ(c->Group, -1);
    ASSERT_TRUE(c->iBaby && c->iAdult);
    EXPECT_EQ(c->Image, c->iBaby);
    EXPECT_EQ(c->iBaby->Width(), 11);
    EXPECT_EQ(c->iBaby->Height(), 11);
    EXPECT_EQ(c->iAdult->Width(), 13);
    EXPECT_EQ(c->iAdult->Height(), 13);
    const uint32_t green = argb(CMY(1.0, 0.2 * 0.5 + 0.1, 1.0));
    EXPECT_EQ(centrePixel(*c->iBaby), green);
    EXPECT_EQ(centrePixel(*c->iAdult), green);
    EXPECT_EQ(c->iBaby->Pixel(0, 0) >> 24, 0u); // a disc: the corners stay clear
}

TEST_F(CritterTest, PrepareKeepsTenPixelsFromEveryWallOfAPool) {
    auto pool = makePond(2, 117, 95);
    auto c = std::make_shared<critterSprite>();
    {
        Replay draws({0.0, 0.0, 0.0, 0.0});
        c->prepare(*pool);
    }
    EXPECT_EQ(c->xLoc, 10.0);
    EXPECT_EQ(c->yLoc, 10.0);
    Replay draws({0.0, 0.0, 0.9999999, 0.9999999});
    c->prepare(*pool);
    EXPECT_LT(c->xLoc, 96.0);
    EXPECT_GT(c->xLoc, 95.99);
    EXPECT_LT(c->yLoc, 74.0);
    EXPECT_GT(c->yLoc, 73.99);
}

TEST_F(CritterTest, WormPrepareFromThreeDrawsInOrder) {
    auto w = std::make_shared<wormSprite>();
    Replay draws({0.5, 0.25, 0.9999999});
    w->prepare(*pond);
    EXPECT_EQ(draws.drawn(), 3u);
    EXPECT_EQ(w->direction, 0.5 * HalfTurn);
    EXPECT_EQ(w->xLoc, 0.25 * 228 + 10);
    EXPECT_LT(w->yLoc, 166.0); // 184 - 20 - 8, plus 10
    EXPECT_GT(w->yLoc, 165.99);
    EXPECT_EQ(w->X, 67);
    EXPECT_EQ(w->Y, 166);
    EXPECT_EQ(w->speed, 0.5);
    EXPECT_EQ(w->Group, 1);
    ASSERT_TRUE(w->Image);
    EXPECT_EQ(w->Image->Width(), 8);
    EXPECT_EQ(w->Image->Height(), 8);
    EXPECT_EQ(centrePixel(*w->Image), argb(RGB(230, 85, 85)));
}

struct MetamorphosisCase {
    std::string scenario;
    int32_t mAllele, pAllele;
    bool exposed;
    std::vector<double> draws;
    std::string expected;
};

class Metamorphosis : public ModelTest, public ::testing::WithParamInterface<MetamorphosisCase> {};

TEST_P(Metamorphosis, GivesThePhenotypeOfTheScenario) {
    const auto& c = GetParam();
    critterSprite critter;
    critter.mAllele = c.mAllele;
    critter.pAllele = c.pAllele;
    critter.exposed = c.exposed;
    MsgBoxRecorder boxes;
    Replay draws(c.draws);
    EXPECT_EQ(critter.metamorphosis(c.scenario), c.expected);
    EXPECT_EQ(draws.drawn(), c.draws.size());
    if (c.expected.empty())
        EXPECT_EQ(boxes.texts, (std::vector<std::string>{
                                   "Error in critterSprite.metamorphosis: There is no scenario "
                                   "selected."}));
    else
        EXPECT_TRUE(boxes.texts.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, Metamorphosis,
    ::testing::Values(MetamorphosisCase{"Genetic", 1, 1, false, {}, "fivelegs"},
                      MetamorphosisCase{"Genetic", 0, 1, true, {}, "frog"},
                      MetamorphosisCase{"Genetic", 1, 0, true, {}, "frog"},
                      MetamorphosisCase{"Random", 1, 1, true, {0.3299}, "fivelegs"},
                      MetamorphosisCase{"Random", 1, 1, true, {0.33}, "frog"},
                      MetamorphosisCase{"Environmental", 0, 0, true, {}, "fivelegs"},
                      MetamorphosisCase{"Environmental", 1, 1, false, {}, "frog"},
                      MetamorphosisCase{"Both", 1, 1, true, {}, "fivelegs"},
                      MetamorphosisCase{"Both", 0, 1, true, {}, "frog"},
                      MetamorphosisCase{"Both", 1, 1, false, {}, "frog"},
                      MetamorphosisCase{"", 1, 1, true, {}, ""},
                      MetamorphosisCase{"genetic", 1, 1, true, {}, ""}));

TEST_F(CritterTest, MoveAgesAndMetamorphosesExactlyAtMaturity) {
    Globals::Scenario = "Random";
    auto c = addCritter(*pond, 100, 80, 49);
    c->TimeSinceRepro = 5;
    {
        Replay draws({0.1}); // the metamorphosis draw
        c->move(*pond);
        EXPECT_EQ(draws.drawn(), 1u);
    }
    EXPECT_EQ(c->age, 50);
    EXPECT_EQ(c->TimeSinceRepro, 6);
    EXPECT_EQ(c->Image, c->iAdult);
    EXPECT_EQ(c->phenotype, "fivelegs");
    EXPECT_EQ(c->xLoc, 101.0); // bounce and step came first

    Replay none;
    c->move(*pond); // 50 to 51: no second metamorphosis
    EXPECT_EQ(c->age, 51);
    EXPECT_EQ(c->phenotype, "fivelegs");
}

TEST_F(CritterTest, CritterStartingGrownNeverMetamorphosesInMove) {
    auto c = addCritter(*pond, 100, 80, 50);
    c->phenotype = "frog";
    Globals::Scenario = "Random";
    Replay none;
    c->move(*pond);
    EXPECT_EQ(c->age, 51);
    EXPECT_EQ(c->phenotype, "frog");
}

TEST_F(CritterTest, MetamorphosisWithoutAScenarioLeavesAnEmptyPhenotype) {
    Globals::Scenario = "";
    auto c = addCritter(*pond, 100, 80, 49);
    MsgBoxRecorder boxes;
    c->move(*pond);
    EXPECT_EQ(c->phenotype, "");
    EXPECT_EQ(boxes.texts.size(), 1u);
}

// Breeding, by direct calls of the hook: own critter and partner grown and ready.
struct BreedCase {
    const char* what;
    int32_t ownAge, ownWait, partnerAge, partnerWait;
    int32_t cap; // for pond 0
    bool processingClick;
    bool born;
};

class Breeding : public CritterTest, public ::testing::WithParamInterface<BreedCase> {};

TEST_P(Breeding, NeedsAllFiveConditions) {
    const auto& c = GetParam();
    auto own = addCritter(*pond, 50, 50, c.ownAge);
    auto partner = addCritter(*pond, 56, 50, c.partnerAge);
    own->TimeSinceRepro = c.ownWait;
    partner->TimeSinceRepro = c.partnerWait;
    Globals::MaxNumCritters[0] = c.cap;
    pond->processingClick = c.processingClick;
    Replay draws({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7});
    own->collision(*pond, partner);
    EXPECT_EQ(draws.drawn(), c.born ? 7u : 0u) << c.what;
    EXPECT_EQ(pond->numCritters, c.born ? 3 : 2) << c.what;
    EXPECT_EQ(Ubound(pond->sprites), c.born ? 3 : 2) << c.what;
    EXPECT_EQ(own->TimeSinceRepro, c.born ? 0 : c.ownWait) << c.what;
    EXPECT_EQ(partner->TimeSinceRepro, c.partnerWait) << c.what;
    EXPECT_EQ(own->direction, c.born ? ATan2(0.0, -6.0) : 0.0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Thresholds, Breeding,
    ::testing::Values(BreedCase{"ready pair", 51, 21, 51, 21, 85, false, true},
                      BreedCase{"own age exactly 50", 50, 21, 51, 21, 85, false, false},
                      BreedCase{"partner age exactly 50", 51, 21, 50, 21, 85, false, false},
                      BreedCase{"own wait exactly 20", 51, 20, 51, 21, 85, false, false},
                      BreedCase{"partner's wait is not tested", 51, 21, 51, 0, 85, false, true},
                      BreedCase{"at the cap", 51, 21, 51, 21, 2, false, false},
                      BreedCase{"room for one", 51, 21, 51, 21, 3, false, true},
                      BreedCase{"forced repaint", 51, 21, 51, 21, 85, true, false}));

// The cap is read at the surface's own index: 85 on a pond, 25 on a pool.
struct CapCase {
    int32_t index;
    int32_t critters; // on the surface before the contact
    bool born;
};

class CapByIndex : public CritterTest, public ::testing::WithParamInterface<CapCase> {};

TEST_P(CapByIndex, ReadsTheCapOfTheSurfacesPondIndex) {
    const auto& c = GetParam();
    auto surface = makePond(c.index, 117, 95, 325, 95);
    auto own = addCritter(*surface, 50, 50, 60);
    auto partner = addCritter(*surface, 56, 50, 60);
    own->TimeSinceRepro = 30;
    for (int32_t k = 2; k < c.critters; ++k)
        addCritter(*surface, 5, 5, 10);
    Replay draws({0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7});
    own->collision(*surface, partner);
    EXPECT_EQ(surface->numCritters, c.born ? c.critters + 1 : c.critters);
}

INSTANTIATE_TEST_SUITE_P(PondsAndPools, CapByIndex,
                         ::testing::Values(CapCase{2, 25, false}, CapCase{2, 24, true},
                                           CapCase{5, 25, false}, CapCase{1, 25, true},
                                           CapCase{1, 85, false}, CapCase{0, 84, true}));

TEST_F(CritterTest, SurfaceWithoutAPondIndexHasNoRoom) {
    auto own = addCritter(*pond, 50, 50, 60);
    auto partner = addCritter(*pond, 56, 50, 60);
    own->TimeSinceRepro = 30;
    Replay none;
    for (int32_t index : {Control::NoIndex, -1, 6}) {
        pond->Index = index;
        own->collision(*pond, partner);
        EXPECT_EQ(pond->numCritters, 2) << index;
    }
}

TEST_F(CritterTest, AWormExposesOnlyATadpoleAndNeverBreeds) {
    auto tadpole = addCritter(*pond, 50, 50, 10);
    auto frog = addCritter(*pond, 100, 50, 60);
    frog->TimeSinceRepro = 30;
    auto worm = addWorm(*pond, 52, 52);
    Replay none;
    tadpole->collision(*pond, worm);
    frog->collision(*pond, worm);
    EXPECT_TRUE(tadpole->exposed);
    EXPECT_FALSE(frog->exposed);
    EXPECT_EQ(pond->numCritters, 2);

    auto other = addCritter(*pond, 150, 50, 10);
    other->collision(*pond, tadpole); // a critter's touch exposes nobody
    EXPECT_FALSE(other->exposed);
}

struct AlleleCase {
    double draw6, draw7;
    int32_t mAllele, pAllele;
};

class Alleles : public CritterTest, public ::testing::WithParamInterface<AlleleCase> {};

// Parent 0 and 1, partner 1 and 1: the newborn's pAllele is always 1.
TEST_P(Alleles, OneFromEachParent) {
    const auto& c = GetParam();
    auto own = addCritter(*pond, 50, 50, 60);
    auto partner = addCritter(*pond, 56, 50, 60);
    own->TimeSinceRepro = 30;
    own->mAllele = 0;
    own->pAllele = 1;
    partner->mAllele = 1;
    partner->pAllele = 1;
    Replay draws({0.1, 0.2, 0.3, 0.4, 0.5, c.draw6, c.draw7});
    own->collision(*pond, partner);
    ASSERT_EQ(Ubound(pond->sprites), 3);
    auto baby = std::dynamic_pointer_cast<critterSprite>(pond->sprites[3]);
    ASSERT_TRUE(baby);
    EXPECT_EQ(baby->mAllele, c.mAllele);
    EXPECT_EQ(baby->pAllele, c.pAllele);
}

INSTANTIATE_TEST_SUITE_P(Example, Alleles,
                         ::testing::Values(AlleleCase{0.4999, 0.4999, 0, 1},
                                           AlleleCase{0.5, 0.4999, 1, 1},
                                           AlleleCase{0.4999, 0.5, 0, 1},
                                           AlleleCase{0.5, 0.5, 1, 1}));

// Two ready adults touching in a full frame: each gives birth at the midpoint.
class BirthFrame : public CritterTest {
  protected:
    void SetUp() override {
        CritterTest::SetUp();
        a = addCritter(*pond, 50, 50, 60); // both move one pixel right first
        b = addCritter(*pond, 57, 51, 60);
        a->TimeSinceRepro = 30;
        b->TimeSinceRepro = 30;
        a->mAllele = 0;
        a->pAllele = 1;
        b->mAllele = 1;
        b->pAllele = 0;
    }
    std::shared_ptr<critterSprite> baby(int32_t index) {
        return std::dynamic_pointer_cast<critterSprite>(pond->sprites[std::size_t(index)]);
    }
    std::shared_ptr<critterSprite> a, b;
};

TEST_F(BirthFrame, BothParentsGiveBirthWithSevenDrawsEach) {
    // First birth: heading, colour, x, y (replaced), newborn heading, mAllele, pAllele.
    Replay draws(
        {0.10, 0.20, 0.30, 0.40, 0.50, 0.45, 0.55, 0.60, 0.70, 0.80, 0.90, 0.25, 0.25, 0.95});
    pond->Update();
    EXPECT_EQ(draws.drawn(), 14u);
    ASSERT_EQ(Ubound(pond->sprites), 4);
    EXPECT_EQ(pond->numCritters, 4);
    auto first = baby(3), second = baby(4);
    ASSERT_TRUE(first && second);

    // After moving: a at (51, 50), b at (58, 51); the midpoint (54.5, 50.5) rounds away
    // from zero, and the pond continues the newborn from the whole pixel.
    for (const auto& n : {first, second}) {
        EXPECT_EQ(n->X, 55);
        EXPECT_EQ(n->Y, 51);
        EXPECT_EQ(n->xLoc, 55.0);
        EXPECT_EQ(n->yLoc, 51.0);
        EXPECT_EQ(n->age, 0);
        EXPECT_EQ(n->phenotype, "tadpole");
        EXPECT_EQ(n->TimeSinceRepro, 20);
        EXPECT_EQ(n->Image, n->iBaby);
    }
    // The parents turn straight away from each other.
    EXPECT_DOUBLE_EQ(a->direction, ATan2(50.0 - 51.0, 51.0 - 58.0));
    EXPECT_DOUBLE_EQ(b->direction, ATan2(51.0 - 50.0, 58.0 - 51.0));
    EXPECT_DOUBLE_EQ(first->direction, (a->direction + QuarterTurn) + (0.50 * HalfTurn) / 2);
    EXPECT_DOUBLE_EQ(second->direction, (b->direction + QuarterTurn) + (0.25 * HalfTurn) / 2);
    EXPECT_EQ(centrePixel(*first->iBaby), argb(CMY(1.0, 0.20 * 0.5 + 0.1, 1.0)));
    EXPECT_EQ(centrePixel(*second->iBaby), argb(CMY(1.0, 0.70 * 0.5 + 0.1, 1.0)));
    // a's own mAllele (0) and b's pAllele (0); then b's mAllele (1) and a's pAllele (1).
    EXPECT_EQ(first->mAllele, 0);
    EXPECT_EQ(first->pAllele, 0);
    EXPECT_EQ(second->mAllele, 1);
    EXPECT_EQ(second->pAllele, 1);
    EXPECT_EQ(a->TimeSinceRepro, 0);
    EXPECT_EQ(b->TimeSinceRepro, 0);

    // The newborns are not moved in the frame of their birth; in the next one they are.
    Replay next;
    pond->Update();
    EXPECT_EQ(first->age, 1);
}

TEST_F(BirthFrame, RoomForOneLetsOnlyTheFirstGiveBirth) {
    Globals::MaxNumCritters[0] = 3;
    Replay draws({0.10, 0.20, 0.30, 0.40, 0.50, 0.45, 0.55});
    pond->Update();
    EXPECT_EQ(draws.drawn(), 7u);
    EXPECT_EQ(pond->numCritters, 3);
    EXPECT_EQ(a->TimeSinceRepro, 0);
    EXPECT_EQ(b->TimeSinceRepro, 31);
}

TEST_F(BirthFrame, ForcedRepaintBreedsNobodyButStillExposes) {
    auto tadpole = addCritter(*pond, 150, 100, 10);
    auto worm = std::make_shared<wormSprite>();
    {
        Replay draws({0.0, 0.0, 0.0});
        worm->prepare(*pond);
    }
    worm->X = -2; // offset from the pointer, as a lifted animal holds it
    worm->Y = -2;
    Replay none;
    pond->spriteDrop(worm, pond->Left() + 154, pond->Top() + 104);
    EXPECT_EQ(worm->X, 152);
    EXPECT_TRUE(tadpole->exposed);
    EXPECT_EQ(pond->numCritters, 3);
    EXPECT_EQ(pond->numWorms, 1);
    EXPECT_EQ(a->age, 60);
    EXPECT_EQ(a->TimeSinceRepro, 30);
    EXPECT_EQ(tadpole->age, 10);
    EXPECT_FALSE(pond->processingClick);
}

TEST_F(CritterTest, WormTouchInAFrameExposesATadpole) {
    auto tadpole = addCritter(*pond, 50, 50, 10);
    auto worm = addWorm(*pond, 53, 53);
    Replay none;
    pond->Update();
    EXPECT_TRUE(tadpole->exposed);
    EXPECT_FALSE(worm->Image == nullptr);
}

} // namespace
