#include "platform/Color.h"

#include <algorithm>
#include <cmath>

namespace {
uint8_t clampComponent(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }
} // namespace

Color RGB(int red, int green, int blue) {
    return Color{clampComponent(red), clampComponent(green), clampComponent(blue)};
}

Color CMY(double cyan, double magenta, double yellow) {
    auto comp = [](double c) {
        // NaN counts as 0 ink; clamp first so the rounding never leaves 0 to 255.
        double ink = c > 0.0 ? std::min(c, 1.0) : 0.0;
        return static_cast<int>(std::lround((1.0 - ink) * 255.0));
    };
    return RGB(comp(cyan), comp(magenta), comp(yellow));
}
