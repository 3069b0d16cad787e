#pragma once
// A surface from which the user lifts an animal (mouseDown) and onto which a lifted animal
// is put down (spriteDrop).
//
// Call protocol: the window calls mouseDown with the pointer's window point; it returns the
// lifted animal, now on no surface, with X and Y holding its corner's offset from the
// pointer. The window later hands that animal to spriteDrop of the surface under the
// pointer. Each call forces one repaint frame with processingClick set, so nothing moves,
// ages or breeds in it; processingClick is false again before either returns.

#include "model/smartSurface.h"

#include <string_view>

class clickSurface : public smartSurface {
  public:
    bool processingClick = false;

    // The animal under the window point that was attached earliest, lifted off; or nullptr.
    virtual std::shared_ptr<smartSprite> mouseDown(int32_t x, int32_t y);
    // Puts the lifted animal s down at the same offset from the window point (x, y).
    virtual void spriteDrop(std::shared_ptr<smartSprite> s, int32_t x, int32_t y);

    bool SetProperty(std::string_view name, const PropertyValue& value) override;
};
