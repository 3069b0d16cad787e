#pragma once
// The animals' class family up to movement: smartSprite (the hooks a surface drives),
// clickSprite (one step per frame unless its surface is lifting or dropping an animal) and
// bounceSprite (a real-valued position, heading and speed, bouncing off the walls).
//
// Call protocol: the surface calls redraw once per frame and collision once per reported
// contact; prepare is called by whoever creates the animal, before or after it is attached.
// clickSprite::redraw calls move only on a clickSurface whose processingClick is false;
// bounceSprite::move calls bounce, then shuffle.

#include "platform/SpriteSurface.h"

#include <cstdint>
#include <memory>

class smartSurface;

// The program's angles: pi to eight decimals and twice that, not full precision.
inline constexpr double HalfTurn = 3.14159265;
inline constexpr double FullTurn = 6.2831853;

// Every animal: the surface calls redraw each frame and collision per contact; all empty
// here. within is how a surface finds the animal under the pointer.
class smartSprite : public Sprite {
  public:
    // The per-frame step.
    virtual void redraw(smartSurface& surface);
    // The reaction to touching another sprite on the surface.
    virtual void collision(smartSurface& surface, const std::shared_ptr<smartSprite>& other);
    // Sets a new animal up for the surface.
    virtual void prepare(smartSurface& surface);
    // Whether the surface point lies strictly inside the image.
    virtual bool within(int32_t x, int32_t y);
};

// redraw -> move, but only on a clickSurface that is not in a forced repaint.
class clickSprite : public smartSprite {
  public:
    void redraw(smartSurface& surface) override;
    // One movement step.
    virtual void move(smartSurface& surface);
};

// move -> bounce (walls, then one wrap of the heading) -> shuffle (one step, X and Y rounded).
class bounceSprite : public clickSprite {
  public:
    double direction = 0; // radians; a positive Sin moves down
    double speed = 0;     // pixels per step
    double xLoc = 0;      // real-valued top-left corner; X and Y are its rounded values
    double yLoc = 0;

    void move(smartSurface& surface) override;
    // Turns the heading off the surface's walls, then brings it back into one turn.
    virtual void bounce(smartSurface& surface);
    // One step along the heading.
    virtual void shuffle();
};
