#include "model/popSurface.h"

#include "model/Globals.h"
#include "model/critterSprite.h"
#include "model/wormSprite.h"
#include "platform/Color.h"
#include "platform/Picture.h"
#include "platform/Runtime.h"

void popSurface::redraw() {
    // No step back after a removal: the animal that moves into index i waits for the next
    // frame's scan.
    int32_t i = 1;
    while (i <= Ubound(sprites)) {
        RuntimeBackgroundTask();
        auto critter = dynamic_cast<critterSprite*>(sprites[std::size_t(i)].get());
        if (critter && Globals::Lifespan < critter->age) doDetach(i);
        i = i + 1;
    }
}

void popSurface::prepare() {
    setVisible(false);
    auto ground = NewPicture(10, 10, 32);
    ground->Graphics().ForeColor = RGB(255, 255, 255);
    ground->Graphics().FillRect(0, 0, 10, 10);
    Backdrop = ground;
    setVisible(true);
    ClickToStop = true;
    FrameSpeed = 2;
    numCritters = 0;
    numWorms = 0;
}

void popSurface::addedSprite(const std::shared_ptr<smartSprite>& s) {
    if (auto b = dynamic_cast<bounceSprite*>(s.get())) {
        b->xLoc = b->X;
        b->yLoc = b->Y;
    }
    if (dynamic_cast<critterSprite*>(s.get())) numCritters = numCritters + 1;
    if (dynamic_cast<wormSprite*>(s.get())) numWorms = numWorms + 1;
}

void popSurface::removedSprite(const std::shared_ptr<smartSprite>& s) {
    if (dynamic_cast<critterSprite*>(s.get())) numCritters = numCritters - 1;
    if (dynamic_cast<wormSprite*>(s.get())) numWorms = numWorms - 1;
}
