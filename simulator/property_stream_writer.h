#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/property.h"

// Builds a layout property stream one entry at a time: the key, one space and
// the value in the width of its type, little-endian, with nothing between the
// entries. The caller gives the keys in the stored order of its kind.
class PropertyStreamWriter {
  public:
    PropertyStreamWriter& Integer(std::string_view key, std::int64_t value);
    PropertyStreamWriter& Boolean(std::string_view key, bool value);
    // A byte count and the bytes; text is UTF-8. Throws std::length_error for
    // a text whose count does not fit 32 bits.
    PropertyStreamWriter& String(std::string_view key, std::string_view text);
    PropertyStreamWriter& Color(std::string_view key, fw::Color value);
    PropertyStreamWriter& Single(std::string_view key, float value);
    PropertyStreamWriter& Double(std::string_view key, double value);
    PropertyStreamWriter& FontUnits(std::string_view key, std::uint8_t value);

    // The stream written so far.
    const std::string& Bytes() const { return bytes_; }

  private:
    void Key(std::string_view key);
    void LittleEndian(std::uint64_t value, int width);

    std::string bytes_;
};
