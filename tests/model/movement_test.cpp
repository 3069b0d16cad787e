#include "ModelTestSupport.h"

#include "model/clickSurface.h"
#include "model/smartSprite.h"

#include <cmath>

namespace {

// A bouncing animal with an 11 x 11 image.
std::shared_ptr<bounceSprite> mover(double xLoc, double yLoc, double direction,
                                    double speed = 1.0) {
    auto s = std::make_shared<bounceSprite>();
    s->Image = NewPicture(11, 11);
    s->xLoc = xLoc;
    s->yLoc = yLoc;
    s->direction = direction;
    s->speed = speed;
    return s;
}

std::shared_ptr<clickSurface> surface256x184() {
    auto s = std::make_shared<clickSurface>();
    s->setWidth(256);
    s->setHeight(184);
    return s;
}

TEST(Angles, FullTurnIsTwiceHalfTurnExactly) { EXPECT_EQ(FullTurn, 2 * HalfTurn); }

struct BounceCase {
    const char* what;
    double xLoc, yLoc, direction;
    double expected;
};

class Bounce : public ::testing::TestWithParam<BounceCase> {};

// On a 256 x 184 surface with an 11 x 11 image: the walls are at x 0 and 245, y 0 and 173.
TEST_P(Bounce, TurnsOffTheWallsThenWrapsOnce) {
    const auto& c = GetParam();
    auto surface = surface256x184();
    auto s = mover(c.xLoc, c.yLoc, c.direction);
    s->bounce(*surface);
    EXPECT_DOUBLE_EQ(s->direction, c.expected) << c.what;
    EXPECT_EQ(s->xLoc, c.xLoc);
    EXPECT_EQ(s->yLoc, c.yLoc);
}

INSTANTIATE_TEST_SUITE_P(
    Walls, Bounce,
    ::testing::Values(
        BounceCase{"left wall, heading out", -0.4, 80, 3.0, HalfTurn - 3.0},
        BounceCase{"left wall, heading in", -0.4, 80, 0.5, 0.5},
        BounceCase{"exactly on the left wall", 0.0, 80, 3.0, 3.0},
        BounceCase{"right wall, heading out", 245.5, 80, 0.5, HalfTurn - 0.5},
        BounceCase{"exactly on the right wall", 245.0, 80, 0.5, 0.5},
        BounceCase{"right wall, heading in", 250.0, 80, 3.0, 3.0},
        BounceCase{"top wall, heading out", 100, -1.0, 4.0, -4.0 + FullTurn},
        BounceCase{"exactly on the top wall", 100, 0.0, 4.0, 4.0},
        BounceCase{"bottom wall, heading out", 100, 173.5, 1.0, -1.0 + FullTurn},
        BounceCase{"exactly on the bottom wall", 100, 173.0, 1.0, 1.0},
        BounceCase{"bottom wall, heading in", 100, 180.0, 4.0, 4.0},
        // Past the left and the top wall, heading up and left: the animal reverses.
        BounceCase{"corner", -1.0, -1.0, 4.0, 4.0 - HalfTurn},
        BounceCase{"corner, negative heading", -1.0, -1.0, -2.5, -2.5 - HalfTurn + FullTurn},
        BounceCase{"past the right and bottom walls", 250.0, 180.0, 0.5, HalfTurn + 0.5},
        BounceCase{"wrap: a full turn stays", 100, 80, FullTurn, FullTurn},
        BounceCase{"wrap: zero stays", 100, 80, 0.0, 0.0},
        BounceCase{"wrap: above a full turn", 100, 80, 6.3, 6.3 - FullTurn},
        BounceCase{"wrap: below zero", 100, 80, -0.2, 6.0831853},
        BounceCase{"wrap: only once", 100, 80, 13.0, 13.0 - FullTurn}));

TEST(Shuffle, StepsAlongTheHeadingAndKeepsTheFractions) {
    auto s = mover(10.4, 20.0, 0.0, 0.5);
    s->shuffle();
    EXPECT_DOUBLE_EQ(s->xLoc, 10.9);
    EXPECT_EQ(s->yLoc, 20.0);
    EXPECT_EQ(s->X, 11);
    EXPECT_EQ(s->Y, 20);
    s->shuffle();
    EXPECT_DOUBLE_EQ(s->xLoc, 11.4);
    EXPECT_EQ(s->X, 11);

    auto down = mover(10.0, 20.0, HalfTurn / 2);
    down->shuffle();
    EXPECT_NEAR(down->xLoc, 10.0, 1e-8);
    EXPECT_DOUBLE_EQ(down->yLoc, 21.0);
    EXPECT_EQ(down->X, 10);
    EXPECT_EQ(down->Y, 21);
}

TEST(Move, BouncesBeforeItSteps) {
    auto surface = surface256x184();
    auto s = mover(-0.4, 80.0, HalfTurn); // past the left wall, heading left
    s->move(*surface);
    EXPECT_DOUBLE_EQ(s->direction, 0.0);
    EXPECT_DOUBLE_EQ(s->xLoc, 0.6);
    EXPECT_EQ(s->X, 1);
}

TEST(ClickSpriteRedraw, MovesOnlyOnAClickSurfaceThatIsNotProcessingAClick) {
    auto click = surface256x184();
    auto s = mover(100.0, 80.0, 0.0);
    click->doAttach(s);

    click->processingClick = true;
    click->Update();
    EXPECT_EQ(s->xLoc, 100.0);
    EXPECT_EQ(s->direction, 0.0);

    click->processingClick = false;
    click->Update();
    EXPECT_EQ(s->xLoc, 101.0);
    EXPECT_EQ(s->X, 101);

    smartSurface plain;
    plain.setWidth(256);
    plain.setHeight(184);
    auto other = mover(100.0, 80.0, 0.0);
    plain.doAttach(other);
    plain.Update();
    EXPECT_EQ(other->xLoc, 100.0);
}

struct PointCase {
    int x, y;
    bool inside;
};

class SpriteWithin : public ::testing::TestWithParam<PointCase> {};

// An 11 x 11 image at 50, 60: its first column and row and the ones just past it are outside.
TEST_P(SpriteWithin, IsStrictOnTheImage) {
    auto s = mover(0, 0, 0);
    s->X = 50;
    s->Y = 60;
    EXPECT_EQ(s->within(GetParam().x, GetParam().y), GetParam().inside);
}

INSTANTIATE_TEST_SUITE_P(Edges, SpriteWithin,
                         ::testing::Values(PointCase{50, 65, false}, PointCase{51, 65, true},
                                           PointCase{60, 65, true}, PointCase{61, 65, false},
                                           PointCase{55, 60, false}, PointCase{55, 61, true},
                                           PointCase{55, 70, true}, PointCase{55, 71, false},
                                           PointCase{51, 61, true}));

TEST(SpriteWithin, WithoutAnImageNothingIsInside) {
    bounceSprite s;
    EXPECT_FALSE(s.within(1, 1));
}

} // namespace
