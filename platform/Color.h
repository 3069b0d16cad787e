#pragma once
#include <cstdint>

// A colour as red, green and blue components, 0 to 255.
struct Color {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// Components outside 0 to 255 are clamped.
Color RGB(int red, int green, int blue);
// Cyan, magenta and yellow from 0 to 1: the colour (1 - c, 1 - m, 1 - y) in RGB terms.
Color CMY(double cyan, double magenta, double yellow);
