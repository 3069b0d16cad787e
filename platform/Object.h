#pragma once
// Base of the framework's objects. Objects are reference-counted (std::shared_ptr) and
// freed with their last reference.

#include "platform/Color.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

// A property value as the property lists carry it: integer, boolean, colour or text.
using PropertyValue = std::variant<int32_t, bool, Color, std::string>;

class Object : public std::enable_shared_from_this<Object> {
  public:
    virtual ~Object() = default;

    // Sets the property of that name (letter case ignored) and returns true, or returns
    // false when the class has no such property or the value has the wrong type.
    // A subclass handles its own names and hands the rest to its base.
    virtual bool SetProperty(std::string_view name, const PropertyValue& value);
};

// Case-insensitive ASCII comparison of property names.
bool SameName(std::string_view a, std::string_view b);

// Helpers for SetProperty implementations: store the value if it has the type, or hand it
// to a setter.
template <typename T> bool AssignProperty(T& target, const PropertyValue& value) {
    if (auto p = std::get_if<T>(&value)) {
        target = *p;
        return true;
    }
    return false;
}
template <typename T, typename F> bool SetThrough(const PropertyValue& value, F&& setter) {
    if (auto p = std::get_if<T>(&value)) {
        setter(*p);
        return true;
    }
    return false;
}
