#pragma once
// Shared set-up of the model tests: start-up settings, pond surfaces and animals placed by
// hand, and a helper that runs a block under a fixed sequence of random numbers.

#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/popSurface.h"
#include "model/wormSprite.h"
#include "platform/Numbers.h"
#include "platform/Window.h"
#include "platform/testing/Testing.h"
#include "tests/support/Replay.h"
#include "tests/support/StartUpSettings.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// Globals as start-up leaves them: tick 0 picks "Genetic", the draw 0.9 gives the bottom
// pond the 30 worms.
class ModelTest : public ::testing::Test {
  protected:
    void SetUp() override { StartUpSettings(); }
    void TearDown() override { Globals::ReleaseArrays(); }
};

// A prepared pond surface with a window rectangle, as the main window places its ponds.
template <typename Surface = popSurface>
std::shared_ptr<Surface> makePond(int32_t index = 0, int width = 256, int height = 184,
                                  int left = 16, int top = 265) {
    auto pond = std::make_shared<Surface>();
    pond->setLeft(left);
    pond->setTop(top);
    pond->setWidth(width);
    pond->setHeight(height);
    pond->Index = index;
    pond->prepare();
    return pond;
}

// Puts a prepared animal at a whole-pixel place with a heading, then attaches it.
inline void placeAndAttach(smartSurface& surface, bounceSprite& s, int x, int y, double direction) {
    s.X = x;
    s.Y = y;
    s.xLoc = x;
    s.yLoc = y;
    s.direction = direction;
    surface.doAttach(std::static_pointer_cast<smartSprite>(s.shared_from_this()));
}

// A critter set up by prepare (under its own replay), then given an age, a place and a
// heading and attached. Grown critters show their adult picture, as a filled pond's do.
inline std::shared_ptr<critterSprite> addCritter(smartSurface& surface, int x, int y, int age,
                                                 double direction = 0.0) {
    auto c = std::make_shared<critterSprite>();
    {
        Replay draws({0.0, 0.0, 0.0, 0.0});
        c->prepare(surface);
    }
    c->age = age;
    if (age >= Globals::AgeAtMaturity) {
        c->Image = c->iAdult;
        c->phenotype = "frog";
    }
    placeAndAttach(surface, *c, x, y, direction);
    return c;
}

inline std::shared_ptr<wormSprite> addWorm(smartSurface& surface, int x, int y,
                                           double direction = 0.0) {
    auto w = std::make_shared<wormSprite>();
    {
        Replay draws({0.0, 0.0, 0.0});
        w->prepare(surface);
    }
    placeAndAttach(surface, *w, x, y, direction);
    return w;
}

// The opaque colour at the centre of a picture, as 0xAARRGGBB.
inline uint32_t centrePixel(const Picture& p) { return p.Pixel(p.Width() / 2, p.Height() / 2); }
inline uint32_t argb(Color c) {
    return 0xFF000000u | uint32_t(c.red) << 16 | uint32_t(c.green) << 8 | uint32_t(c.blue);
}
