#include "platform/Object.h"

#include <algorithm>
#include <cctype>
#include <cmath>

bool Object::SetProperty(std::string_view, const PropertyValue&) { return false; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

static uint8_t clampComponent(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

Color RGB(int red, int green, int blue) {
    return Color{clampComponent(red), clampComponent(green), clampComponent(blue)};
}

Color CMY(double cyan, double magenta, double yellow) {
    auto comp = [](double c) {
        double v = (1.0 - std::clamp(c, 0.0, 1.0)) * 255.0;
        return static_cast<int>(std::lround(v));
    };
    return RGB(comp(cyan), comp(magenta), comp(yellow));
}
