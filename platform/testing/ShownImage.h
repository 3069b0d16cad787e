#pragma once
// What a control shows on its screen, in the screen's own pixels: on a screen scaled to
// 200 % a control of the program's 100 x 50 pixels shows 200 x 100 of them.

#include <cstdint>
#include <string>
#include <vector>

class RectControl;

namespace uitest {
struct ShownImage {
    int width = 0; // in device pixels
    int height = 0;
    double ratio = 1; // device pixels to each of the program's pixels, in each direction
    std::vector<uint32_t> pixels; // 0xAARRGGBB, row by row
    uint32_t at(int x, int y) const { return pixels[std::size_t(y * width + x)]; }
};
// The control's widget as painted at its screen's pixel ratio; empty if it has none.
ShownImage GrabShown(const RectControl& control);
// Saves the image as a PNG (to look at); returns whether the file was written.
bool SaveShown(const ShownImage& image, const std::string& path);
} // namespace uitest
