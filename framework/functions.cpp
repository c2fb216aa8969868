#include "framework/functions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <system_error>

#include "framework/utf8.h"

namespace fw {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsDigitPlace(char c) {
    return c == '#' || c == '0';
}

// |value| rounded to `decimals` places, as "III" or "III.FFF". std::to_chars
// rounds the exact binary value and never consults the locale.
std::string FixedDigits(double magnitude, int decimals) {
    // A double has at most 309 integer digits.
    std::string buffer(static_cast<std::size_t>(decimals) + 320, '\0');
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, decimals);
    buffer.resize(static_cast<std::size_t>(result.ptr - buffer.data()));
    return buffer;
}

// The integer part of the mask, filled right to left with the integer digits.
std::string FormatIntegerPart(std::string_view mask, std::string digits, char sign) {
    const auto places =
        static_cast<std::size_t>(std::count_if(mask.begin(), mask.end(), IsDigitPlace));
    // Every place from the first '0' on shows a digit, so pad to that many.
    std::size_t forced = 0;
    for (std::size_t i = 0, place = 0; i < mask.size(); ++i) {
        if (!IsDigitPlace(mask[i]))
            continue;
        if (mask[i] == '0') {
            forced = places - place;
            break;
        }
        ++place;
    }
    if (digits == "0")
        digits.clear();
    if (digits.size() < forced)
        digits.insert(0, forced - digits.size(), '0');

    const std::size_t excess = digits.size() > places ? digits.size() - places : 0;
    const std::size_t blank = places - (digits.size() - excess);

    std::string out;
    std::size_t place = 0;
    for (const char c : mask) {
        if (c == '+') {
            out += sign;
        } else if (IsDigitPlace(c)) {
            if (place == 0)
                out.append(digits, 0, excess);
            if (place >= blank)
                out += digits[excess + place - blank];
            ++place;
        } else {
            out += c;
        }
    }
    if (places == 0)
        out.append(digits);
    return out;
}

// The fraction part of the mask, filled left to right; a '#' place is left out
// when it and every place after it would show only zeros.
std::string FormatFractionPart(std::string_view mask, std::string_view digits, char sign) {
    std::size_t shown = 0;
    for (std::size_t i = 0, place = 0; i < mask.size(); ++i) {
        if (!IsDigitPlace(mask[i]))
            continue;
        if (mask[i] == '0' || digits[place] != '0')
            shown = place + 1;
        ++place;
    }
    std::string out;
    std::size_t place = 0;
    for (const char c : mask) {
        if (c == '+') {
            out += sign;
        } else if (IsDigitPlace(c)) {
            if (place < shown)
                out += digits[place];
            ++place;
        } else {
            out += c;
        }
    }
    return out;
}

// The decimal exponent of the leading non-zero digit of a number that
// std::from_chars found out of range: positive means overflow, negative
// underflow. Exact to within a few units, far from the boundary near 0.
long long LeadingExponent(std::string_view number) {
    std::size_t integerEnd = 0;
    while (integerEnd < number.size() && IsDigit(number[integerEnd]))
        ++integerEnd;
    long long position = 0;
    for (std::size_t i = 0; i < number.size() && (IsDigit(number[i]) || number[i] == '.'); ++i) {
        if (number[i] == '.' || number[i] == '0')
            continue;
        position = i < integerEnd ? static_cast<long long>(integerEnd - i) - 1
                                  : -static_cast<long long>(i - integerEnd);
        break;
    }
    long long exponent = 0;
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos) {
        std::size_t j = e + 1;
        const bool negative = number[j] == '-';
        if (number[j] == '+' || number[j] == '-')
            ++j;
        for (; j < number.size(); ++j) {
            exponent = std::min(exponent * 10 + (number[j] - '0'), 1'000'000'000LL);
        }
        if (negative)
            exponent = -exponent;
    }
    return position + exponent;
}

}  // namespace

std::string Format(double value, std::string_view mask) {
    const bool hasSignPlace = mask.find('+') != std::string_view::npos;
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : (hasSignPlace ? "+Inf" : "Inf");

    const std::size_t point = mask.find('.');
    const std::string_view integerMask = mask.substr(0, point);
    const std::string_view fractionMask =
        point == std::string_view::npos ? std::string_view{} : mask.substr(point + 1);
    const auto decimals =
        static_cast<int>(std::count_if(fractionMask.begin(), fractionMask.end(), IsDigitPlace));

    const std::string fixed = FixedDigits(std::fabs(value), decimals);
    const std::size_t fixedPoint = fixed.find('.');
    const std::string integerDigits = fixed.substr(0, fixedPoint);
    const std::string fractionDigits =
        fixedPoint == std::string::npos ? std::string{} : fixed.substr(fixedPoint + 1);

    const bool allZeros = fixed.find_first_not_of("0.") == std::string::npos;
    const bool negative = value < 0 && !allZeros;
    const char sign = negative ? '-' : '+';

    std::string out;
    if (negative && !hasSignPlace)
        out += '-';
    out += FormatIntegerPart(integerMask, integerDigits, sign);
    if (point != std::string_view::npos) {
        out += '.';
        out += FormatFractionPart(fractionMask, fractionDigits, sign);
    }
    return out;
}

double Val(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    std::size_t mantissaDigits = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        ++mantissaDigits;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && IsDigit(text[i]); ++i)
            ++mantissaDigits;
    }
    if (mantissaDigits == 0)
        return 0.0;

    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j]))
                ++j;
            end = j;
        }
    }

    // std::from_chars takes no leading '+', so it sees the number without
    // its sign.
    const std::string_view number = text.substr(start, end - start);
    double magnitude = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        magnitude = LeadingExponent(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -magnitude : magnitude;
}

std::string Str(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string Str(double value) {
    if (std::isnan(value))
        return "NaN";
    if (std::isinf(value))
        return value < 0 ? "-Inf" : "Inf";
    if (value == 0)
        return "0";
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

std::int64_t Asc(std::string_view text) {
    if (text.empty())
        return 0;
    if (const std::optional<Utf8Char> c = DecodeUtf8(text))
        return c->code;
    return static_cast<unsigned char>(text[0]);
}

double Sqrt(double x) {
    return std::sqrt(x);
}
double Exp(double x) {
    return std::exp(x);
}
double Log(double x) {
    return std::log(x);
}
double Sin(double x) {
    return std::sin(x);
}
double Cos(double x) {
    return std::cos(x);
}
double ATan(double x) {
    return std::atan(x);
}
double Floor(double x) {
    return std::floor(x);
}

}  // namespace fw
