#include "model/smartSprite.h"

#include "model/clickSurface.h"
#include "platform/Numbers.h"

void smartSprite::redraw(smartSurface&) {}

void smartSprite::collision(smartSurface&, const std::shared_ptr<smartSprite>&) {}

void smartSprite::prepare(smartSurface&) {}

bool smartSprite::within(int32_t x, int32_t y) {
    if (!Image) return false; // nothing shown, nothing to hit
    return X < x && x < X + Image->Width() && Y < y && y < Y + Image->Height();
}

void clickSprite::redraw(smartSurface& surface) {
    auto click = dynamic_cast<clickSurface*>(&surface);
    if (!click || click->processingClick) return;
    move(surface);
}

void clickSprite::move(smartSurface&) {}

void bounceSprite::move(smartSurface& surface) {
    bounce(surface);
    shuffle();
}

void bounceSprite::bounce(smartSurface& surface) {
    const double width = surface.Width();
    const double height = surface.Height();
    const double imageWidth = Image ? Image->Width() : 0;
    const double imageHeight = Image ? Image->Height() : 0;
    // The position test comes first: the heading's component only matters past a wall.
    if (xLoc < 0 && Cos(direction) < 0) direction = HalfTurn - direction;
    if (width < xLoc + imageWidth && Cos(direction) > 0) direction = HalfTurn - direction;
    if (yLoc < 0 && Sin(direction) < 0) direction = direction * -1;
    if (height < yLoc + imageHeight && Sin(direction) > 0) direction = direction * -1;
    if (direction > FullTurn)
        direction = direction - FullTurn;
    else if (direction < 0)
        direction = direction + FullTurn;
}

void bounceSprite::shuffle() {
    xLoc = xLoc + speed * Cos(direction);
    yLoc = yLoc + speed * Sin(direction);
    X = static_cast<int>(Round(xLoc));
    Y = static_cast<int>(Round(yLoc));
}
