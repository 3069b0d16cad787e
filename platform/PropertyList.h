#pragma once
// Property lists: the serialised initial properties of a window, a control or a timer.
//
// A list is a bare sequence of entries, each the property's name, one blank and the value;
// there is no header, count or terminator. Values carry no type tag: a reader knows each
// value's length only from the type of its name, so every name a list may hold stands in
// one table with its type. Encodings: integer 4 bytes big-endian two's complement; boolean
// 1 byte, 00 or 01; colour 3 bytes red, green, blue; text a 4-byte big-endian byte count,
// then the bytes.
//
// Build lists with PropertyListBuilder, apply them with SetProperties. No Qt here: the
// decoder is also built alone for fuzzing.

#include "platform/Object.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class PropertyType { Integer, Boolean, Colour, Text };

// The type of a property name in the lists (letter case ignored), or nullopt for a name
// the format doesn't know.
std::optional<PropertyType> PropertyTypeOf(std::string_view name);

struct PropertyEntry {
    std::string name; // as spelt in the list
    PropertyValue value;
    std::size_t offset = 0; // of the name's first byte
};

// Where and why a list could not be read. `offset` is that of the faulty entry's first
// byte and `name` its name as far as it could be read (empty for an empty name).
struct PropertyListError {
    std::size_t offset = 0;
    std::string name;
    std::string message; // e.g. `property list: unknown property "Foo" at byte 24`
};

// Every entry of a well-formed list, or the entries before the first fault and the fault.
// A fault stops the reading: past it the entry boundaries can't be known. Faults: an
// empty name, a name with no blank after it, a name outside the table, a value cut short
// by the end of the list (a text's count included), a boolean byte other than 00 or 01.
struct DecodedPropertyList {
    std::vector<PropertyEntry> entries;
    std::optional<PropertyListError> error;
};

DecodedPropertyList DecodePropertyList(std::string_view bytes);

// Sets the target's properties from the list, in list order, through Object::SetProperty.
// A name the target's class doesn't use is skipped (the lists carry values the program
// never reads back). On a malformed list the entries before the fault are applied, none
// after it, and the fault is returned.
std::optional<PropertyListError> SetProperties(Object& target, std::string_view list);

// Writes a list entry by entry:
//   PropertyListBuilder().text("Name", "PushButtonClose").integer("Index", INT32_MIN)
//       .boolean("LockLeft", false).colour("BackColor", RGB(255, 255, 255)).bytes()
// Each call asserts that the name stands in the table with the type of the call.
class PropertyListBuilder {
  public:
    PropertyListBuilder& integer(std::string_view name, int32_t value);
    PropertyListBuilder& boolean(std::string_view name, bool value);
    PropertyListBuilder& colour(std::string_view name, Color value);
    PropertyListBuilder& text(std::string_view name, std::string_view value);

    std::string bytes() const { return bytes_; }

  private:
    void name(std::string_view name, PropertyType type);
    void bigEndian32(uint32_t value);

    std::string bytes_;
};
