#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/property_stream.h"
#include "tests/support/layout_key_types.h"
#include "windows/about_wnd_streams.h"
#include "windows/info_wnd_streams.h"
#include "windows/notice_line.h"

namespace {

using fw::PropertyType;
using fw::PropertyValue;

// Characters of UTF-8 text: every byte but the continuation bytes.
std::size_t Characters(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

bool IsAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

std::vector<std::string> SplitParagraphs(const std::string& text) {
    std::vector<std::string> paragraphs;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n\r\n", start)) != std::string::npos; start = at + 4) {
        paragraphs.push_back(text.substr(start, at - start));
    }
    paragraphs.push_back(text.substr(start));
    return paragraphs;
}

PropertyValue I(std::int64_t v) {
    return v;
}
PropertyValue B(bool v) {
    return v;
}
PropertyValue S(std::string v) {
    return v;
}
PropertyValue C(fw::Color v) {
    return v;
}
PropertyValue F(float v) {
    return v;
}
PropertyValue D(double v) {
    return v;
}

constexpr fw::Color kWhite{0xFF, 0xFF, 0xFF, 0x00};
constexpr fw::Color kBlack{0x00, 0x00, 0x00, 0x00};
constexpr fw::Color kMaroon{0x80, 0x00, 0x00, 0x00};

struct Stored {
    std::string key;
    PropertyValue value;
};

struct StreamCase {
    const char* what;
    const std::string& stream;
    std::size_t bytes;
    std::size_t entries;
    std::vector<Stored> values;  // each key stored once
};

const std::vector<StreamCase>& Cases() {
    static const std::vector<StreamCase> cases = {
        {"AboutWnd window",
         AboutWndWindowStream(),
         367,
         22,
         {{"Width", I(300)},
          {"Height", I(200)},
          {"MaximumWidth", I(32000)},
          {"MaximumHeight", I(32000)},
          {"Type", I(2)},
          {"Title", S("")},
          {"HasMaximizeButton", B(true)},
          {"Resizeable", B(true)},
          {"Composite", B(false)},
          {"Visible", B(true)},
          {"HasBackgroundColor", B(true)},
          {"BackgroundColor", C(kWhite)}}},
        {"StaticText5",
         AboutWndControlStream("StaticText5"),
         479,
         32,
         {{"Name", S("StaticText5")},
          {"Index", I(-2147483648LL)},
          {"Top", I(181)},
          {"Width", I(298)},
          {"Height", I(15)},
          {"TabIndex", I(0)},
          {"TabStop", B(true)},
          {"TextAlignment", I(2)},
          {"TextColor", C(kMaroon)},
          {"Value", S(NoticeLine())},
          {"Bold", B(false)},
          {"FontName", S("System")},
          {"FontSize", F(9.0f)},
          {"InitialParent", S("")}}},
        {"StaticText1",
         AboutWndControlStream("StaticText1"),
         429,
         32,
         {{"Name", S("StaticText1")},
          {"Top", I(0)},
          {"Height", I(55)},
          {"TabIndex", I(3)},
          {"TabStop", B(false)},
          {"TextColor", C(kMaroon)},
          {"Value", S("Nerq")},
          {"Bold", B(true)},
          {"FontSize", F(42.0f)}}},
        {"Canvas1",
         AboutWndControlStream("Canvas1"),
         322,
         24,
         {{"Name", S("Canvas1")},
          {"Left", I(104)},
          {"Top", I(60)},
          {"Width", I(92)},
          {"Height", I(72)},
          {"TabIndex", I(1)},
          {"TabStop", B(false)},
          {"Enabled", B(false)},
          {"AllowFocus", B(false)},
          {"InitialParent", S("")}}},
        {"Timer1",
         AboutWndControlStream("Timer1"),
         31,
         2,
         {{"RunMode", I(1)}, {"Period", I(4000)}}},
        {"InfoWnd window",
         InfoWndWindowStream(),
         371,
         22,
         {{"Width", I(450)},
          {"Height", I(360)},
          {"Type", I(7)},
          {"Title", S("Info")},
          {"Resizeable", B(false)},
          {"Composite", B(true)},
          {"HasBackgroundColor", B(false)},
          {"BackgroundColor", C(kWhite)}}},
        {"InfoWnd text area",
         InfoWndTextAreaStream(),
         1598,
         46,
         {{"Name", S("StaticText1")},
          {"Left", I(-1)},
          {"Top", I(-1)},
          {"Width", I(447)},
          {"Height", I(358)},
          {"TabStop", B(false)},
          {"HasBorder", B(true)},
          {"HideSelection", B(true)},
          {"LineHeight", D(0.0)},
          {"LineSpacing", D(1.0)},
          {"Multiline", B(true)},
          {"HasVerticalScrollbar", B(false)},
          {"AllowStyledText", B(true)},
          {"TextColor", C(kBlack)},
          {"FontSize", F(12.0f)},
          {"Value", S(InformationText())},
          {"AllowTabs", B(false)},
          {"ReadOnly", B(true)},
          {"InitialParent", S("")}}},
    };
    return cases;
}

std::vector<fw::PropertyEntry> Read(const std::string& stream) {
    // Value is the text in every one of these streams.
    return fw::ReadPropertyStream(stream, [](std::string_view key) {
        return layout_keys::TypeOf(key, PropertyType::String);
    });
}

TEST(WindowStreamsTest, StreamsHaveTheirLengthsAndReadBackToTheirValues) {
    for (const StreamCase& c : Cases()) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.stream.size(), c.bytes);
        const std::vector<fw::PropertyEntry> entries = Read(c.stream);
        EXPECT_EQ(entries.size(), c.entries);
        for (const Stored& s : c.values) {
            const auto matches = [&](const fw::PropertyEntry& e) { return e.key == s.key; };
            ASSERT_EQ(std::count_if(entries.begin(), entries.end(), matches), 1) << s.key;
            EXPECT_EQ(std::find_if(entries.begin(), entries.end(), matches)->value, s.value)
                << s.key;
        }
    }
}

TEST(WindowStreamsTest, ControlStreamsOpenAndCloseLikeEveryControlButTheTimer) {
    for (const char* name : {"StaticText5", "Canvas1", "StaticText1"}) {
        const std::vector<fw::PropertyEntry> entries = Read(AboutWndControlStream(name));
        EXPECT_EQ(entries.front().key, "Name") << name;
        EXPECT_EQ(entries.back().key, "InitialParent") << name;
    }
    const std::vector<fw::PropertyEntry> area = Read(InfoWndTextAreaStream());
    EXPECT_EQ(area.front().key, "Name");
    EXPECT_EQ(area.back().key, "InitialParent");

    // The timer takes its name from the window alone.
    const std::vector<fw::PropertyEntry> timer = Read(AboutWndControlStream("Timer1"));
    ASSERT_EQ(timer.size(), 2u);
    EXPECT_EQ(timer[0].key, "RunMode");
    EXPECT_EQ(timer[1].key, "Period");

    int transparent = 0;
    for (const fw::PropertyEntry& e : Read(AboutWndControlStream("Canvas1"))) {
        if (e.key == "Transparent") {
            ++transparent;
            EXPECT_EQ(e.value, B(true));
        }
    }
    EXPECT_EQ(transparent, 2);
}

TEST(WindowStreamsTest, UnknownAboutWndControlIsOutOfRange) {
    for (const char* name : {"Timer2", "canvas1", "StaticText4", ""}) {
        EXPECT_THROW(AboutWndControlStream(name), std::out_of_range) << name;
    }
}

TEST(WindowStreamsTest, NoticeLineIsOneLineWithTheCopyrightSign) {
    const std::string& line = NoticeLine();
    EXPECT_EQ(Characters(line), 53u);
    EXPECT_EQ(line.size(), 54u);
    // The copyright sign is its only character outside ASCII.
    const std::size_t sign = line.find("\xC2\xA9");
    ASSERT_NE(sign, std::string::npos);
    EXPECT_TRUE(IsAscii(std::string(line).erase(sign, 2)));
    EXPECT_NE(line.find("2024-2026"), std::string::npos);
    EXPECT_NE(line.find("the Nerq authors"), std::string::npos);
    EXPECT_EQ(line.find_first_of("\r\n\t"), std::string::npos);
}

TEST(WindowStreamsTest, InformationTextHasFourParagraphsAndNoOtherBreak) {
    const std::string& text = InformationText();
    EXPECT_EQ(Characters(text), 915u);
    EXPECT_EQ(text.size(), 917u);
    EXPECT_EQ(text.find('\t'), std::string::npos);

    const std::vector<std::string> paragraphs = SplitParagraphs(text);
    ASSERT_EQ(paragraphs.size(), 4u);
    const std::size_t lengths[] = {231, 214, 98, 360};
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const std::string& p = paragraphs[i];
        // No stray break, and no empty line before, after or between beyond one.
        EXPECT_FALSE(p.empty());
        EXPECT_EQ(p.find_first_of("\r\n"), std::string::npos);
        EXPECT_NE(p.front(), ' ');
        EXPECT_NE(p.back(), ' ');
        EXPECT_EQ(Characters(p), lengths[i]);
        EXPECT_EQ(IsAscii(p), i != 0);
    }
    EXPECT_EQ(paragraphs[0],
              "Nerq simulates how the 95% confidence interval of the correlation coefficient and "
              "the statistical significance (p \xE2\x89\xA0 0) vary as a function of sample size. "
              "Change r and N to watch t, p, and the confidence interval change accordingly.");
    // The not-equal sign, once, between two spaces.
    EXPECT_NE(text.find(" \xE2\x89\xA0 "), std::string::npos);
    EXPECT_EQ(text.find("\xE2\x89\xA0"), text.rfind("\xE2\x89\xA0"));

    for (std::size_t i = 1; i < paragraphs.size(); ++i) {
        EXPECT_NE(paragraphs[i].find("Nerq authors"), std::string::npos) << i + 1;
    }
    EXPECT_NE(paragraphs[1].find("2024-2026"), std::string::npos);
    EXPECT_NE(paragraphs[2].find("[Computer software]"), std::string::npos);
    EXPECT_NE(paragraphs[2].find("the Nerq project"), std::string::npos);
}

}  // namespace
