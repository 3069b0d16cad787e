// The two pop-ups of a drag: the framed image where the animal sat, and the data card of a
// critter, checked by their pictures' pixels, in a window as wide as the main window.
#include "app/Pictures.h"
#include "model/critterSprite.h"
#include "model/wormSprite.h"
#include "platform/Picture.h"
#include "platform/PropertyList.h"
#include "platform/Window.h"
#include "platform/testing/ResourceTesting.h"
#include "platform/testing/UiTesting.h"
#include "pond_window/popupSpriteCan.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

constexpr uint32_t kGrey = 0xFF969696;       // RGB(150, 150, 150)
constexpr uint32_t kCardGround = 0xFFFEFEFE; // RGB(254, 254, 254)
constexpr uint32_t kBlack = 0xFF000000;

std::string canvasList(const char* name, int left, int top, int width, int height) {
    return PropertyListBuilder()
        .text("Name", name)
        .integer("Left", left)
        .integer("Top", top)
        .integer("Width", width)
        .integer("Height", height)
        .boolean("Visible", false)
        .bytes();
}

// The two pop-ups where the main window has them, in a window of its width.
class PopUpWindow : public Window {
  public:
    void Layout() override {
        ApplyPropertyList(*this, PropertyListBuilder()
                                     .integer("Width", 663)
                                     .integer("Height", 520)
                                     .text("Title", "Pop-ups")
                                     .bytes());
    }
    void CreateControls() override {
        add<spritePopUp>("spritePopUp1", canvasList("spritePopUp1", 467, 8, 12, 12));
        add<spriteDataPopUp>("spriteDataPopUp1", canvasList("spriteDataPopUp1", 491, 8, 85, 69));
    }
    std::shared_ptr<spritePopUp> frame() const {
        return std::dynamic_pointer_cast<spritePopUp>(ControlByName("spritePopUp1"));
    }
    std::shared_ptr<spriteDataPopUp> card() const {
        return std::dynamic_pointer_cast<spriteDataPopUp>(ControlByName("spriteDataPopUp1"));
    }

  private:
    template <class C> void add(const std::string& name, const std::string& list) {
        auto c = New<C>();
        c->Constructor();
        AddControl(name, c);
        ApplyPropertyList(*c, list);
    }
};

std::shared_ptr<critterSprite> critter(const std::string& phenotype, bool exposed) {
    auto c = std::make_shared<critterSprite>();
    c->phenotype = phenotype;
    c->exposed = exposed;
    return c;
}

// A picked-up animal: an image of a plain colour with a marked top-left corner, its X and Y
// the offset of the image from the pointer.
std::shared_ptr<smartSprite> pickedUp(std::shared_ptr<smartSprite> sprite, int size, int x, int y) {
    sprite->Image = NewPicture(size, size);
    sprite->Image->Graphics().ForeColor = RGB(30, 90, 200);
    sprite->Image->Graphics().FillRect(0, 0, size, size);
    sprite->Image->Graphics().ForeColor = RGB(200, 20, 20);
    sprite->Image->Graphics().FillRect(0, 0, 1, 1);
    sprite->X = x;
    sprite->Y = y;
    return sprite;
}

void releasePictures() {
    FiveLegsCache::permapic = TadpoleCache::permapic = FrogCache::permapic = nullptr;
    trematodeCache::permapic = CadmoriaCoverCache::permapic = nullptr;
}

// Whether every opaque pixel of the picture shows on the card with the picture's corner
// at (x, y).
bool drawnAt(const Picture& card, const std::shared_ptr<Picture>& picture, int x, int y) {
    if (!picture) return false;
    int opaque = 0;
    for (int py = 0; py < picture->Height(); ++py)
        for (int px = 0; px < picture->Width(); ++px) {
            const uint32_t p = picture->Pixel(px, py);
            if ((p >> 24) != 0xFF) continue;
            ++opaque;
            if (card.Pixel(x + px, y + py) != p) return false;
        }
    return opaque > 0;
}

// Whether every pixel of the area (inclusive corners) is the card's ground.
bool blank(const Picture& card, int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            if (card.Pixel(x, y) != kCardGround) return false;
    return true;
}

// Whether the card shows exactly this text on the line with baseline y: the text's band
// left of the worm's corner is what the text alone on the card's ground looks like.
bool showsText(const Picture& card, const std::string& text, int y) {
    auto alone = NewPicture(85, 69);
    alone->Graphics().ForeColor = RGB(254, 254, 254);
    alone->Graphics().FillRect(0, 0, 85, 69);
    alone->Graphics().ForeColor = RGB(0, 0, 0);
    alone->Graphics().TextSize = 12;
    alone->Graphics().DrawString(text, 2, y);
    bool ink = false;
    for (int row = y - 11; row <= y + 1; ++row)
        for (int x = 1; x <= 72; ++x) {
            if (card.Pixel(x, row) != alone->Pixel(x, row)) return false;
            ink = ink || alone->Pixel(x, row) != kCardGround;
        }
    return ink;
}

class SpritePopUps : public ::testing::Test {
  protected:
    void SetUp() override {
        releasePictures();
        window = ImplicitInstance<PopUpWindow>("PopUpWindow.PopUpWindow");
        ASSERT_TRUE(window);
        frame = window->frame();
        card = window->card();
        ASSERT_TRUE(frame && card);
    }
    void TearDown() override {
        CloseAllWindows();
        releasePictures();
    }
    std::shared_ptr<PopUpWindow> window;
    std::shared_ptr<spritePopUp> frame;
    std::shared_ptr<spriteDataPopUp> card;
};

} // namespace

TEST_F(SpritePopUps, TheFramedImageSitsWhereTheAnimalSatInAGreyFrame) {
    struct Case {
        const char* what;
        std::function<std::shared_ptr<smartSprite>()> make;
        int size, offsetX, offsetY, pointerX, pointerY;
        int left, top, extent;
    };
    const Case cases[] = {
        {"tadpole", [] { return std::make_shared<critterSprite>(); }, 11, -3, -4, 100, 100, 96, 95,
         14},
        {"grown critter", [] { return std::make_shared<critterSprite>(); }, 13, -12, 0, 300, 200,
         287, 199, 16},
        {"worm", [] { return std::make_shared<wormSprite>(); }, 8, 0, -7, 5, 60, 4, 52, 11},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto sprite = pickedUp(c.make(), c.size, c.offsetX, c.offsetY);
        frame->vanish();
        frame->popup(c.pointerX, c.pointerY, sprite);
        EXPECT_TRUE(frame->Visible());
        EXPECT_EQ(frame->Left(), c.left);
        EXPECT_EQ(frame->Top(), c.top);
        EXPECT_EQ(frame->Width(), c.extent);
        EXPECT_EQ(frame->Height(), c.extent);
        auto picture = frame->Backdrop();
        ASSERT_TRUE(picture);
        ASSERT_EQ(picture->Width(), c.extent);
        EXPECT_EQ(picture->Transparent, 1);
        const int last = c.extent - 2; // the outline lies inside Width - 1 x Height - 1
        for (int i = 0; i <= last; ++i) {
            EXPECT_EQ(picture->Pixel(i, 0), kGrey) << i;
            EXPECT_EQ(picture->Pixel(i, last), kGrey) << i;
            EXPECT_EQ(picture->Pixel(0, i), kGrey) << i;
            EXPECT_EQ(picture->Pixel(last, i), kGrey) << i;
            EXPECT_EQ(picture->Pixel(c.extent - 1, i), 0u) << i;
            EXPECT_EQ(picture->Pixel(i, c.extent - 1), 0u) << i;
        }
        // The image's own corner lands at (1, 1), its far corner just inside the frame.
        EXPECT_EQ(picture->Pixel(1, 1), sprite->Image->Pixel(0, 0));
        EXPECT_EQ(picture->Pixel(c.size, c.size), sprite->Image->Pixel(c.size - 1, c.size - 1));
        EXPECT_NE(picture->Pixel(1, 1), picture->Pixel(2, 2));
    }
}

TEST_F(SpritePopUps, NoSpriteLeavesTheFramedImageAsItWas) {
    frame->popup(100, 100, pickedUp(std::make_shared<critterSprite>(), 11, -3, -4));
    auto before = frame->Backdrop();
    frame->vanish();
    EXPECT_FALSE(frame->Visible());
    frame->popup(400, 300, nullptr);
    EXPECT_TRUE(frame->Visible());
    EXPECT_EQ(frame->Left(), 96);
    EXPECT_EQ(frame->Top(), 95);
    EXPECT_EQ(frame->Width(), 14);
    EXPECT_EQ(frame->Backdrop(), before);
}

TEST_F(SpritePopUps, TheCardSitsRightOfAndBelowThePointerAndNeverPastTheRightEdge) {
    struct Case {
        int x, y, left, top;
    };
    const Case cases[] = {
        {100, 100, 105, 112}, {572, 40, 577, 52},   {573, 40, 578, 52}, {574, 40, 578, 52},
        {662, 40, 578, 52},   {700, 510, 578, 522}, {0, 0, 5, 12},
    };
    for (const Case& c : cases) {
        card->popup(c.x, c.y, critter("frog", false), *window);
        EXPECT_EQ(card->Left(), c.left) << c.x;
        EXPECT_EQ(card->Top(), c.top) << c.y;
        EXPECT_EQ(card->Width(), 85);
        EXPECT_EQ(card->Height(), 69);
        EXPECT_TRUE(card->Visible());
    }
    // Each pick-up builds a new card.
    auto first = card->Backdrop();
    card->popup(100, 100, critter("frog", false), *window);
    EXPECT_NE(card->Backdrop(), first);
    card->vanish();
    EXPECT_FALSE(card->Visible());
}

TEST_F(SpritePopUps, TheCardShowsWhatTheCritterIs) {
    struct Case {
        const char* phenotype;
        bool exposed;
        std::function<std::shared_ptr<Picture>()> picture; // nullptr: none
        int px, py;
        const char* kind; // the text at baseline 53, or nullptr
    };
    const Case cases[] = {
        {"tadpole", false, Tadpole, 10, 22, nullptr},
        {"tadpole", true, Tadpole, 10, 22, nullptr},
        {"frog", false, Frog, 8, 4, "Normal"},
        {"frog", true, Frog, 8, 4, "Normal"},
        {"fivelegs", false, FiveLegs, 8, 4, "Deformed"},
        {"fivelegs", true, FiveLegs, 8, 4, "Deformed"},
        // Names are compared exactly: anything else gets the frame and the exposure only.
        {"Frog", true, nullptr, 0, 0, nullptr},
        {"", false, nullptr, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.phenotype) + (c.exposed ? " exposed" : " unexposed"));
        card->popup(300, 200, critter(c.phenotype, c.exposed), *window);
        auto shown = card->Backdrop();
        ASSERT_TRUE(shown);
        const Picture& p = *shown;
        ASSERT_EQ(p.Width(), 85);
        ASSERT_EQ(p.Height(), 69);
        EXPECT_EQ(p.Transparent, 0);

        // Black outline inside 84 x 68 on the near-white ground.
        for (int x = 0; x <= 83; ++x) {
            EXPECT_EQ(p.Pixel(x, 0), kBlack) << x;
            EXPECT_EQ(p.Pixel(x, 67), kBlack) << x;
            EXPECT_EQ(p.Pixel(x, 68), kCardGround) << x;
        }
        for (int y = 0; y <= 67; ++y) {
            EXPECT_EQ(p.Pixel(0, y), kBlack) << y;
            EXPECT_EQ(p.Pixel(83, y), kBlack) << y;
            EXPECT_EQ(p.Pixel(84, y), kCardGround) << y;
        }
        EXPECT_EQ(p.Pixel(1, 1), kCardGround);

        if (c.picture) {
            EXPECT_TRUE(drawnAt(p, c.picture(), c.px, c.py));
        } else {
            EXPECT_TRUE(blank(p, 1, 1, 82, 52));
        }
        // The frog pictures are told apart: a normal frog's card lacks the fifth leg.
        if (std::string(c.phenotype) == "frog") {
            EXPECT_FALSE(drawnAt(p, FiveLegs(), 8, 4));
        }

        if (c.kind)
            EXPECT_TRUE(showsText(p, c.kind, 53));
        else
            EXPECT_TRUE(blank(p, 1, 48, 72, 53)) << "no text at baseline 53";

        EXPECT_TRUE(showsText(p, c.exposed ? "Infected" : "Uninfected", 65));
        if (c.exposed)
            EXPECT_TRUE(drawnAt(p, trematode(), 74, 53));
        else
            EXPECT_TRUE(blank(p, 73, 53, 82, 66)) << "no worm";
    }
}

TEST_F(SpritePopUps, AMissingWormPictureIsAskedForAtEveryPickUpAndLeavesItsCornerEmpty) {
    auto fork = std::make_shared<TestResourceFork>();
    fork->missing = {171};
    ScopedResourceFork scoped(fork);
    for (int pickUp = 1; pickUp <= 3; ++pickUp) {
        card->popup(100, 100, critter("frog", true), *window);
        auto shown = card->Backdrop();
        ASSERT_TRUE(shown);
        EXPECT_TRUE(showsText(*shown, "Infected", 65));
        EXPECT_TRUE(blank(*shown, 73, 53, 82, 66));
        EXPECT_EQ(fork->callsFor(171), pickUp);
    }
    // The frog's picture was read once and kept.
    EXPECT_EQ(fork->callsFor(170), 1);
}

TEST_F(SpritePopUps, BothShowTheirPicturesInTheWindow) {
    window->Show();
    frame->popup(100, 100, pickedUp(std::make_shared<critterSprite>(), 11, -3, -4));
    card->popup(100, 100, critter("fivelegs", true), *window);
    uitest::ProcessEvents(20);
    EXPECT_EQ(uitest::ShownPixel(*frame, 0, 0), kGrey);
    EXPECT_EQ(uitest::ShownPixel(*frame, 1, 1), 0xFFC81414u); // the image's marked corner
    EXPECT_EQ(uitest::ShownPixel(*card, 0, 0), kBlack);
    EXPECT_EQ(uitest::ShownPixel(*card, 2, 2), kCardGround);
}
