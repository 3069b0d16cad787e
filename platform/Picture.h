#pragma once
// Pictures and drawing.
//
// A new picture is fully transparent where nothing has been drawn. Drawing goes through the
// picture's Graphics, whose ForeColor and TextSize hold for the calls that follow.
// Transparent = 1 makes the picture's pure white pixels see-through when it is drawn
// (into another picture, on a canvas or as a sprite); 0 draws every pixel as it is.

#include "platform/Color.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class Picture;

class Graphics {
  public:
    Color ForeColor{0, 0, 0};
    int TextSize = 12;

    void FillOval(int x, int y, int width, int height);
    void FillRect(int x, int y, int width, int height);
    // The outline of the rectangle, one pixel wide, inside (x, y, width, height).
    void DrawRect(int x, int y, int width, int height);
    // The whole picture at its own size, top-left at (x, y). The size and source arguments
    // are accepted in the form the program writes them and otherwise ignored.
    void DrawPicture(const std::shared_ptr<Picture>& picture, int x, int y, int w1 = -10000,
                     int h1 = -10000, int sx = 0, int sy = 0, int w2 = -10000, int h2 = -10000);
    // The text with its baseline at y and its left edge at x; no wrapping.
    void DrawString(const std::string& text, int x, int y, int wrapWidth = 0,
                    bool condense = false);

  private:
    friend class Picture;
    explicit Graphics(Picture& owner) : owner_(owner) {}
    Picture& owner_;
};

// Which pixels of a picture are opaque, one bit per pixel, rows of 64-bit words; bit k of
// word w in a row is column 64 * w + k.
struct OpacityMask {
    int width = 0;
    int height = 0;
    int wordsPerRow = 0;
    std::vector<uint64_t> bits;
    uint64_t word(int row, int w) const { return bits[std::size_t(row * wordsPerRow + w)]; }
};

class Picture {
  public:
    // A picture of width x height (each clamped to at least 0); depth is accepted and the
    // picture always holds 32-bit colour with alpha.
    Picture(int width, int height, int depth = 32);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    ::Graphics& Graphics() { return graphics_; }
    int Transparent = 0;
    // What the picture shows, in words, for a screen reader: a resource picture's title, then
    // what is drawn into it (texts, and the descriptions of pictures), in drawing order,
    // joined by ", ".
    std::string Description;

    // Pixels with alpha of at least half count as opaque. Computed on first use after a
    // change and cached.
    const OpacityMask& Mask() const;
    // The pixel at (x, y) as 0xAARRGGBB, 0 outside the picture.
    uint32_t Pixel(int x, int y) const;
    // Increases with every change of the pixels.
    uint64_t Version() const { return version_; }

    struct Impl;
    Impl& impl() { return *impl_; }
    const Impl& impl() const { return *impl_; }
    void changed() { ++version_; }

  private:
    int width_;
    int height_;
    ::Graphics graphics_;
    std::unique_ptr<Impl> impl_;
    uint64_t version_ = 0;
    mutable uint64_t maskVersion_ = ~uint64_t(0);
    mutable int maskTransparent_ = 0;
    mutable OpacityMask mask_;
};

// A new picture; zero or negative sizes give an empty picture on which drawing does nothing.
std::shared_ptr<Picture> NewPicture(int width, int height, int depth = 32);
