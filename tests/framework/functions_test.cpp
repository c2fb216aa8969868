#include "framework/functions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    double value;
    const char* mask;
    const char* want;
};

// The masks of the read-outs and the r field, and what the rounding of the
// exact binary value gives where a decimal literal sits near a half.
const FormatCase kFormatCases[] = {
    // t: "#####.00"
    {0, "#####.00", ".00"},
    {2.449490, "#####.00", "2.45"},
    {221.7042, "#####.00", "221.70"},
    {-2.5, "#####.00", "-2.50"},
    {123456.789, "#####.00", "123456.79"},
    {1e20, "#####.00", "100000000000000000000.00"},
    {2.445, "#####.00", "2.44"},  // 2.44499999999999984...
    {0.125, "#####.00", ".12"},   // an exact half goes to the even digit
    {0.375, "#####.00", ".38"},
    {kInf, "#####.00", "Inf"},
    {-kInf, "#####.00", "-Inf"},
    {kNaN, "#####.00", "NaN"},
    // p: ".00000"
    {0.02476955880, ".00000", ".02477"},
    {0.99999, ".00000", ".99999"},
    {0.00001, ".00000", ".00001"},
    {0.999996, ".00000", "1.00000"},
    {0.000004, ".00000", ".00000"},
    // the interval: "+.000"
    {0.07380189, "+.000", "+.074"},
    {-0.4063995, "+.000", "-.406"},
    {-1, "+.000", "-1.000"},
    {1, "+.000", "+1.000"},
    {0, "+.000", "+.000"},
    {-0.0004, "+.000", "+.000"},  // rounds to all zeros
    {-0.0, "+.000", "+.000"},
    {kNaN, "+.000", "NaN"},
    {kInf, "+.000", "+Inf"},
    {-kInf, "+.000", "-Inf"},
    // z: "##0.000"
    {0.5493061, "##0.000", "0.549"},
    {0, "##0.000", "0.000"},
    {6.103034, "##0.000", "6.103"},
    {-0.5, "##0.000", "-0.500"},
    {123456.7, "##0.000", "123456.700"},
    {1.0005, "##0.000", "1.000"},  // 1.00049999999999994...
    // the r field: ".000"
    {0.5, ".000", ".500"},
    {0.37, ".000", ".370"},
    {0.0005, ".000", ".001"},   // 0.00050000000000000001...
    {0.0055, ".000", ".005"},   // 0.00549999999999999996...; x * 1000 would say .006
    {0.9995, ".000", "1.000"},  // 0.99950000000000005...
    {-0.0004, ".000", ".000"},  // no sign for a value shown as zero
    {-0.25, ".000", "-.250"},
    // Other mask characters are copied; '#' after the point drops trailing zeros.
    {5, "#.00 %", "5.00 %"},
    {7, "0000", "0007"},
    {2.5, "#.##", "2.5"},
    {2, "#.##", "2."},
};

TEST(FormatTest, MasksRoundingAndSpecialValues) {
    for (const auto& c : kFormatCases) {
        EXPECT_EQ(fw::Format(c.value, c.mask), c.want)
            << "Format(" << c.value << ", \"" << c.mask << "\")";
    }
}

struct ValCase {
    const char* text;
    double want;
};

const ValCase kValCases[] = {
    {"42", 42},
    {"0.99999", 0.99999},
    {".5", 0.5},
    {"5.", 5},
    {"00012", 12},
    {"+7", 7},
    {"-3.25", -3.25},
    {" \t-.5", -0.5},
    {"1e3", 1000},
    {"2E-2", 0.02},
    {"1.5e+1x", 15},
    {"1e", 1},  // an 'e' without digits is not part of the number
    {"1e+", 1},
    {"12abc", 12},
    {"1.2.3", 1.2},
    {"1,5", 1},
    {" 1 2", 1},
    {"0x10", 0},
    {"123456789012345678901234567890", 1.2345678901234568e29},
    {"1e400", kInf},
    {"-1e400", -kInf},
    {"0.0000000001e-400", 0},
    {"1e-400", 0},
    {"1e99999999999999999999", kInf},
    {"", 0},
    {".", 0},
    {"-", 0},
    {"+-1", 0},
    {"--1", 0},
    {"e5", 0},
    {"abc", 0},
    {"inf", 0},
    {"nan", 0},
    {"\n5", 0},
};

TEST(ValTest, NumbersSignsExponentsAndGarbage) {
    for (const auto& c : kValCases) {
        EXPECT_EQ(fw::Val(c.text), c.want) << "Val(\"" << c.text << "\")";
    }
}

// The sliders write with Format and Str what the field handlers read back
// with Val: every slider position must survive the round trip.
TEST(ValTest, ReadsBackWhatTheSlidersWrite) {
    for (int position = 0; position <= 99; ++position) {
        const double r = position / 100.0;
        EXPECT_DOUBLE_EQ(fw::Val(fw::Format(r, ".000")), r) << position;
    }
    for (std::int64_t n = 4; n <= 1000; ++n) {
        EXPECT_EQ(fw::Val(fw::Str(n)), static_cast<double>(n)) << n;
    }
}

TEST(FunctionsTest, IgnoreTheCLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    int tried = 0;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "C.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) == nullptr)
            continue;
        ++tried;
        EXPECT_EQ(fw::Format(2.5, "#####.00"), "2.50") << name;
        EXPECT_EQ(fw::Format(-0.4063995, "+.000"), "-.406") << name;
        EXPECT_EQ(fw::Val("0.37"), 0.37) << name;
        EXPECT_EQ(fw::Val("0,37"), 0) << name;
        EXPECT_EQ(fw::Str(0.5), "0.5") << name;
    }
    std::setlocale(LC_ALL, saved.c_str());
    if (tried == 0)
        GTEST_SKIP() << "no locale other than the default is installed";
}

TEST(AscTest, FirstCodePointOfUtf8) {
    const struct {
        const char* text;
        std::int64_t want;
    } cases[] = {
        {"", 0},
        {"A", 65},
        {"ab", 97},
        {".", 46},
        {"\b", 8},
        {"\t", 9},
        {"\x10", 16},
        {"\xC3\xA9", 0xE9},              // é
        {"\xE2\x82\xAC", 0x20AC},        // €
        {"\xF0\x9F\x98\x80x", 0x1F600},  // an emoji, then more text
        {"\x80", 0x80},                  // a continuation byte in lead place
        {"\xFF", 0xFF},
        {"\xC3", 0xC3},              // cut short
        {"\xC3x", 0xC3},             // not followed by a continuation byte
        {"\xC0\x80", 0xC0},          // overlong
        {"\xE0\x80\x80", 0xE0},      // overlong
        {"\xED\xA0\x80", 0xED},      // a UTF-16 surrogate
        {"\xF4\x90\x80\x80", 0xF4},  // past U+10FFFF
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fw::Asc(c.text), c.want) << "Asc(\"" << c.text << "\")";
    }
}

TEST(StrTest, IntegersAndDoubles) {
    EXPECT_EQ(fw::Str(std::int64_t{0}), "0");
    EXPECT_EQ(fw::Str(std::int64_t{1000}), "1000");
    EXPECT_EQ(fw::Str(std::int64_t{-42}), "-42");
    EXPECT_EQ(fw::Str(std::numeric_limits<std::int64_t>::max()), "9223372036854775807");
    EXPECT_EQ(fw::Str(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");

    EXPECT_EQ(fw::Str(4.0), "4");
    EXPECT_EQ(fw::Str(-2.25), "-2.25");
    EXPECT_EQ(fw::Str(0.1), "0.1");
    EXPECT_EQ(fw::Str(1.0 / 3), "0.333333333333333");
    EXPECT_EQ(fw::Str(123456789012345.0), "123456789012345");
    EXPECT_EQ(fw::Str(1e20), "1e+20");
    EXPECT_EQ(fw::Str(-0.0), "0");
    EXPECT_EQ(fw::Str(kNaN), "NaN");
    EXPECT_EQ(fw::Str(kInf), "Inf");
    EXPECT_EQ(fw::Str(-kInf), "-Inf");
}

// The statistics rely on these edges reaching them as values, not failures.
TEST(MathTest, EdgesGiveIeeeValues) {
    EXPECT_TRUE(std::isnan(fw::Sqrt(-1)));
    EXPECT_EQ(fw::Log(0), -kInf);
    EXPECT_TRUE(std::isnan(fw::Log(-1)));
    EXPECT_EQ(fw::Exp(-kInf), 0);
    EXPECT_EQ(fw::Exp(kInf), kInf);
    EXPECT_DOUBLE_EQ(fw::ATan(kInf), std::acos(0.0));
    EXPECT_TRUE(std::isnan(fw::Sin(kInf)));
    EXPECT_TRUE(std::isnan(fw::Cos(kNaN)));
    EXPECT_EQ(fw::Floor(-0.5), -1);
    EXPECT_EQ(fw::Floor(-kInf), -kInf);
}

}  // namespace
