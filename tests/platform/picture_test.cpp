#include "platform/Color.h"
#include "platform/Picture.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

namespace {

constexpr uint32_t opaque(Color c) {
    return 0xFF000000u | uint32_t(c.red) << 16 | uint32_t(c.green) << 8 | c.blue;
}

const Color red{255, 0, 0};
const Color blue{0, 0, 255};
const Color white{255, 255, 255};

// Pixels of the picture that are not fully transparent.
int paintedPixels(const Picture& p) {
    int n = 0;
    for (int y = 0; y < p.Height(); ++y)
        for (int x = 0; x < p.Width(); ++x)
            if (p.Pixel(x, y) >> 24) ++n;
    return n;
}

} // namespace

TEST(Color, RGBClampsEachComponent) {
    EXPECT_EQ(RGB(10, 20, 30), (Color{10, 20, 30}));
    EXPECT_EQ(RGB(-5, 300, 255), (Color{0, 255, 255}));
}

TEST(Color, CMYIsTheComplementInRGB) {
    struct Case {
        double c, m, y;
        Color expected;
    } cases[] = {
        {0, 0, 0, {255, 255, 255}},
        {1, 1, 1, {0, 0, 0}},
        {1, 0, 0, {0, 255, 255}},
        {0, 1, 0, {255, 0, 255}},
        {0, 0, 1, {255, 255, 0}},
        {0.5, 0.25, 0.75, {128, 191, 64}},
        {-1, 2, std::numeric_limits<double>::quiet_NaN(), {255, 0, 255}},
    };
    for (const auto& k : cases)
        EXPECT_EQ(CMY(k.c, k.m, k.y), k.expected) << k.c << " " << k.m << " " << k.y;
}

TEST(Picture, NewPictureIsFullyTransparent) {
    auto p = NewPicture(7, 5, 32);
    ASSERT_EQ(p->Width(), 7);
    ASSERT_EQ(p->Height(), 5);
    EXPECT_EQ(paintedPixels(*p), 0);
    EXPECT_EQ(p->Pixel(-1, 0), 0u);
    EXPECT_EQ(p->Pixel(7, 0), 0u);
}

TEST(Picture, SizesThatHoldNoPixelsGiveAnEmptyPictureThatIgnoresDrawing) {
    auto source = NewPicture(4, 4);
    source->Graphics().FillRect(0, 0, 4, 4);
    // The last two are sizes the image cannot be made at.
    const std::pair<int, int> sizes[] = {{0, 5},  {5, 0},       {-3, 4},
                                         {4, -1}, {1 << 29, 1}, {INT_MAX, INT_MAX}};
    for (auto [w, h] : sizes) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        auto p = NewPicture(w, h);
        EXPECT_EQ(p->Width(), 0);
        EXPECT_EQ(p->Height(), 0);
        auto& g = p->Graphics();
        g.FillRect(0, 0, 10, 10);
        g.FillOval(0, 0, 10, 10);
        g.DrawRect(0, 0, 10, 10);
        g.DrawPicture(source, 0, 0);
        g.DrawString("text", 0, 10);
        EXPECT_EQ(p->Pixel(0, 0), 0u);
        EXPECT_TRUE(p->Mask().bits.empty());
        // An empty picture drawn elsewhere draws nothing.
        source->Graphics().DrawPicture(p, 0, 0);
        EXPECT_EQ(paintedPixels(*source), 16);
    }
}

TEST(Graphics, ForeColorHoldsForTheCallsThatFollow) {
    auto p = NewPicture(10, 10);
    auto& g = p->Graphics();
    g.ForeColor = red;
    g.FillRect(0, 0, 2, 2);
    g.FillRect(5, 5, 2, 2);
    g.ForeColor = blue;
    g.FillRect(8, 0, 2, 2);
    EXPECT_EQ(p->Pixel(0, 0), opaque(red));
    EXPECT_EQ(p->Pixel(6, 6), opaque(red));
    EXPECT_EQ(p->Pixel(9, 1), opaque(blue));
}

TEST(Graphics, FillRectCoversExactlyItsRectangleClippedToThePicture) {
    auto p = NewPicture(10, 8);
    auto& g = p->Graphics();
    g.ForeColor = red;
    g.FillRect(2, 3, 4, 2);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) {
            bool inside = x >= 2 && x < 6 && y >= 3 && y < 5;
            EXPECT_EQ(p->Pixel(x, y), inside ? opaque(red) : 0u) << x << "," << y;
        }
    g.ForeColor = blue;
    g.FillRect(-3, -3, 5, 4); // the part from (0, 0) to (1, 0)
    EXPECT_EQ(p->Pixel(1, 0), opaque(blue));
    EXPECT_EQ(p->Pixel(2, 0), 0u);
    EXPECT_EQ(p->Pixel(0, 1), 0u);
    // Rectangles whose far edge does not fit an int, or that lie far off, draw their part
    // inside or nothing.
    g.FillRect(9, 7, INT_MAX, INT_MAX);
    EXPECT_EQ(p->Pixel(9, 7), opaque(blue));
    g.FillRect(INT_MAX - 1, INT_MAX - 1, 100, 100);
    g.FillRect(INT_MIN, INT_MIN, 5, 5);
    g.FillOval(INT_MAX - 1, 0, INT_MAX, 5);
    g.DrawRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    EXPECT_EQ(paintedPixels(*p), 8 + 2 + 1);
}

TEST(Graphics, DrawRectIsAOnePixelOutlineInsideTheRectangle) {
    auto p = NewPicture(8, 8);
    auto& g = p->Graphics();
    g.ForeColor = blue;
    g.DrawRect(1, 2, 5, 4); // columns 1..5, rows 2..5
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            bool inBox = x >= 1 && x <= 5 && y >= 2 && y <= 5;
            bool edge = inBox && (x == 1 || x == 5 || y == 2 || y == 5);
            EXPECT_EQ(p->Pixel(x, y), edge ? opaque(blue) : 0u) << x << "," << y;
        }
    // Partly outside: the sides that fall inside are drawn.
    auto q = NewPicture(4, 4);
    q->Graphics().DrawRect(-2, -2, 5, 5); // right side column 2, bottom row 2
    EXPECT_NE(q->Pixel(2, 0), 0u);
    EXPECT_NE(q->Pixel(0, 2), 0u);
    EXPECT_EQ(q->Pixel(0, 0), 0u);
    EXPECT_EQ(q->Pixel(3, 3), 0u);
}

TEST(Graphics, FillOvalFillsTheEllipseInsideItsBox) {
    auto p = NewPicture(13, 13);
    auto& g = p->Graphics();
    g.ForeColor = red;
    g.FillOval(0, 0, 13, 13);
    EXPECT_EQ(p->Pixel(6, 6), opaque(red));
    EXPECT_GE(p->Pixel(6, 0) >> 24, 128u); // the middle of each edge counts as inside
    EXPECT_GE(p->Pixel(0, 6) >> 24, 128u);
    EXPECT_EQ(p->Pixel(0, 0), 0u); // corners are outside
    EXPECT_EQ(p->Pixel(12, 12), 0u);
    // Symmetric about both axes, to within the edge's smoothing.
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            EXPECT_NEAR(int(p->Pixel(x, y) >> 24), int(p->Pixel(12 - x, 12 - y) >> 24), 2);
}

TEST(Graphics, DrawPictureDrawsTheWholePictureAtItsOwnSize) {
    auto src = NewPicture(3, 2);
    src->Graphics().ForeColor = red;
    src->Graphics().FillRect(0, 0, 3, 1);
    src->Graphics().ForeColor = white;
    src->Graphics().FillRect(0, 1, 3, 1);

    auto dst = NewPicture(8, 8);
    auto& g = dst->Graphics();
    g.ForeColor = blue;
    g.FillRect(0, 0, 8, 8);
    g.DrawPicture(src, 2, 3, -10000, -10000, 0, 0, -10000, -10000);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            uint32_t want = opaque(blue);
            if (x >= 2 && x < 5 && y == 3) want = opaque(red);
            if (x >= 2 && x < 5 && y == 4) want = opaque(white);
            EXPECT_EQ(dst->Pixel(x, y), want) << x << "," << y;
        }

    // Transparent = 1: the white row lets the blue below show; the red row still draws.
    src->Transparent = 1;
    g.FillRect(0, 0, 8, 8);
    g.DrawPicture(src, 6, 6);
    EXPECT_EQ(dst->Pixel(6, 6), opaque(red));
    EXPECT_EQ(dst->Pixel(7, 6), opaque(red)); // clipped at the right edge
    EXPECT_EQ(dst->Pixel(6, 7), opaque(blue));
    // A change to the source after it was drawn shows the next time it is drawn.
    src->Graphics().ForeColor = red;
    src->Graphics().FillRect(0, 1, 3, 1);
    g.DrawPicture(src, 6, 6);
    EXPECT_EQ(dst->Pixel(6, 7), opaque(red));

    // Drawing a picture onto itself, a nil picture, or far off: no crash.
    g.DrawPicture(dst, 1, 1);
    g.DrawPicture(nullptr, 0, 0);
    g.DrawPicture(src, INT_MAX, INT_MIN);
    EXPECT_EQ(dst->Pixel(0, 0), opaque(blue));
}

TEST(Graphics, DrawStringDrawsInForeColorNearTheBaselineAndGrowsWithTextSize) {
    auto extent = [](int size) {
        auto p = NewPicture(200, 80);
        auto& g = p->Graphics();
        g.ForeColor = blue;
        g.TextSize = size;
        g.DrawString("Hello", 10, 60, 0, false);
        int top = 80, bottom = -1, left = 200;
        bool onlyBlue = true;
        for (int y = 0; y < 80; ++y)
            for (int x = 0; x < 200; ++x)
                if (uint32_t px = p->Pixel(x, y); px >> 24) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    left = std::min(left, x);
                    if ((px >> 24) == 0xFF && (px & 0xFFFFFF) != (opaque(blue) & 0xFFFFFF))
                        onlyBlue = false;
                }
        EXPECT_TRUE(onlyBlue);
        EXPECT_GE(left, 9);
        EXPECT_LE(bottom, 62); // no descenders in "Hello": the ink ends at the baseline
        return bottom - top + 1;
    };
    const int small = extent(10), large = extent(30);
    EXPECT_GT(small, 3);
    EXPECT_GT(large, 2 * small);
}

TEST(Picture, MaskMarksOpaquePixelsAndFollowsChangesAndTransparent) {
    auto p = NewPicture(70, 2); // two words per row
    auto& g = p->Graphics();
    g.ForeColor = white;
    g.FillRect(0, 0, 70, 2);
    g.ForeColor = red;
    g.FillRect(65, 1, 1, 1);
    auto bit = [&](int x, int y) {
        const OpacityMask& m = p->Mask();
        return (m.word(y, x / 64) >> (x % 64)) & 1;
    };
    EXPECT_EQ(p->Mask().wordsPerRow, 2);
    EXPECT_EQ(bit(0, 0), 1u);
    EXPECT_EQ(bit(69, 1), 1u);
    p->Transparent = 1; // white no longer counts
    EXPECT_EQ(bit(0, 0), 0u);
    EXPECT_EQ(bit(65, 1), 1u);
    g.FillRect(3, 0, 1, 1); // red over white
    EXPECT_EQ(bit(3, 0), 1u);
    p->Transparent = 0;
    EXPECT_EQ(bit(0, 0), 1u);
    // Bits past the width stay clear.
    EXPECT_EQ(p->Mask().word(0, 1) >> 6, 0u);
}
