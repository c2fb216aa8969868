#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace fw {

// The value types a property can be declared with; each has one width in a
// property stream.
enum class PropertyType { Integer, Boolean, String, Color, Single, Double, FontUnits };

// A colour as its four stored bytes. Byte 0 is red, byte 1 green, byte 2 blue;
// byte 3 is the transparency, 00 being opaque. Every stream of the program
// stores its colours in this one order.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t transparency = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// One value as read from a stream. The alternatives follow PropertyType:
// Integer (and enumerations on it) int64_t, Boolean bool, String std::string
// (UTF-8), Color, Single float, Double double, FontUnits std::uint8_t.
using PropertyValue =
    std::variant<std::int64_t, bool, std::string, Color, float, double, std::uint8_t>;

}  // namespace fw
