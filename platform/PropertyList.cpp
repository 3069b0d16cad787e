#include "platform/PropertyList.h"

#include <array>
#include <cassert>
#include <cstdio>
#include <limits>

namespace {

struct NamedType {
    std::string_view name;
    PropertyType type;
};

constexpr PropertyType B = PropertyType::Boolean;
constexpr PropertyType I = PropertyType::Integer;
constexpr PropertyType C = PropertyType::Colour;
constexpr PropertyType T = PropertyType::Text;

// Every name the lists use. Some stand twice in two spellings (Multiline and MultiLine):
// the lists of different windows spell them differently, and the names match without
// regard to case anyway.
constexpr std::array<NamedType, 86> kPropertyNames{{
    {"AcceptFocus", B},
    {"AcceptTabs", B},
    {"Alignment", I},
    {"AutoDeactivate", B},
    {"BackColor", C},
    {"BalloonHelp", T},
    {"Bold", B},
    {"Border", B},
    {"BorderWidth", I},
    {"BottomRightColor", C},
    {"Cancel", B},
    {"Caption", T},
    {"ClickToStop", B},
    {"CloseButton", B},
    {"Composite", B},
    {"DataField", T},
    {"DataSource", T},
    {"Default", B},
    {"Depth", I},
    {"DisabledBalloonHelp", T},
    {"Enabled", B},
    {"EraseBackground", B},
    {"FillColor", C},
    {"Format", T},
    {"Frame", I},
    {"FrameSpeed", I},
    {"FullScreen", B},
    {"HasBackColor", B},
    {"Height", I},
    {"HelpTag", T},
    {"Index", I},
    {"InitialParent", T},
    {"InitialValue", T},
    {"Italic", B},
    {"Left", I},
    {"LimitText", I},
    {"ListIndex", I},
    {"LiveResize", B},
    {"LockBottom", B},
    {"LockLeft", B},
    {"LockRight", B},
    {"LockTop", B},
    {"ProcID", I},
    {"Mask", T},
    {"MaxHeight", I},
    {"MaximizeButton", B},
    {"MaxWidth", I},
    {"MenuBarVisible", B},
    {"MinHeight", I},
    {"MinimizeButton", B},
    {"MinWidth", I},
    {"Mode", I},
    {"Multiline", B},
    {"MultiLine", B},
    {"Name", T},
    {"Password", B},
    {"Period", I},
    {"Placement", I},
    {"processingClick", B},
    {"ReadOnly", B},
    {"Resizeable", B},
    {"ScrollBar", B},
    {"ScrollbarHorizontal", B},
    {"ScrollBarHorizontal", B},
    {"ScrollbarVertical", B},
    {"ScrollBarVertical", B},
    {"Styled", B},
    {"SurfaceHeight", I},
    {"SurfaceLeft", I},
    {"SurfaceTop", I},
    {"SurfaceWidth", I},
    {"TabIndex", I},
    {"TabPanelIndex", I},
    {"Text", T},
    {"TextAlign", I},
    {"TextColor", C},
    {"TextFont", T},
    {"TextSize", I},
    {"Title", T},
    {"Top", I},
    {"TopLeftColor", C},
    {"Underline", B},
    {"UseFocusRing", B},
    {"Value", B},
    {"Visible", B},
    {"Width", I},
}};

constexpr std::size_t countOf(PropertyType type) {
    std::size_t n = 0;
    for (const auto& entry : kPropertyNames)
        n += entry.type == type ? 1 : 0;
    return n;
}

constexpr char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool sameNameConst(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

// A reader can only find the next entry if names are letters (no blank inside) and a
// name has one type in every spelling.
constexpr bool tableIsReadable() {
    for (std::size_t i = 0; i < kPropertyNames.size(); ++i) {
        const auto& a = kPropertyNames[i];
        if (a.name.empty()) return false;
        for (char c : a.name)
            if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) return false;
        for (std::size_t j = i + 1; j < kPropertyNames.size(); ++j) {
            const auto& b = kPropertyNames[j];
            if (a.name == b.name) return false;
            if (sameNameConst(a.name, b.name) && a.type != b.type) return false;
        }
    }
    return true;
}

static_assert(tableIsReadable());
static_assert(countOf(B) == 39 && countOf(I) == 28 && countOf(T) == 14 && countOf(C) == 5);

// Names in messages come from untrusted bytes: keep them printable and short.
std::string printable(std::string_view name) {
    constexpr std::size_t kMaxShown = 64;
    std::string out;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (i == kMaxShown) {
            out += "...";
            break;
        }
        auto c = static_cast<unsigned char>(name[i]);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        }
    }
    return out;
}

const char* typeWord(PropertyType type) {
    switch (type) {
    case PropertyType::Integer:
        return "integer";
    case PropertyType::Boolean:
        return "boolean";
    case PropertyType::Colour:
        return "colour";
    case PropertyType::Text:
        return "text";
    }
    return "value";
}

// Reads a list front to back; every read checks the bytes left first.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    DecodedPropertyList run() {
        DecodedPropertyList result;
        while (pos_ < bytes_.size() && !result.error) {
            if (auto entry = next(result.error)) result.entries.push_back(std::move(*entry));
        }
        return result;
    }

  private:
    std::size_t left() const { return bytes_.size() - pos_; }

    uint32_t bigEndian32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i)
            v = (v << 8) | static_cast<unsigned char>(bytes_[pos_++]);
        return v;
    }

    static PropertyListError fault(std::size_t offset, std::string_view name,
                                   const std::string& what, const std::string& after = {}) {
        std::string message = "property list: " + what + " \"" + printable(name) + "\" at byte " +
                              std::to_string(offset) + after;
        return PropertyListError{offset, std::string(name), std::move(message)};
    }

    std::optional<PropertyEntry> next(std::optional<PropertyListError>& error) {
        const std::size_t start = pos_;
        const std::size_t blank = bytes_.find(' ', start);
        if (blank == std::string_view::npos) {
            error = fault(start, bytes_.substr(start), "property name",
                          " has no blank after it before the list ends");
            return std::nullopt;
        }
        const std::string_view name = bytes_.substr(start, blank - start);
        if (name.empty()) {
            error = fault(start, name, "empty property name");
            return std::nullopt;
        }
        const auto type = PropertyTypeOf(name);
        if (!type) {
            error = fault(start, name, "unknown property");
            return std::nullopt;
        }
        pos_ = blank + 1;

        auto cutShort = [&](std::size_t needed, const char* what) -> std::optional<PropertyEntry> {
            error = fault(start, name, typeWord(*type),
                          " is cut short: " + std::to_string(needed) + " " + what + " needed, " +
                              std::to_string(left()) + " left");
            return std::nullopt;
        };
        PropertyEntry entry{std::string(name), PropertyValue{}, start};
        switch (*type) {
        case PropertyType::Integer:
            if (left() < 4) return cutShort(4, "value bytes");
            entry.value = static_cast<int32_t>(bigEndian32());
            break;
        case PropertyType::Boolean: {
            if (left() < 1) return cutShort(1, "value byte");
            // Only 00 and 01: any other byte means the list is not what its writer meant,
            // most likely misaligned, and guessing a value would hide that.
            const auto b = static_cast<unsigned char>(bytes_[pos_]);
            if (b > 1) {
                char hex[3];
                std::snprintf(hex, sizeof hex, "%02X", b);
                error = fault(start, name, "boolean",
                              std::string(" holds ") + hex + ", neither 00 nor 01");
                return std::nullopt;
            }
            ++pos_;
            entry.value = b == 1;
            break;
        }
        case PropertyType::Colour: {
            if (left() < 3) return cutShort(3, "value bytes");
            Color colour;
            colour.red = static_cast<uint8_t>(bytes_[pos_]);
            colour.green = static_cast<uint8_t>(bytes_[pos_ + 1]);
            colour.blue = static_cast<uint8_t>(bytes_[pos_ + 2]);
            pos_ += 3;
            entry.value = colour;
            break;
        }
        case PropertyType::Text: {
            if (left() < 4) return cutShort(4, "count bytes");
            const uint32_t count = bigEndian32();
            if (count > left()) {
                error = fault(start, name, "text",
                              " counts " + std::to_string(count) + " bytes, " +
                                  std::to_string(left()) + " left");
                return std::nullopt;
            }
            entry.value = std::string(bytes_.substr(pos_, count));
            pos_ += count;
            break;
        }
        }
        return entry;
    }

    std::string_view bytes_;
    std::size_t pos_ = 0;
};

} // namespace

std::optional<PropertyType> PropertyTypeOf(std::string_view name) {
    for (const auto& entry : kPropertyNames)
        if (SameName(entry.name, name)) return entry.type;
    return std::nullopt;
}

DecodedPropertyList DecodePropertyList(std::string_view bytes) { return Reader(bytes).run(); }

std::optional<PropertyListError> SetProperties(Object& target, std::string_view list) {
    DecodedPropertyList decoded = DecodePropertyList(list);
    for (const auto& entry : decoded.entries) {
        // false: a property this class doesn't use; its value is not needed.
        target.SetProperty(entry.name, entry.value);
    }
    return std::move(decoded.error);
}

void PropertyListBuilder::name(std::string_view name, [[maybe_unused]] PropertyType type) {
    [[maybe_unused]] const auto known = PropertyTypeOf(name);
    assert(known && "property name missing from the table");
    assert(*known == type && "property written with another type than its table type");
    bytes_.append(name);
    bytes_ += ' ';
}

void PropertyListBuilder::bigEndian32(uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes_ += static_cast<char>((value >> shift) & 0xFF);
}

PropertyListBuilder& PropertyListBuilder::integer(std::string_view name, int32_t value) {
    this->name(name, PropertyType::Integer);
    bigEndian32(static_cast<uint32_t>(value));
    return *this;
}

PropertyListBuilder& PropertyListBuilder::boolean(std::string_view name, bool value) {
    this->name(name, PropertyType::Boolean);
    bytes_ += value ? '\x01' : '\x00';
    return *this;
}

PropertyListBuilder& PropertyListBuilder::colour(std::string_view name, Color value) {
    this->name(name, PropertyType::Colour);
    bytes_ += static_cast<char>(value.red);
    bytes_ += static_cast<char>(value.green);
    bytes_ += static_cast<char>(value.blue);
    return *this;
}

PropertyListBuilder& PropertyListBuilder::text(std::string_view name, std::string_view value) {
    this->name(name, PropertyType::Text);
    assert(value.size() <= std::numeric_limits<uint32_t>::max() && "text too long for its count");
    bigEndian32(static_cast<uint32_t>(value.size()));
    bytes_.append(value);
    return *this;
}
