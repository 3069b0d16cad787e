// Reading pictures from resource data: a good SVG or PNG gives a picture at its own size,
// anything else gives nullptr and no crash; a test's own resource source replaces the real
// one for its lifetime.
#include "platform/Picture.h"
#include "platform/Resources.h"
#include "platform/testing/ResourceTesting.h"
#include "platform/testing/UiTesting.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kRedSquare = R"(<svg xmlns="http://www.w3.org/2000/svg" width="7" height="5">)"
                               R"(<rect x="0" y="0" width="7" height="5" fill="#ff0000"/></svg>)";

std::string svgOfSize(const std::string& width, const std::string& height) {
    return R"(<svg xmlns="http://www.w3.org/2000/svg" width=")" + width + R"(" height=")" + height +
           R"("><rect width="4" height="4" fill="#00f"/></svg>)";
}

// PNG bytes of a small picture, written by the platform and read back.
std::string pngBytes(int width, int height) {
    auto picture = NewPicture(width, height);
    picture->Graphics().ForeColor = RGB(0, 128, 0);
    picture->Graphics().FillRect(0, 0, width, height);
    std::string bytes = uitest::PictureAsPng(*picture);
    EXPECT_GT(bytes.size(), 40u);
    return bytes;
}

} // namespace

TEST(PictureFromData, ReadsSvgAndPngAtTheirOwnSize) {
    auto svg = PictureFromData(kRedSquare);
    ASSERT_TRUE(svg);
    EXPECT_EQ(svg->Width(), 7);
    EXPECT_EQ(svg->Height(), 5);
    EXPECT_EQ(svg->Pixel(3, 2), 0xFFFF0000u);

    auto png = PictureFromData(pngBytes(9, 4));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->Width(), 9);
    EXPECT_EQ(png->Height(), 4);
    EXPECT_EQ(png->Pixel(8, 3), 0xFF008000u);
}

TEST(PictureFromData, BadOrEmptyDataGivesNothing) {
    const std::string png = pngBytes(9, 4);
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"no bytes", ""},
        {"a zero byte", std::string(1, '\0')},
        {"text that is no picture", "hello, not a picture"},
        {"an SVG cut off in the middle", kRedSquare.substr(0, kRedSquare.size() / 2)},
        {"an SVG that is only its opening", "<svg"},
        {"an SVG of zero width", svgOfSize("0", "10")},
        {"an SVG of zero height", svgOfSize("10", "0")},
        {"an SVG of negative size", svgOfSize("-5", "-5")},
        {"an SVG far too large", svgOfSize("100000", "100000")},
        {"a PNG cut short", png.substr(0, png.size() / 2)},
        {"a PNG header only", png.substr(0, 8)},
        {"a PNG with its pixel data scrambled",
         png.substr(0, 40) + std::string(png.size() - 40, '\x5a')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PictureFromData(c.bytes), nullptr) << c.what;
}

TEST(ResourceSource, ATestSourceReplacesTheRealOneForItsLifetime) {
    auto fork = std::make_shared<TestResourceFork>();
    fork->realResources = false;
    fork->data[500] = kRedSquare;
    {
        ScopedResourceFork scoped(fork);
        auto got = appResourceForkGetter();
        EXPECT_EQ(got, fork);
        auto picture = got->GetPicture(500);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->Width(), 7);
        // Every read is a new picture: keeping one object is the caller's business.
        EXPECT_NE(got->GetPicture(500), picture);
        EXPECT_EQ(got->GetPicture(501), nullptr);
        EXPECT_EQ(fork->calls, (std::vector<int32_t>{500, 500, 501}));
        EXPECT_EQ(scoped.getterCalls, 1);

        ScopedResourceFork none(nullptr);
        EXPECT_EQ(appResourceForkGetter(), nullptr);
    }
    auto real = appResourceForkGetter();
    ASSERT_TRUE(real);
    EXPECT_NE(real, fork);
    // The platform alone has no pictures compiled in; an unknown id is none anywhere.
    EXPECT_EQ(real->GetPicture(500), nullptr);
}
