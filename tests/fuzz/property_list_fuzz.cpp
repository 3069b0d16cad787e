// libFuzzer target for the property-list reader: any bytes must decode without reading
// out of bounds, and what decodes must be exactly what the builder writes back.
#include "platform/PropertyList.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace {

// A target with properties of each type; the other names the format knows are ignored.
class FuzzControl : public Object {
  public:
    int applied = 0;
    std::string name;
    int32_t left = 0;
    bool visible = false;
    Color backColor;

    bool SetProperty(std::string_view n, const PropertyValue& v) override {
        ++applied;
        if (SameName(n, "Name")) return AssignProperty(name, v);
        if (SameName(n, "Left")) return AssignProperty(left, v);
        if (SameName(n, "Visible")) return AssignProperty(visible, v);
        if (SameName(n, "BackColor")) return AssignProperty(backColor, v);
        return Object::SetProperty(n, v);
    }
};

void check(bool ok) {
    if (!ok) std::abort();
}

std::string encode(const std::vector<PropertyEntry>& entries) {
    PropertyListBuilder builder;
    for (const auto& entry : entries) {
        std::visit(
            [&](const auto& v) {
                using V = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<V, int32_t>)
                    builder.integer(entry.name, v);
                else if constexpr (std::is_same_v<V, bool>)
                    builder.boolean(entry.name, v);
                else if constexpr (std::is_same_v<V, Color>)
                    builder.colour(entry.name, v);
                else
                    builder.text(entry.name, v);
            },
            entry.value);
    }
    return builder.bytes();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedPropertyList decoded = DecodePropertyList(bytes);

    // The entries read are the list's prefix up to the fault (or the whole list), byte
    // for byte, each typed as its name says.
    const std::size_t end = decoded.error ? decoded.error->offset : size;
    check(end <= size);
    check(encode(decoded.entries) == bytes.substr(0, end));
    for (const auto& entry : decoded.entries) {
        const auto type = PropertyTypeOf(entry.name);
        check(type && static_cast<std::size_t>(*type) == entry.value.index());
    }
    if (decoded.error) check(!decoded.error->message.empty());

    FuzzControl target;
    const auto error = SetProperties(target, bytes);
    check(static_cast<std::size_t>(target.applied) == decoded.entries.size());
    check(error.has_value() == decoded.error.has_value());
    return 0;
}
