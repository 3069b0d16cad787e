#include "ModelTestSupport.h"

#include <string>

namespace {

// A pond that counts its frames and notes whether each ran as a forced repaint.
class WatchedPond : public popSurface {
  public:
    void redraw() override {
        ++frames;
        repaintFlags.push_back(processingClick);
        popSurface::redraw();
    }
    int frames = 0;
    std::vector<bool> repaintFlags;
};

class PondTest : public ModelTest {
  protected:
    std::shared_ptr<WatchedPond> pond = makePond<WatchedPond>(1);
};

TEST_F(PondTest, PrepareGivesAWhiteGroundAndZeroCounts) {
    auto p = std::make_shared<popSurface>();
    p->numCritters = 4;
    p->numWorms = 2;
    p->FrameSpeed = 0;
    p->prepare();
    ASSERT_TRUE(p->Backdrop);
    EXPECT_EQ(p->Backdrop->Width(), 10);
    EXPECT_EQ(p->Backdrop->Height(), 10);
    EXPECT_EQ(p->Backdrop->Pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(p->Backdrop->Pixel(9, 9), 0xFFFFFFFFu);
    EXPECT_TRUE(p->ClickToStop);
    EXPECT_EQ(p->FrameSpeed, 2);
    EXPECT_TRUE(p->Visible());
    EXPECT_EQ(p->numCritters, 0);
    EXPECT_EQ(p->numWorms, 0);
}

TEST_F(PondTest, CountsFollowAttachAndDetach) {
    for (int k = 0; k < 3; ++k)
        addCritter(*pond, 20 + 20 * k, 20, 10);
    for (int k = 0; k < 2; ++k)
        addWorm(*pond, 20 + 20 * k, 100);
    EXPECT_EQ(pond->numCritters, 3);
    EXPECT_EQ(pond->numWorms, 2);
    pond->doDetach(1);
    pond->doDetach(1);
    EXPECT_EQ(pond->numCritters, 1);
    EXPECT_EQ(pond->numWorms, 2);
    pond->doDetach(2); // a worm
    EXPECT_EQ(pond->numCritters, 1);
    EXPECT_EQ(pond->numWorms, 1);
    pond->clear();
    EXPECT_EQ(pond->numCritters, 0);
    EXPECT_EQ(pond->numWorms, 0);
}

TEST_F(PondTest, AttachContinuesFromTheWholePixelPosition) {
    auto w = std::make_shared<wormSprite>();
    w->X = 12;
    w->Y = 34;
    w->xLoc = 99.7;
    w->yLoc = 1.2;
    pond->doAttach(w);
    EXPECT_EQ(w->xLoc, 12.0);
    EXPECT_EQ(w->yLoc, 34.0);
}

TEST_F(PondTest, DeathScanRemovesCrittersPastLifespanWithoutSteppingBack) {
    auto young1 = addCritter(*pond, 10, 10, 10);
    auto old1 = addCritter(*pond, 40, 10, 201);
    auto old2 = addCritter(*pond, 70, 10, 201);
    auto young2 = addCritter(*pond, 100, 10, 200); // exactly Lifespan: survives
    auto worm = addWorm(*pond, 130, 10);
    std::weak_ptr<critterSprite> watch1 = old1, watch2 = old2;
    old1.reset();
    old2.reset();

    BackgroundTaskCounter background;
    pond->redraw();
    EXPECT_EQ(background.calls(), 4u); // five animals, one removed: four passes
    ASSERT_EQ(Ubound(pond->sprites), 4);
    EXPECT_TRUE(watch1.expired());
    EXPECT_EQ(pond->sprites[2], watch2.lock()); // moved down, not yet examined
    EXPECT_EQ(pond->sprites[3], young2);
    EXPECT_EQ(pond->numCritters, 3);

    pond->redraw();
    EXPECT_TRUE(watch2.expired());
    EXPECT_EQ(Ubound(pond->sprites), 3);
    EXPECT_EQ(pond->sprites[1], young1);
    EXPECT_EQ(pond->sprites[2], young2);
    EXPECT_EQ(pond->sprites[3], worm);
    EXPECT_EQ(pond->numCritters, 2);
    EXPECT_EQ(pond->numWorms, 1);
}

TEST_F(PondTest, CritterAgedPastLifespanInAFrameDiesAtItsEnd) {
    auto c = addCritter(*pond, 100, 80, 200);
    pond->Update(); // ages to 201
    EXPECT_EQ(Ubound(pond->sprites), 0);
    EXPECT_EQ(pond->numCritters, 0);
    EXPECT_EQ(c->age, 201);
}

// The worked example: the bottom pond at Left 16, Top 265 and an 11 x 11 tadpole at 50, 60.
class PickUp : public PondTest {
  protected:
    void SetUp() override {
        PondTest::SetUp();
        tadpole = addCritter(*pond, 50, 60, 10);
    }
    std::shared_ptr<critterSprite> tadpole;
};

TEST_F(PickUp, LiftsTheAnimalAndKeepsItsOffsetFromThePointer) {
    auto picture = tadpole->Image;
    auto lifted = pond->mouseDown(71, 327); // surface point 55, 62
    ASSERT_EQ(lifted, tadpole);
    EXPECT_EQ(tadpole->X, -5);
    EXPECT_EQ(tadpole->Y, -2);
    EXPECT_EQ(tadpole->Image, picture);
    EXPECT_EQ(tadpole->surface(), nullptr);
    EXPECT_EQ(Ubound(pond->sprites), 0);
    EXPECT_EQ(pond->numCritters, 0);
    EXPECT_EQ(pond->repaintFlags, std::vector<bool>{true}); // one forced repaint
    EXPECT_FALSE(pond->processingClick);

    pond->spriteDrop(lifted, 116, 365);
    EXPECT_EQ(tadpole->X, 95);
    EXPECT_EQ(tadpole->Y, 98);
    EXPECT_EQ(tadpole->xLoc, 95.0);
    EXPECT_EQ(tadpole->yLoc, 98.0);
    EXPECT_EQ(tadpole->age, 10); // the drop's repaint does not move it
    EXPECT_EQ(pond->sprites[1], tadpole);
    EXPECT_EQ(pond->numCritters, 1);
    EXPECT_EQ(pond->repaintFlags, (std::vector<bool>{true, true}));
    EXPECT_FALSE(pond->processingClick);
}

TEST_F(PickUp, PressOnTheFirstColumnLiftsNothing) {
    BackgroundTaskCounter background;
    EXPECT_EQ(pond->mouseDown(66, 327), nullptr); // surface x 50
    EXPECT_EQ(pond->frames, 0);
    EXPECT_EQ(pond->sprites[1], tadpole);
    EXPECT_EQ(tadpole->X, 50);
    EXPECT_FALSE(pond->processingClick);
    EXPECT_EQ(background.calls(), 1u);
}

TEST_F(PickUp, TriesEveryAnimalAndLiftsTheEarliestUnderThePointer) {
    auto other = addCritter(*pond, 150, 60, 10);
    auto over = addCritter(*pond, 52, 61, 10); // overlaps the tadpole, attached later
    {
        BackgroundTaskCounter passes;
        EXPECT_EQ(pond->mouseDown(16 + 200, 265 + 150), nullptr);
        EXPECT_EQ(passes.calls(), 3u); // every animal tried
    }
    EXPECT_EQ(pond->frames, 0);
    auto lifted = pond->mouseDown(71, 327);
    EXPECT_EQ(lifted, tadpole);
    EXPECT_EQ(pond->sprites[1], other);
    EXPECT_EQ(pond->sprites[2], over);
    // The repaint of the lift is a still picture for the animals left behind.
    EXPECT_EQ(pond->frames, 1);
    for (const auto& c : {other, over})
        EXPECT_EQ(c->age, 10);
    EXPECT_EQ(other->X, 150);
    EXPECT_EQ(over->X, 52);
}

// A framework may drop a sprite's picture when it takes the sprite off; the lift keeps it.
class PictureDroppingCritter : public critterSprite {
  public:
    void Close() override {
        critterSprite::Close();
        Image = nullptr;
    }
};

TEST_F(PondTest, LiftedAnimalKeepsItsPictureWhateverCloseDoes) {
    auto c = std::make_shared<PictureDroppingCritter>();
    {
        Replay draws({0.0, 0.0, 0.0, 0.0});
        c->prepare(*pond);
    }
    c->X = 50;
    c->Y = 60;
    pond->doAttach(c);
    auto picture = c->Image;
    EXPECT_EQ(pond->mouseDown(71, 327), c);
    EXPECT_EQ(c->Image, picture);
}

TEST_F(PondTest, EmptyPondLiftsNothingAndDoesNotRepaint) {
    EXPECT_EQ(pond->mouseDown(71, 327), nullptr);
    EXPECT_EQ(pond->frames, 0);
    EXPECT_FALSE(pond->processingClick);
}

TEST_F(PondTest, ForcedRepaintStillRemovesOldCritters) {
    auto old = addCritter(*pond, 100, 100, 201);
    auto tadpole = addCritter(*pond, 50, 60, 10);
    auto lifted = pond->mouseDown(71, 327);
    EXPECT_EQ(lifted, tadpole);
    EXPECT_EQ(Ubound(pond->sprites), 0);
    EXPECT_EQ(old->age, 201);
}

TEST_F(PondTest, DropOfNothingChangesNothing) {
    pond->spriteDrop(nullptr, 100, 300);
    EXPECT_EQ(pond->frames, 0);
    EXPECT_FALSE(pond->processingClick);
}

TEST_F(PondTest, PropertyListsSetProcessingClickByNameInAnyCase) {
    EXPECT_TRUE(pond->SetProperty("PROCESSINGclick", PropertyValue{true}));
    EXPECT_TRUE(pond->processingClick);
    EXPECT_TRUE(pond->SetProperty("processingClick", PropertyValue{false}));
    EXPECT_FALSE(pond->processingClick);
    EXPECT_FALSE(pond->SetProperty("processingClick", PropertyValue{int32_t(1)}));
    EXPECT_TRUE(pond->SetProperty("FrameSpeed", PropertyValue{int32_t(0)})); // the base's
    EXPECT_EQ(pond->FrameSpeed, 0);
    EXPECT_TRUE(pond->SetProperty("Left", PropertyValue{int32_t(40)}));
    EXPECT_EQ(pond->Left(), 40);
}

} // namespace
