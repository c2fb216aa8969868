#include "framework/property_stream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "framework/exceptions.h"
#include "simulator/layout_streams.h"
#include "simulator/property_stream_writer.h"
#include "tests/support/layout_key_types.h"
#include "tests/support/property_stream_rewrite.h"

namespace {

using fw::PropertyType;
using namespace std::string_literals;

fw::PropertyTypeLookup Lookup(PropertyType valueType = PropertyType::String) {
    return [valueType](std::string_view key) { return layout_keys::TypeOf(key, valueType); };
}

std::vector<std::string> KeysOf(const std::vector<fw::PropertyEntry>& entries) {
    std::vector<std::string> keys;
    for (const auto& entry : entries) {
        keys.push_back(entry.key);
    }
    return keys;
}

template <class T>
T ValueOf(const std::vector<fw::PropertyEntry>& entries, std::string_view key) {
    for (const auto& entry : entries) {
        if (entry.key == key) {
            return std::get<T>(entry.value);
        }
    }
    ADD_FAILURE() << "no entry " << key;
    return T{};
}

const std::vector<std::string> kHead = {"Name",      "Index",
                                        "Left",      "Top",
                                        "Width",     "Height",
                                        "LockLeft",  "LockTop",
                                        "LockRight", "LockBottom",
                                        "TabIndex",  "TabPanelIndex",
                                        "TabStop",   "AllowAutoDeactivate"};

std::vector<std::string> ControlOrder(std::vector<std::string> middle, bool tabStop = true) {
    std::vector<std::string> keys = kHead;
    if (!tabStop) {
        std::erase(keys, "TabStop");
    }
    keys.insert(keys.end(), middle.begin(), middle.end());
    keys.push_back("InitialParent");
    return keys;
}

struct KindCase {
    const char* kind;
    std::string stream;
    PropertyType valueType;
    std::vector<std::string> order;
};

// Every kind written from a description reads back with the kind's keys in
// its stored order, every value in its declared width, and writes back to the
// same bytes.
TEST(PropertyStreamTest, EveryKindRoundTripsInItsStoredOrder) {
    const std::vector<KindCase> kinds = {
        {"window",
         Stream(WindowLayout{.Width = 321, .Title = "Title"}),
         PropertyType::String,
         {"Width",
          "Height",
          "MinimumWidth",
          "MinimumHeight",
          "MaximumWidth",
          "MaximumHeight",
          "Type",
          "Title",
          "HasCloseButton",
          "HasMaximizeButton",
          "HasMinimizeButton",
          "HasFullScreenButton",
          "Resizeable",
          "Composite",
          "MacProcID",
          "FullScreen",
          "DefaultLocation",
          "Visible",
          "HasBackgroundColor",
          "BackgroundColor",
          "MenuBarVisible",
          "LiveResize"}},
        {"text field",
         Stream(TextFieldLayout{
             .Head = {.Name = "F", .Left = -1}, .FontSize = 10.5f, .Value = "text"}),
         PropertyType::String,
         ControlOrder({"BackgroundColor",
                       "HasBorder",
                       "Enabled",
                       "Format",
                       "Tooltip",
                       "Password",
                       "TextColor",
                       "Transparent",
                       "AllowFocusRing",
                       "Visible",
                       "FontName",
                       "FontSize",
                       "FontUnit",
                       "Bold",
                       "Italic",
                       "Underline",
                       "Hint",
                       "Value",
                       "AllowTabs",
                       "TextAlignment",
                       "AllowSpellChecking",
                       "MaximumCharactersAllowed",
                       "ValidationMask",
                       "ReadOnly",
                       "DataSource",
                       "DataField"})},
        {"label", Stream(LabelLayout{.Head = {.Name = "L"}, .Value = "label"}),
         PropertyType::String,
         ControlOrder({"Enabled", "Tooltip", "Multiline", "Selectable", "TextAlignment",
                       "TextColor", "Transparent", "Value", "Visible", "Bold", "Italic", "FontName",
                       "Underline", "FontSize", "FontUnit", "DataSource", "DataField"})},
        {"rectangle", Stream(RectangleLayout{.Head = {.Name = "R"}, .BorderThickness = 2.5}),
         PropertyType::String,
         ControlOrder({"BorderThickness", "BottomRightColor", "Enabled", "FillColor", "Tooltip",
                       "TopLeftColor", "Transparent", "Visible"},
                      /*tabStop=*/false)},
        {"canvas", Stream(CanvasLayout{.Head = {.Name = "C"}}), PropertyType::String,
         ControlOrder({"Enabled", "Tooltip", "AllowFocusRing", "Visible", "AllowFocus", "AllowTabs",
                       "Transparent", "DoubleBuffer", "Transparent"})},
        {"slider", Stream(SliderLayout{.Head = {.Name = "S"}, .Value = 7, .MaximumValue = 99}),
         PropertyType::Integer,
         ControlOrder({"Enabled", "Tooltip", "Transparent", "Visible", "Value", "MinimumValue",
                       "MaximumValue", "LineStep", "AllowLiveScrolling", "PageStep",
                       "TickMarkStyle"})},
        {"push button", Stream(PushButtonLayout{.Head = {.Name = "B"}, .Caption = "OK"}),
         PropertyType::String,
         ControlOrder({"MacButtonStyle", "Cancel", "Caption", "Default", "Enabled", "Tooltip",
                       "Transparent", "Visible", "FontName", "FontSize", "FontUnit", "Bold",
                       "Italic", "Underline"})},
        {"text area",
         Stream(TextAreaLayout{.Head = {.Name = "A"},
                               .LineHeight = 1.25,
                               .LineSpacing = 1.0,
                               .Value = "line\r\nline"}),
         PropertyType::String,
         ControlOrder({"BackgroundColor",
                       "HasBorder",
                       "Enabled",
                       "Format",
                       "Tooltip",
                       "HideSelection",
                       "LineHeight",
                       "LineSpacing",
                       "Multiline",
                       "HasHorizontalScrollbar",
                       "HasVerticalScrollbar",
                       "AllowStyledText",
                       "TextColor",
                       "Transparent",
                       "AllowFocusRing",
                       "Visible",
                       "Bold",
                       "Italic",
                       "FontName",
                       "FontSize",
                       "FontUnit",
                       "Underline",
                       "Value",
                       "AllowTabs",
                       "TextAlignment",
                       "AllowSpellChecking",
                       "MaximumCharactersAllowed",
                       "ValidationMask",
                       "ReadOnly",
                       "DataSource",
                       "DataField"})},
        {"timer",
         Stream(TimerLayout{.RunMode = 1, .Period = 250}),
         PropertyType::String,
         {"RunMode", "Period"}},
    };
    const std::vector<std::size_t> expectedCounts = {22, 41, 32, 22, 24, 26, 29, 46, 2};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const KindCase& k = kinds[i];
        SCOPED_TRACE(k.kind);
        const auto entries = fw::ReadPropertyStream(k.stream, Lookup(k.valueType));
        EXPECT_EQ(KeysOf(entries), k.order);
        EXPECT_EQ(entries.size(), expectedCounts[i]);
        EXPECT_EQ(RewritePropertyStream(entries), k.stream);
        // Each entry's offset is where its key stands.
        for (const auto& entry : entries) {
            EXPECT_EQ(k.stream.compare(entry.offset, entry.key.size() + 1, entry.key + " "), 0);
        }
    }

    const auto field = fw::ReadPropertyStream(kinds[1].stream, Lookup());
    EXPECT_EQ(ValueOf<std::string>(field, "Name"), "F");
    EXPECT_EQ(ValueOf<std::int64_t>(field, "Index"), -2147483648LL);
    EXPECT_EQ(ValueOf<std::int64_t>(field, "Left"), -1);
    EXPECT_EQ(ValueOf<float>(field, "FontSize"), 10.5f);
    EXPECT_EQ(ValueOf<std::string>(field, "FontName"), "System");
    EXPECT_EQ(ValueOf<std::string>(field, "Value"), "text");
    EXPECT_EQ(ValueOf<fw::Color>(field, "BackgroundColor"), (fw::Color{0xFF, 0xFF, 0xFF, 0}));
    EXPECT_EQ(ValueOf<std::uint8_t>(field, "FontUnit"), 0);
    const auto slider = fw::ReadPropertyStream(kinds[5].stream, Lookup(PropertyType::Integer));
    EXPECT_EQ(ValueOf<std::int64_t>(slider, "Value"), 7);
    EXPECT_EQ(ValueOf<std::int64_t>(slider, "MaximumValue"), 99);
    const auto rectangle = fw::ReadPropertyStream(kinds[3].stream, Lookup());
    EXPECT_EQ(ValueOf<double>(rectangle, "BorderThickness"), 2.5);
    const auto area = fw::ReadPropertyStream(kinds[7].stream, Lookup());
    EXPECT_EQ(ValueOf<double>(area, "LineHeight"), 1.25);
    EXPECT_EQ(ValueOf<std::string>(area, "Value"), "line\r\nline");
}

// Values at the ends of each type's range survive writing and reading bit for bit.
TEST(PropertyStreamTest, ExtremeValuesRoundTrip) {
    const std::string text = "nul\0inside, caf\xC3\xA9, \xE2\x82\xAC, \xF0\x9F\x98\x80"s;
    PropertyStreamWriter w;
    w.Integer("Left", std::numeric_limits<std::int64_t>::min())
        .Integer("Top", std::numeric_limits<std::int64_t>::max())
        .Integer("Width", -1)
        .Boolean("Visible", true)
        .Boolean("Enabled", false)
        .String("Name", text)
        .Color("TextColor", fw::Color{1, 2, 3, 0xFF})
        .Single("FontSize", -0.0f)
        .Double("LineHeight", std::numeric_limits<double>::infinity())
        .Double("LineSpacing", std::numeric_limits<double>::denorm_min())
        .FontUnits("FontUnit", 255);
    const auto entries = fw::ReadPropertyStream(w.Bytes(), Lookup());
    ASSERT_EQ(entries.size(), 11u);
    EXPECT_EQ(std::get<std::int64_t>(entries[0].value), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(std::get<std::int64_t>(entries[1].value), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(std::get<std::int64_t>(entries[2].value), -1);
    EXPECT_TRUE(std::get<bool>(entries[3].value));
    EXPECT_FALSE(std::get<bool>(entries[4].value));
    EXPECT_EQ(std::get<std::string>(entries[5].value), text);
    EXPECT_EQ(std::get<fw::Color>(entries[6].value), (fw::Color{1, 2, 3, 0xFF}));
    EXPECT_TRUE(std::signbit(std::get<float>(entries[7].value)));
    EXPECT_EQ(std::get<double>(entries[8].value), std::numeric_limits<double>::infinity());
    EXPECT_EQ(std::get<double>(entries[9].value), std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(std::get<std::uint8_t>(entries[10].value), 255);
    EXPECT_EQ(RewritePropertyStream(entries), w.Bytes());
}

// The bytes below are written out by hand, as the format lays them down.
TEST(PropertyStreamTest, TimerStreamIsThirtyOneBytesOfTwoEntries) {
    const std::string bytes =
        "RunMode \x01\x00\x00\x00\x00\x00\x00\x00"
        "Period \xA0\x0F\x00\x00\x00\x00\x00\x00"s;
    ASSERT_EQ(bytes.size(), 31u);
    EXPECT_EQ(Stream(TimerLayout{.RunMode = 1, .Period = 4000}), bytes);

    const auto entries = fw::ReadPropertyStream(bytes, Lookup());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].key, "RunMode");
    EXPECT_EQ(entries[0].offset, 0u);
    EXPECT_EQ(std::get<std::int64_t>(entries[0].value), 1);
    EXPECT_EQ(entries[1].key, "Period");
    EXPECT_EQ(entries[1].offset, 16u);
    EXPECT_EQ(std::get<std::int64_t>(entries[1].value), 4000);
}

TEST(PropertyStreamTest, StoredBytesGiveTheirValues) {
    const std::string bytes =
        "Index \x00\x00\x00\x80\xFF\xFF\xFF\xFF"  // 0
        "Top \xFB\xFF\xFF\xFF\xFF\xFF\xFF\xFF"    // 14
        "FontSize \x00\x00\x40\x42"               // 26
        "Tooltip \x00\x00\x00\x00"                // 39
        "Value \x05\x00\x00\x00"
        "caf\xC3\xA9"                   // 51
        "Transparent \x01"              // 66
        "Transparent \x01"              // 79
        "TextColor \x80\x00\x00\x00"s;  // 92
    const auto entries = fw::ReadPropertyStream(bytes, Lookup());
    ASSERT_EQ(entries.size(), 8u);
    EXPECT_EQ(std::get<std::int64_t>(entries[0].value), -2147483648LL);
    EXPECT_EQ(std::get<std::int64_t>(entries[1].value), -5);
    EXPECT_EQ(std::get<float>(entries[2].value), 48.0f);
    EXPECT_EQ(std::get<std::string>(entries[3].value), "");
    // The count is in bytes: five for four characters, and the next key
    // begins right after the last byte.
    EXPECT_EQ(std::get<std::string>(entries[4].value), "caf\xC3\xA9");
    EXPECT_EQ(entries[5].key, "Transparent");
    EXPECT_TRUE(std::get<bool>(entries[5].value));
    EXPECT_EQ(entries[6].key, "Transparent");
    EXPECT_TRUE(std::get<bool>(entries[6].value));
    EXPECT_EQ(std::get<fw::Color>(entries[7].value), (fw::Color{0x80, 0, 0, 0}));
    const std::vector<std::size_t> offsets = {0, 14, 26, 39, 51, 66, 79, 92};
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        EXPECT_EQ(entries[i].offset, offsets[i]) << entries[i].key;
    }
}

// A slider's Value 4 is also a well-formed String of four zero bytes; only the
// declared type tells which it is.
TEST(PropertyStreamTest, DeclaredTypeDecidesTheWidth) {
    const std::string bytes =
        "Value \x04\x00\x00\x00\x00\x00\x00\x00"
        "MinimumValue \x04\x00\x00\x00\x00\x00\x00\x00"s;
    const auto asInteger = fw::ReadPropertyStream(bytes, Lookup(PropertyType::Integer));
    const auto asString = fw::ReadPropertyStream(bytes, Lookup(PropertyType::String));
    ASSERT_EQ(asInteger.size(), 2u);
    ASSERT_EQ(asString.size(), 2u);
    EXPECT_EQ(std::get<std::int64_t>(asInteger[0].value), 4);
    EXPECT_EQ(std::get<std::string>(asString[0].value), "\0\0\0\0"s);
    EXPECT_EQ(asInteger[1].offset, 14u);
    EXPECT_EQ(asString[1].offset, 14u);
    EXPECT_EQ(std::get<std::int64_t>(asString[1].value), 4);
}

TEST(PropertyStreamTest, KeysAreLookedUpAsStored) {
    std::vector<std::string> asked;
    const fw::PropertyTypeLookup recording = [&](std::string_view key) {
        asked.emplace_back(key);
        return layout_keys::TypeOf(key, PropertyType::String);
    };
    EXPECT_TRUE(fw::ReadPropertyStream("", recording).empty());
    // The lookup gets the stored spelling and matches the declared MultiLine
    // and MacProcId itself.
    const auto entries = fw::ReadPropertyStream(
        "Multiline \x01MacProcID \x00\x00\x00\x00\x00\x00\x00\x00"s, recording);
    EXPECT_EQ(asked, (std::vector<std::string>{"Multiline", "MacProcID"}));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(std::get<bool>(entries[0].value));
    EXPECT_EQ(std::get<std::int64_t>(entries[1].value), 0);
}

struct Malformed {
    const char* what;
    std::string stream;
    std::string key;  // as the message quotes it
    std::size_t offset;
};

// Each broken stream is refused as a whole, with the key and its offset named.
TEST(PropertyStreamTest, MalformedStreamsAreRefusedNamingKeyAndOffset) {
    const std::string ok = "Visible \x01"s;  // 9 bytes of a good entry first
    const std::vector<Malformed> cases = {
        {"unknown key", ok + "Colour \x01", "Colour", 9},
        {"no space before the end", ok + "Visible", "Visible", 9},
        {"space missing, binary rest", ok + "Top\x01\x02", "Top\\x01\\x02", 9},
        {"empty key", ok + " \x01", "", 9},
        {"lower-case first letter", "visible \x01"s, "visible", 0},
        {"digit in key", "Visible2 \x01"s, "Visible2", 0},
        {"byte outside ASCII in key", "Vis\xC3\xA9 \x01"s, "Vis\\xC3\\xA9", 0},
        {"zero byte in key", "Vi\0sible \x01"s, "Vi\\x00sible", 0},
        {"Integer cut short", ok + "Top \xFB\xFF\xFF", "Top", 9},
        {"Double cut short", "LineHeight \x00\x00\x00\x00\x00\x00\xF0"s, "LineHeight", 0},
        {"Single cut short", "FontSize \x00\x00\x40"s, "FontSize", 0},
        {"Color cut short", "TextColor \x80"s, "TextColor", 0},
        {"Boolean missing at the end", ok + "Visible ", "Visible", 9},
        {"FontUnits missing at the end", "FontUnit "s, "FontUnit", 0},
        {"String count cut short", ok + "Name \x04\x00"s, "Name", 9},
        {"String count past the end",
         ok + "Name \x05\x00\x00\x00"
              "abcd"s,
         "Name", 9},
        {"String count near 2^32",
         "Name \xFF\xFF\xFF\xFF"
         "abc"s,
         "Name", 0},
        {"Boolean byte 2", ok + "Enabled \x02", "Enabled", 9},
        {"Boolean byte FF", "Enabled \xFF"s, "Enabled", 0},
        {"String with a stray continuation byte", "Name \x01\x00\x00\x00\x80"s, "Name", 0},
        {"String with a cut sequence", "Name \x02\x00\x00\x00\xE2\x82"s, "Name", 0},
        {"String with an overlong form", "Name \x02\x00\x00\x00\xC0\xAF"s, "Name", 0},
        {"String with a three-byte overlong form", "Name \x03\x00\x00\x00\xE0\x80\xAF"s, "Name", 0},
        {"String with a four-byte overlong form", "Name \x04\x00\x00\x00\xF0\x80\x80\xAF"s, "Name",
         0},
        {"sequence cut by the count before a continuation byte",
         "Name \x02\x00\x00\x00\xE2\x82\xAC"s, "Name", 0},
        {"String with a surrogate", "Name \x03\x00\x00\x00\xED\xA0\x80"s, "Name", 0},
        {"String above U+10FFFF", "Name \x04\x00\x00\x00\xF4\x90\x80\x80"s, "Name", 0},
        {"sequence cut by the count", "Name \x01\x00\x00\x00\xC3Visible \x01"s, "Name", 0},
        {"Integer read as a key", "Index \x00\x00\x00\x80\xFF\xFF\xFF\xFF\xFF Top"s, "\\xFF", 14},
    };
    for (const Malformed& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            fw::ReadPropertyStream(c.stream, Lookup());
            ADD_FAILURE() << "accepted";
        } catch (const fw::RuntimeException& e) {
            const std::string message = e.Message();
            EXPECT_NE(message.find("key \"" + c.key + "\""), std::string::npos) << message;
            EXPECT_NE(message.find("byte offset " + std::to_string(c.offset) + ":"),
                      std::string::npos)
                << message;
        }
    }
}

TEST(PropertyStreamTest, LongKeysAreShortenedInTheMessage) {
    const std::string key = "A" + std::string(5000, 'b');
    try {
        fw::ReadPropertyStream(key, Lookup());
        FAIL() << "accepted";
    } catch (const fw::RuntimeException& e) {
        EXPECT_LT(e.Message().size(), 200u);
        EXPECT_NE(e.Message().find("byte offset 0:"), std::string::npos);
    }
}

}  // namespace
