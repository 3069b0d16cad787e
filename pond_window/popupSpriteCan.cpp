#include "pond_window/popupSpriteCan.h"

#include "app/Pictures.h"
#include "model/critterSprite.h"
#include "platform/Color.h"
#include "platform/Picture.h"

void popupSpriteCan::popup(int32_t x, int32_t y, const std::shared_ptr<smartSprite>& sprite) {
    prepare(x, y, sprite);
    setVisible(true);
}

void popupSpriteCan::vanish() { setVisible(false); }

void popupSpriteCan::prepare(int32_t, int32_t, const std::shared_ptr<smartSprite>&) {}

void popupSpriteCan::prepare(int32_t, int32_t, const std::shared_ptr<smartSprite>&, ::Window&) {}

void popupSpriteCan::popup(int32_t x, int32_t y, const std::shared_ptr<smartSprite>& sprite,
                           ::Window& window) {
    prepare(x, y, sprite, window);
    setVisible(true);
}

// The sprite's X and Y hold the offset of its image from the pointer while it is picked
// up, so the frame lands one pixel outside the image where the animal sat.
void spritePopUp::prepare(int32_t x, int32_t y, const std::shared_ptr<smartSprite>& sprite) {
    if (!sprite) return;
    setLeft(x + sprite->X - 1);
    setTop(y + sprite->Y - 1);
    // A sprite without an image gets the bare frame rather than a crash.
    const int imageWidth = sprite->Image ? sprite->Image->Width() : 0;
    const int imageHeight = sprite->Image ? sprite->Image->Height() : 0;
    setWidth(imageWidth + 3);
    setHeight(imageHeight + 3);

    auto picture = NewPicture(Width(), Height(), 32);
    picture->Transparent = 1;
    ::Graphics& g = picture->Graphics();
    g.ForeColor = RGB(150, 150, 150);
    g.DrawRect(0, 0, Width() - 1, Height() - 1);
    g.DrawPicture(sprite->Image, 1, 1, -10000, -10000, 0, 0, -10000, -10000);
    setBackdrop(picture);
}

void spriteDataPopUp::prepare(int32_t x, int32_t y, const std::shared_ptr<smartSprite>& sprite,
                              ::Window& window) {
    const int W = Width();
    const int H = Height();
    if (x + W + 5 < window.Width())
        setLeft(x + 5);
    else
        setLeft(window.Width() - W);
    setTop(y + 12);

    auto picture = NewPicture(W, H, 32);
    picture->Transparent = 0;
    ::Graphics& g = picture->Graphics();
    g.ForeColor = RGB(254, 254, 254);
    g.FillRect(0, 0, W, H);
    g.ForeColor = RGB(0, 0, 0);
    g.DrawRect(0, 0, W - 1, H - 1);
    g.TextSize = 12;

    // Only a critter has a phenotype and an exposure; anything else (which the dragging
    // code never passes) gets the bare card instead of a crash.
    auto critter = std::dynamic_pointer_cast<critterSprite>(sprite);
    if (critter) {
        if (critter->phenotype == "tadpole") {
            g.DrawPicture(Tadpole(), 10, 22, -10000, -10000, 0, 0, -10000, -10000);
        } else if (critter->phenotype == "frog") {
            g.DrawPicture(Frog(), 8, 4, -10000, -10000, 0, 0, -10000, -10000);
            g.DrawString("Normal", 2, 53, 0, false);
        } else if (critter->phenotype == "fivelegs") {
            g.DrawPicture(FiveLegs(), 8, 4, -10000, -10000, 0, 0, -10000, -10000);
            g.DrawString("Deformed", 2, 53, 0, false);
        }

        if (critter->exposed) {
            g.DrawString("Infected", 2, 65, 0, false);
            g.DrawPicture(trematode(), W - 11, H - 16, -10000, -10000, 0, 0, -10000, -10000);
        } else {
            g.DrawString("Uninfected", 2, 65, 0, false);
        }
    }
    setBackdrop(picture);
}
