#include "platform/Object.h"

#include <algorithm>

bool Object::SetProperty(std::string_view, const PropertyValue&) { return false; }

namespace {
// ASCII only: the names are ASCII, and the C library's tolower follows the locale.
constexpr char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
} // namespace

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiLower(x) == asciiLower(y);
           });
}
