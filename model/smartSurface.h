#pragma once
// The base of every pond surface: a sprite surface that keeps its own ordered list of the
// animals on it and turns the framework's frame and contact events into hooks.
//
// Call protocol:
//   - Animals come and go only through doAttach and doDetach (clear detaches them all);
//     each ends with the addedSprite / removedSprite hook, after the list has changed.
//   - Update() raises Event_NextFrame: every animal's redraw in list order (the bound is
//     read once, so an animal attached meanwhile waits for the next frame), then the
//     surface's own redraw.
//   - Then, for every touching pair (a, b) the framework reports, Event_Collision calls
//     a's collision hook, b's, then the surface's own collision.

#include "platform/SpriteSurface.h"

#include <cstdint>
#include <memory>
#include <vector>

class smartSprite;

class smartSurface : public SpriteSurface {
  public:
    smartSurface();
    ~smartSurface() override;

    // Element 0 never holds an animal: the animals are at 1 to the upper bound, which is
    // therefore their number. The list owns them.
    std::vector<std::shared_ptr<smartSprite>> sprites =
        std::vector<std::shared_ptr<smartSprite>>(1);

    void Event_Collision(const SpritePtr& a, const SpritePtr& b) override;
    void Event_NextFrame() override;

    // End-of-frame hook, after every animal's redraw.
    virtual void redraw();
    // Surface-level reaction to a touching pair, after both animals' hooks.
    virtual void collision(const std::shared_ptr<smartSprite>& a,
                           const std::shared_ptr<smartSprite>& b);
    // Set-up hook of a new surface.
    virtual void prepare();
    // Puts the animal on the surface, at the end of the list.
    virtual void doAttach(std::shared_ptr<smartSprite> s);
    // Whether the window point lies strictly inside the surface's rectangle.
    virtual bool within(int32_t x, int32_t y);
    // Takes every animal off, from the last to the first, then runs one frame to repaint.
    virtual void clear();
    virtual void addedSprite(const std::shared_ptr<smartSprite>& s);
    virtual void removedSprite(const std::shared_ptr<smartSprite>& s);
    // Takes the animal at index (1 to the upper bound) off the surface; later ones move down.
    virtual void doDetach(int32_t index);
};
