#include "simulator/property_stream_writer.h"

#include <bit>
#include <limits>
#include <stdexcept>

PropertyStreamWriter& PropertyStreamWriter::Integer(std::string_view key, std::int64_t value) {
    Key(key);
    LittleEndian(static_cast<std::uint64_t>(value), 8);
    return *this;
}

PropertyStreamWriter& PropertyStreamWriter::Boolean(std::string_view key, bool value) {
    Key(key);
    bytes_ += value ? '\x01' : '\x00';
    return *this;
}

PropertyStreamWriter& PropertyStreamWriter::String(std::string_view key, std::string_view text) {
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        throw std::length_error("a property stream String holds at most 4294967295 bytes");
    }
    Key(key);
    LittleEndian(text.size(), 4);
    bytes_ += text;
    return *this;
}

PropertyStreamWriter& PropertyStreamWriter::Color(std::string_view key, fw::Color value) {
    Key(key);
    bytes_ += static_cast<char>(value.red);
    bytes_ += static_cast<char>(value.green);
    bytes_ += static_cast<char>(value.blue);
    bytes_ += static_cast<char>(value.transparency);
    return *this;
}

PropertyStreamWriter& PropertyStreamWriter::Single(std::string_view key, float value) {
    Key(key);
    LittleEndian(std::bit_cast<std::uint32_t>(value), 4);
    return *this;
}

PropertyStreamWriter& PropertyStreamWriter::Double(std::string_view key, double value) {
    Key(key);
    LittleEndian(std::bit_cast<std::uint64_t>(value), 8);
    return *this;
}

PropertyStreamWriter& PropertyStreamWriter::FontUnits(std::string_view key, std::uint8_t value) {
    Key(key);
    bytes_ += static_cast<char>(value);
    return *this;
}

void PropertyStreamWriter::Key(std::string_view key) {
    bytes_ += key;
    bytes_ += ' ';
}

void PropertyStreamWriter::LittleEndian(std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}
