#pragma once
// The two canvases that float over the main window while an animal is dragged: the
// animal's own image in a thin grey frame, and for a critter an 85 x 69 data card.
//
// Call protocol: popup builds the canvas's picture from the sprite as it is at that moment
// (through the matching prepare) and shows the canvas; vanish hides it. The dragging code
// moves the canvases itself in between; nothing rebuilds the pictures during a drag.

#include "model/smartSprite.h"
#include "platform/Controls.h"
#include "platform/Window.h"

#include <cstdint>
#include <memory>

// The common base: it declares the operations and draws nothing itself.
class popupSpriteCan : public Canvas {
  public:
    // prepare(x, y, sprite) on itself, then shows the canvas.
    virtual void popup(int32_t x, int32_t y, const std::shared_ptr<smartSprite>& sprite);
    // Hides the canvas.
    virtual void vanish();
    // Builds the picture for the pointer at (x, y), window coordinates; empty here.
    virtual void prepare(int32_t x, int32_t y, const std::shared_ptr<smartSprite>& sprite);
    // The same, for a canvas that places itself within the window; empty here.
    virtual void prepare(int32_t x, int32_t y, const std::shared_ptr<smartSprite>& sprite,
                         ::Window& window);
    // prepare(x, y, sprite, window) on itself, then shows the canvas.
    virtual void popup(int32_t x, int32_t y, const std::shared_ptr<smartSprite>& sprite,
                       ::Window& window);
};

// The framed image, placed where the animal sat on its surface.
class spritePopUp : public popupSpriteCan {
  public:
    using popupSpriteCan::prepare;
    void prepare(int32_t x, int32_t y, const std::shared_ptr<smartSprite>& sprite) override;
};

// The data card of a critter: its picture, "Normal" or "Deformed" for a frog, and whether
// it is infected.
class spriteDataPopUp : public popupSpriteCan {
  public:
    using popupSpriteCan::prepare;
    void prepare(int32_t x, int32_t y, const std::shared_ptr<smartSprite>& sprite,
                 ::Window& window) override;
};
