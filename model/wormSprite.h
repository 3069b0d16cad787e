#pragma once
// The parasite: it only swims. Its touch exposes tadpoles (the critter's collision does
// that); its own collision hook is empty.
//
// Call protocol: prepare (three Rnd draws) sets it up for a surface; the surface's frames
// move it through bounceSprite::move.

#include "model/smartSprite.h"

class wormSprite : public bounceSprite {
  public:
    void prepare(smartSurface& surface) override;
};
