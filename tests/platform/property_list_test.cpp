#include "platform/PropertyList.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// "4D 6F 64 65" -> "Mode"
std::string FromHex(std::string_view hex) {
    std::string out;
    unsigned byte = 0;
    int digits = 0;
    for (char c : hex) {
        if (c == ' ') continue;
        byte = byte * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10);
        if (++digits == 2) {
            out += static_cast<char>(byte);
            byte = 0;
            digits = 0;
        }
    }
    return out;
}

// Records every SetProperty call; keeps the few properties a plain control has.
class FakeControl : public Object {
  public:
    std::vector<std::string> calls; // names in the order SetProperty saw them
    std::string name;
    int32_t left = 0;
    bool visible = false;
    Color textColor;

    bool SetProperty(std::string_view n, const PropertyValue& v) override {
        calls.emplace_back(n);
        if (SameName(n, "Name")) return AssignProperty(name, v);
        if (SameName(n, "Left")) return AssignProperty(left, v);
        if (SameName(n, "Visible")) return AssignProperty(visible, v);
        if (SameName(n, "TextColor")) return AssignProperty(textColor, v);
        return Object::SetProperty(n, v);
    }
};

// A label adds its own properties and hands the rest to FakeControl.
class FakeLabel : public FakeControl {
  public:
    bool multiline = false;
    std::string text;

    bool SetProperty(std::string_view n, const PropertyValue& v) override {
        if (SameName(n, "Multiline")) return AssignProperty(multiline, v) && record(n);
        if (SameName(n, "Text")) return AssignProperty(text, v) && record(n);
        return FakeControl::SetProperty(n, v);
    }

  private:
    bool record(std::string_view n) {
        calls.emplace_back(n);
        return true;
    }
};

struct ExampleRow {
    std::size_t offset;
    const char* name;
    const char* valueHex;
};

// The About window's OK button, Name-first layout.
const ExampleRow kPushButtonClose[] = {
    {0, "Name", "00 00 00 0F 50 75 73 68 42 75 74 74 6F 6E 43 6C 6F 73 65"},
    {24, "Index", "80 00 00 00"},
    {34, "Left", "00 00 01 69"},
    {43, "Top", "00 00 01 EB"},
    {51, "Width", "00 00 00 3C"},
    {61, "Height", "00 00 00 14"},
    {72, "LockLeft", "00"},
    {82, "LockTop", "00"},
    {91, "LockRight", "00"},
    {102, "LockBottom", "00"},
    {114, "TabPanelIndex", "00 00 00 00"},
    {132, "TabIndex", "00 00 00 03"},
    {145, "Caption", "00 00 00 02 4F 4B"},
    {159, "Default", "00"},
    {168, "Cancel", "00"},
    {176, "Enabled", "01"},
    {185, "Visible", "01"},
    {194, "HelpTag", "00 00 00 00"},
    {206, "AutoDeactivate", "01"},
    {222, "TextFont", "00 00 00 06 53 79 73 74 65 6D"},
    {241, "TextSize", "00 00 00 0C"},
    {254, "Bold", "00"},
    {260, "Italic", "00"},
    {268, "Underline", "00"},
    {279, "InitialParent", "00 00 00 00"},
};

std::string BuildPushButtonClose() {
    return PropertyListBuilder()
        .text("Name", "PushButtonClose")
        .integer("Index", INT32_MIN)
        .integer("Left", 361)
        .integer("Top", 491)
        .integer("Width", 60)
        .integer("Height", 20)
        .boolean("LockLeft", false)
        .boolean("LockTop", false)
        .boolean("LockRight", false)
        .boolean("LockBottom", false)
        .integer("TabPanelIndex", 0)
        .integer("TabIndex", 3)
        .text("Caption", "OK")
        .boolean("Default", false)
        .boolean("Cancel", false)
        .boolean("Enabled", true)
        .boolean("Visible", true)
        .text("HelpTag", "")
        .boolean("AutoDeactivate", true)
        .text("TextFont", "System")
        .integer("TextSize", 12)
        .boolean("Bold", false)
        .boolean("Italic", false)
        .boolean("Underline", false)
        .text("InitialParent", "")
        .bytes();
}

const std::string kTimerList =
    FromHex("4D 6F 64 65 20 00 00 00 01 50 65 72 69 6F 64 20 00 00 1B 58");

} // namespace

TEST(PropertyList, WorkedExampleEncodesToTheExactBytesAndDecodesBack) {
    std::string expected;
    for (const auto& row : kPushButtonClose) {
        ASSERT_EQ(expected.size(), row.offset) << row.name;
        expected += std::string(row.name) + ' ' + FromHex(row.valueHex);
    }
    ASSERT_EQ(expected.size(), 297u);

    const std::string built = BuildPushButtonClose();
    EXPECT_EQ(built, expected);

    const DecodedPropertyList decoded = DecodePropertyList(built);
    EXPECT_FALSE(decoded.error);
    ASSERT_EQ(decoded.entries.size(), std::size(kPushButtonClose));
    for (std::size_t i = 0; i < decoded.entries.size(); ++i) {
        EXPECT_EQ(decoded.entries[i].name, kPushButtonClose[i].name);
        EXPECT_EQ(decoded.entries[i].offset, kPushButtonClose[i].offset)
            << kPushButtonClose[i].name;
    }
    const auto& e = decoded.entries;
    EXPECT_EQ(e[0].value, PropertyValue(std::string("PushButtonClose")));
    EXPECT_EQ(e[1].value, PropertyValue(int32_t{INT32_MIN}));
    EXPECT_EQ(e[2].value, PropertyValue(int32_t{361}));
    EXPECT_EQ(e[6].value, PropertyValue(false));
    EXPECT_EQ(e[12].value, PropertyValue(std::string("OK")));
    EXPECT_EQ(e[15].value, PropertyValue(true));
    EXPECT_EQ(e[17].value, PropertyValue(std::string()));
    EXPECT_EQ(e[19].value, PropertyValue(std::string("System")));
    EXPECT_EQ(e[24].value, PropertyValue(std::string()));
}

TEST(PropertyList, TimerListDecodesToModeAndPeriod) {
    ASSERT_EQ(kTimerList.size(), 20u);
    const DecodedPropertyList decoded = DecodePropertyList(kTimerList);
    EXPECT_FALSE(decoded.error);
    ASSERT_EQ(decoded.entries.size(), 2u);
    EXPECT_EQ(decoded.entries[0].name, "Mode");
    EXPECT_EQ(decoded.entries[0].value, PropertyValue(int32_t{1}));
    EXPECT_EQ(decoded.entries[1].name, "Period");
    EXPECT_EQ(decoded.entries[1].offset, 9u);
    EXPECT_EQ(decoded.entries[1].value, PropertyValue(int32_t{7000}));
    EXPECT_EQ(PropertyListBuilder().integer("Mode", 1).integer("Period", 7000).bytes(), kTimerList);
}

TEST(PropertyList, ValueEncodingsRoundTrip) {
    const std::string textWithOddBytes = std::string("row 1\rrow 2\xFF\x00 end", 15);
    const std::string list = PropertyListBuilder()
                                 .text("HelpTag", "")
                                 .boolean("AutoDeactivate", true)
                                 .integer("Left", -1)
                                 .integer("Top", INT32_MAX)
                                 .colour("TextColor", Color{1, 2, 3})
                                 .text("InitialValue", textWithOddBytes)
                                 .bytes();
    // An empty text is its four count bytes and nothing more; the next name follows at once.
    EXPECT_EQ(list.substr(0, 33), FromHex("48 65 6C 70 54 61 67 20 00 00 00 00") +
                                      "AutoDeactivate " + '\x01' + "Left ");
    EXPECT_EQ(list.substr(33, 4), FromHex("FF FF FF FF"));
    EXPECT_EQ(list.substr(41, 4), FromHex("7F FF FF FF"));
    EXPECT_EQ(list.substr(55, 3), FromHex("01 02 03")); // red, green, blue

    const DecodedPropertyList decoded = DecodePropertyList(list);
    EXPECT_FALSE(decoded.error);
    ASSERT_EQ(decoded.entries.size(), 6u);
    EXPECT_EQ(decoded.entries[1].offset, 12u);
    EXPECT_EQ(decoded.entries[2].value, PropertyValue(int32_t{-1}));
    EXPECT_EQ(decoded.entries[3].value, PropertyValue(int32_t{INT32_MAX}));
    EXPECT_EQ(decoded.entries[4].value, PropertyValue(Color{1, 2, 3}));
    EXPECT_EQ(decoded.entries[5].value, PropertyValue(textWithOddBytes));

    const DecodedPropertyList empty = DecodePropertyList("");
    EXPECT_TRUE(empty.entries.empty());
    EXPECT_FALSE(empty.error);
}

TEST(PropertyList, NameTypesIgnoreCaseAndUnknownNamesHaveNone) {
    EXPECT_EQ(PropertyTypeOf("Multiline"), PropertyType::Boolean);
    EXPECT_EQ(PropertyTypeOf("MULTILINE"), PropertyType::Boolean);
    EXPECT_EQ(PropertyTypeOf("scrollbarvertical"), PropertyType::Boolean);
    EXPECT_EQ(PropertyTypeOf("ProcessingClick"), PropertyType::Boolean);
    EXPECT_EQ(PropertyTypeOf("index"), PropertyType::Integer);
    EXPECT_EQ(PropertyTypeOf("FillColor"), PropertyType::Colour);
    EXPECT_EQ(PropertyTypeOf("InitialParent"), PropertyType::Text);
    for (std::string_view unknown : {"", "Foo", "Left ", "Lef", "Lefts", "Scroll"})
        EXPECT_EQ(PropertyTypeOf(unknown), std::nullopt) << '"' << unknown << '"';
}

TEST(PropertyList, SetPropertiesMatchesNamesInAnyCaseAndFallsBackToTheBase) {
    // Name-first and Name-last layouts spell the label's flag differently.
    FakeLabel nameFirst;
    EXPECT_FALSE(SetProperties(nameFirst, PropertyListBuilder()
                                              .text("Name", "StaticTextTitle")
                                              .integer("Left", 14)
                                              .text("Text", "Pond")
                                              .boolean("Multiline", true)
                                              .boolean("Enabled", false) // not the label's
                                              .text("HelpTag", "ignored")
                                              .colour("TextColor", Color{0, 0, 0xFF})
                                              .boolean("Visible", true)
                                              .bytes()));
    EXPECT_EQ(nameFirst.name, "StaticTextTitle");
    EXPECT_EQ(nameFirst.left, 14);
    EXPECT_EQ(nameFirst.text, "Pond");
    EXPECT_TRUE(nameFirst.multiline);
    EXPECT_EQ(nameFirst.textColor, (Color{0, 0, 0xFF}));
    EXPECT_TRUE(nameFirst.visible); // after the ignored names: they don't stop the list
    EXPECT_EQ(nameFirst.calls,
              (std::vector<std::string>{"Name", "Left", "Text", "Multiline", "Enabled", "HelpTag",
                                        "TextColor", "Visible"}));

    FakeLabel nameLast;
    EXPECT_FALSE(SetProperties(nameLast, PropertyListBuilder()
                                             .boolean("MultiLine", true)
                                             .integer("Left", 7)
                                             .text("Name", "StaticTextTitle")
                                             .bytes()));
    EXPECT_TRUE(nameLast.multiline);
    EXPECT_EQ(nameLast.left, 7);
    EXPECT_EQ(nameLast.name, "StaticTextTitle");

    // The base class has no Multiline: the name is known to the format, so it is skipped.
    FakeControl plain;
    EXPECT_FALSE(SetProperties(
        plain, PropertyListBuilder().boolean("MultiLine", true).integer("Left", 3).bytes()));
    EXPECT_EQ(plain.left, 3);
}

struct BadList {
    const char* what;
    std::string bytes;
    std::size_t offset;
    std::string name;
    std::vector<std::string> applied; // the entries before the fault
};

TEST(PropertyList, MalformedListsStopAtTheFaultWithItsOffsetAndName) {
    const std::string left5 = PropertyListBuilder().integer("Left", 5).bytes(); // 9 bytes
    const std::vector<BadList> cases = {
        {"unknown name", left5 + "Foo " + '\x01' + left5, 9, "Foo", {"Left"}},
        {"no blank after the name", left5 + "Visible", 9, "Visible", {"Left"}},
        {"empty name", left5 + " " + '\x01', 9, "", {"Left"}},
        {"blank first", " Left " + left5, 0, "", {}},
        {"truncated integer", left5 + FromHex("54 6F 70 20 00 00 01"), 9, "Top", {"Left"}},
        {"truncated boolean", left5 + "Visible ", 9, "Visible", {"Left"}},
        {"truncated colour", left5 + "TextColor " + FromHex("FF FF"), 9, "TextColor", {"Left"}},
        {"truncated text count", left5 + "Name " + FromHex("00 00 00"), 9, "Name", {"Left"}},
        {"text count past the end",
         left5 + "Name " + FromHex("00 00 00 05") + "abcd",
         9,
         "Name",
         {"Left"}},
        {"huge text count", left5 + "Name " + FromHex("FF FF FF FF") + "abc", 9, "Name", {"Left"}},
        {"boolean byte neither 00 nor 01",
         left5 + "Visible " + '\x02' + left5,
         9,
         "Visible",
         {"Left"}},
        {"name of odd bytes",
         left5 + std::string("\"\x01\xFF", 3) + ' ',
         9,
         std::string("\"\x01\xFF", 3),
         {"Left"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DecodedPropertyList decoded = DecodePropertyList(c.bytes);
        ASSERT_TRUE(decoded.error);
        EXPECT_EQ(decoded.error->offset, c.offset);
        EXPECT_EQ(decoded.error->name, c.name);
        EXPECT_EQ(decoded.entries.size(), c.applied.size());

        FakeControl target;
        const auto error = SetProperties(target, c.bytes);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->message, decoded.error->message);
        EXPECT_EQ(target.calls, c.applied);
        EXPECT_NE(error->message.find("at byte " + std::to_string(c.offset)), std::string::npos)
            << error->message;
        if (c.name.find_first_of("\"\x01\xFF") == std::string::npos) {
            EXPECT_NE(error->message.find('"' + c.name + '"'), std::string::npos) << error->message;
        }
    }
}

TEST(PropertyList, ErrorMessagesStayReadableForAnyBytes) {
    const std::string left5 = PropertyListBuilder().integer("Left", 5).bytes();
    EXPECT_EQ(DecodePropertyList(left5 + "Foo \x01").error->message,
              R"(property list: unknown property "Foo" at byte 9)");
    EXPECT_EQ(DecodePropertyList(left5 + "Name " + FromHex("FF FF FF FF") + "abc").error->message,
              R"(property list: text "Name" at byte 9 counts 4294967295 bytes, 3 left)");
    // Control bytes and quotes are escaped; a name without a blank is shown only in part.
    EXPECT_EQ(DecodePropertyList(left5 + std::string("\"\x01\xFF ", 4)).error->message,
              R"(property list: unknown property "\"\x01\xFF" at byte 9)");
    const auto runOn = DecodePropertyList(left5 + std::string(10000, 'A')).error;
    ASSERT_TRUE(runOn);
    EXPECT_EQ(runOn->name.size(), 10000u);
    EXPECT_LT(runOn->message.size(), 200u);
}
