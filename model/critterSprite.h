#pragma once
// A tadpole that ages one day per moved frame, turns into a frog at Globals::AgeAtMaturity
// (normal or five-legged as the scenario decides), breeds with grown critters it touches
// and is exposed when a worm touches it while still a tadpole.
//
// Call protocol: prepare (four Rnd draws) sets it up as a new tadpole for a surface; its
// surface then calls redraw -> move each frame and collision for each contact. The pond
// surface removes it once its age exceeds Globals::Lifespan.

#include "model/smartSprite.h"

#include "platform/Picture.h"

#include <string>

// A quarter of HalfTurn.
inline constexpr double QuarterTurn = 0.7853981625;

class critterSprite : public bounceSprite {
  public:
    int32_t age = 0;            // frames lived
    int32_t TimeSinceRepro = 0; // frames since the last birth
    std::shared_ptr<Picture> iBaby;
    std::shared_ptr<Picture> iAdult;
    int32_t mAllele = 0; // 0 is "A", 1 the mutant "a"
    int32_t pAllele = 0;
    std::string phenotype; // "tadpole", then "frog" or "fivelegs"
    bool exposed = false;

    void collision(smartSurface& surface, const std::shared_ptr<smartSprite>& other) override;
    void prepare(smartSurface& surface) override;
    void move(smartSurface& surface) override;
    // The grown critter's phenotype under the named scenario; changes nothing itself.
    virtual std::string metamorphosis(const std::string& scenario);
};
