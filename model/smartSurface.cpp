#include "model/smartSurface.h"

#include "model/Globals.h"
#include "model/smartSprite.h"
#include "platform/Runtime.h"

#include <algorithm>
#include <cassert>

smartSurface::smartSurface() = default;
smartSurface::~smartSurface() = default;

void smartSurface::Event_Collision(const SpritePtr& a, const SpritePtr& b) {
    // Only doAttach puts sprites here, but a sprite attached behind our back gets no hooks.
    auto sa = std::dynamic_pointer_cast<smartSprite>(a);
    auto sb = std::dynamic_pointer_cast<smartSprite>(b);
    if (!sa || !sb) return;
    sa->collision(*this, sb);
    sb->collision(*this, sa);
    collision(sa, sb);
}

void smartSurface::Event_NextFrame() {
    const int32_t n = Ubound(sprites);
    for (int32_t i = 1; i <= n; ++i) {
        RuntimeBackgroundTask();
        // Nothing may shrink the list during the pass; should it happen, stop rather than
        // read past its end.
        if (i > Ubound(sprites)) break;
        // Our own reference: the hook may append to the list and move its elements.
        std::shared_ptr<smartSprite> s = sprites[std::size_t(i)];
        s->redraw(*this);
    }
    redraw();
}

void smartSurface::redraw() {}

void smartSurface::collision(const std::shared_ptr<smartSprite>&,
                             const std::shared_ptr<smartSprite>&) {}

void smartSurface::prepare() {}

void smartSurface::doAttach(std::shared_ptr<smartSprite> s) {
    if (!s) return;
    // An animal belongs to one surface at a time. One already here stays where it is; one
    // still on another list leaves that list first, so neither list keeps a stale entry.
    if (s->surface() == this) return;
    if (auto other = dynamic_cast<smartSurface*>(s->surface())) {
        auto& list = other->sprites;
        auto it = std::find(list.begin() + 1, list.end(), s);
        if (it != list.end()) other->doDetach(int32_t(it - list.begin()));
    }
    Attach(s);
    sprites.push_back(s);
    addedSprite(s);
}

bool smartSurface::within(int32_t x, int32_t y) {
    return Left() < x && x < Left() + Width() && Top() < y && y < Top() + Height();
}

void smartSurface::clear() {
    const int32_t n = Ubound(sprites);
    for (int32_t i = n; i >= 1; --i) {
        RuntimeBackgroundTask();
        if (i <= Ubound(sprites)) doDetach(i);
    }
    Update();
}

void smartSurface::addedSprite(const std::shared_ptr<smartSprite>&) {}

void smartSurface::removedSprite(const std::shared_ptr<smartSprite>&) {}

void smartSurface::doDetach(int32_t index) {
    const bool valid = index >= 1 && index <= Ubound(sprites);
    assert(valid && "doDetach: index outside 1 to the upper bound of sprites");
    if (!valid) return;
    std::shared_ptr<smartSprite> s = sprites[std::size_t(index)];
    s->Close();
    sprites.erase(sprites.begin() + index);
    removedSprite(s);
}
