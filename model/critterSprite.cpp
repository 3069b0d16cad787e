#include "model/critterSprite.h"

#include "model/Globals.h"
#include "model/popSurface.h"
#include "model/wormSprite.h"
#include "platform/Color.h"
#include "platform/Numbers.h"
#include "platform/Runtime.h"

namespace {

std::shared_ptr<Picture> disc(int size, Color colour) {
    auto picture = NewPicture(size, size, 32);
    picture->Graphics().ForeColor = colour;
    picture->Graphics().FillOval(0, 0, picture->Width(), picture->Height());
    return picture;
}

// Whether the surface has room for another critter. A surface whose Index is no pond index
// has no cap to read and so no room.
bool roomForOneMore(const popSurface& pond) {
    const int32_t index = pond.Index;
    if (index < 0 || index > Ubound(Globals::MaxNumCritters)) return false;
    return pond.numCritters < Globals::MaxNumCritters[std::size_t(index)];
}

} // namespace

void critterSprite::prepare(smartSurface& surface) {
    age = 0;
    direction = Rnd() * HalfTurn;
    exposed = false;
    const Color colour = CMY(1.0, Rnd() * 0.5 + 0.1, 1.0);
    iBaby = disc(11, colour);
    iAdult = disc(13, colour);
    Image = iBaby;
    phenotype = "tadpole";
    speed = 1.0;
    TimeSinceRepro = Globals::Interbirth;
    // Kept 10 pixels clear of every wall.
    xLoc = Rnd() * (surface.Width() - 20 - Image->Width()) + 10;
    yLoc = Rnd() * (surface.Height() - 20 - Image->Height()) + 10;
    X = static_cast<int>(Round(xLoc));
    Y = static_cast<int>(Round(yLoc));
    Group = -1;
}

void critterSprite::move(smartSurface& surface) {
    bounce(surface);
    shuffle();
    age = age + 1;
    // Only the step that reaches the age exactly: critters that start older never change.
    if (age == Globals::AgeAtMaturity) {
        Image = iAdult;
        phenotype = metamorphosis(Globals::Scenario);
    }
    TimeSinceRepro = TimeSinceRepro + 1;
}

std::string critterSprite::metamorphosis(const std::string& scenario) {
    const bool susceptible = mAllele + pAllele == 2;
    if (scenario == "Genetic") return susceptible ? "fivelegs" : "frog";
    if (scenario == "Random") return Rnd() < 0.33 ? "fivelegs" : "frog";
    if (scenario == "Environmental") return exposed ? "fivelegs" : "frog";
    if (scenario == "Both") return exposed && susceptible ? "fivelegs" : "frog";
    MsgBox("Error in critterSprite.metamorphosis: There is no scenario selected.");
    return "";
}

void critterSprite::collision(smartSurface& surface, const std::shared_ptr<smartSprite>& other) {
    // Breeding. Only the critter's own TimeSinceRepro counts, not the partner's.
    auto partner = dynamic_cast<critterSprite*>(other.get());
    auto pond = dynamic_cast<popSurface*>(&surface);
    if (partner && pond && !pond->processingClick && Globals::AgeAtMaturity < age &&
        Globals::Interbirth < TimeSinceRepro && Globals::AgeAtMaturity < partner->age &&
        roomForOneMore(*pond)) {
        // Turn straight away from the partner.
        direction = ATan2(yLoc - partner->yLoc, xLoc - partner->xLoc);
        auto newborn = std::make_shared<critterSprite>();
        newborn->prepare(surface);
        newborn->xLoc = (partner->xLoc + xLoc) / 2;
        newborn->yLoc = (partner->yLoc + yLoc) / 2;
        newborn->X = static_cast<int>(Round(newborn->xLoc));
        newborn->Y = static_cast<int>(Round(newborn->yLoc));
        // A quarter to three quarters of a half turn past the parent's new heading; the
        // newborn's first bounce brings it into range.
        newborn->direction = (direction + QuarterTurn) + (Rnd() * HalfTurn) / 2;
        newborn->mAllele = Rnd() < 0.5 ? mAllele : pAllele;
        newborn->pAllele = Rnd() < 0.5 ? partner->mAllele : partner->pAllele;
        pond->doAttach(newborn);
        TimeSinceRepro = 0;
    }

    // Exposure, even during a forced repaint.
    if (dynamic_cast<wormSprite*>(other.get()) && phenotype == "tadpole") exposed = true;
}
