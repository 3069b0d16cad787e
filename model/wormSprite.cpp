#include "model/wormSprite.h"

#include "model/smartSurface.h"
#include "platform/Color.h"
#include "platform/Numbers.h"
#include "platform/Picture.h"

void wormSprite::prepare(smartSurface& surface) {
    const Color colour = RGB(230, 85, 85);
    auto picture = NewPicture(8, 8, 32);
    picture->Graphics().ForeColor = colour;
    picture->Graphics().FillOval(0, 0, 8, 8);
    Image = picture;
    Group = 1;
    direction = Rnd() * HalfTurn;
    speed = 0.5;
    // Kept 10 pixels clear of every wall.
    xLoc = Rnd() * (surface.Width() - 20 - Image->Width()) + 10;
    yLoc = Rnd() * (surface.Height() - 20 - Image->Height()) + 10;
    X = static_cast<int>(Round(xLoc));
    Y = static_cast<int>(Round(yLoc));
}
