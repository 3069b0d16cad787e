#include "model/clickSurface.h"

#include "model/Globals.h"
#include "model/smartSprite.h"
#include "platform/Runtime.h"

std::shared_ptr<smartSprite> clickSurface::mouseDown(int32_t x, int32_t y) {
    processingClick = true;
    const int32_t dx = x - Left();
    const int32_t dy = y - Top();
    std::shared_ptr<smartSprite> lifted;
    if (Ubound(sprites) > 0) {
        int32_t i = 0;
        do {
            RuntimeBackgroundTask();
            ++i;
            if (sprites[std::size_t(i)]->within(dx, dy)) {
                lifted = sprites[std::size_t(i)];
                auto picture = lifted->Image;
                doDetach(i);
                lifted->Image = picture;
                lifted->X = lifted->X - dx;
                lifted->Y = lifted->Y - dy;
                i = Ubound(sprites);
            }
        } while (i < Ubound(sprites));
    }
    if (lifted) Update();
    processingClick = false;
    return lifted;
}

void clickSurface::spriteDrop(std::shared_ptr<smartSprite> s, int32_t x, int32_t y) {
    if (!s) return;
    processingClick = true;
    s->X = s->X + (x - Left());
    s->Y = s->Y + (y - Top());
    doAttach(s);
    Update();
    processingClick = false;
}

bool clickSurface::SetProperty(std::string_view name, const PropertyValue& value) {
    if (SameName(name, "processingClick")) return AssignProperty(processingClick, value);
    return smartSurface::SetProperty(name, value);
}
