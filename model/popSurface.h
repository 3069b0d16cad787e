#pragma once
// A pond surface: a clickSurface with a white ground that counts its critters and worms and
// removes the critters that have outlived Globals::Lifespan.
//
// Call protocol: prepare once, on the empty surface, before its first Update. From then on
// the counts follow every doAttach / doDetach through addedSprite / removedSprite, and
// redraw, the end-of-frame hook, removes the old critters. The breeding cap of the surface
// is Globals::MaxNumCritters at the surface's Index (its pond index).

#include "model/clickSurface.h"

class popSurface : public clickSurface {
  public:
    int32_t numCritters = 0;
    int32_t numWorms = 0;

    void redraw() override;
    void prepare() override;
    void addedSprite(const std::shared_ptr<smartSprite>& s) override;
    void removedSprite(const std::shared_ptr<smartSprite>& s) override;
};
