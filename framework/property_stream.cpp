#include "framework/property_stream.h"

#include <bit>
#include <cstdint>
#include <utility>

#include "framework/exceptions.h"
#include "framework/utf8.h"

namespace fw {

namespace {

// Keys in messages are quoted with every byte outside printable ASCII escaped,
// and long ones shortened, so that a damaged stream cannot garble the message.
std::string Quoted(std::string_view key) {
    constexpr std::size_t kShown = 40;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (std::size_t i = 0; i < key.size() && i < kShown; ++i) {
        const auto byte = static_cast<unsigned char>(key[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
            out += static_cast<char>(byte);
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    if (key.size() > kShown) {
        out += "...";
    }
    out += '"';
    return out;
}

[[noreturn]] void Fail(std::string_view key, std::size_t offset, std::string_view problem) {
    throw RuntimeException("property stream: key " + Quoted(key) + " at byte offset " +
                           std::to_string(offset) + ": " + std::string(problem));
}

bool IsUpper(unsigned char c) {
    return c >= 'A' && c <= 'Z';
}
bool IsLetter(unsigned char c) {
    return IsUpper(c) || (c >= 'a' && c <= 'z');
}

bool IsWellFormedKey(std::string_view key) {
    if (key.empty() || !IsUpper(static_cast<unsigned char>(key.front()))) {
        return false;
    }
    for (char c : key) {
        if (!IsLetter(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

// Walks the stream; every read checks the bytes left first, so no read goes
// past the end and no position arithmetic can overflow.
class Cursor {
  public:
    explicit Cursor(std::string_view stream) : stream_(stream) {}

    bool AtEnd() const { return position_ == stream_.size(); }
    std::size_t Position() const { return position_; }
    std::size_t Left() const { return stream_.size() - position_; }

    std::string_view Take(std::size_t count) {
        const std::string_view bytes = stream_.substr(position_, count);
        position_ += count;
        return bytes;
    }

    // Little-endian unsigned integer of the given byte width (at most 8).
    std::uint64_t TakeLittleEndian(std::size_t width) {
        std::uint64_t value = 0;
        const std::string_view bytes = Take(width);
        for (std::size_t i = 0; i < width; ++i) {
            value |= std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i);
        }
        return value;
    }

  private:
    std::string_view stream_;
    std::size_t position_ = 0;
};

std::size_t WidthOf(PropertyType type) {
    switch (type) {
        case PropertyType::Integer:
        case PropertyType::Double:
            return 8;
        case PropertyType::Color:
        case PropertyType::Single:
        case PropertyType::String:  // the byte count; the bytes follow
            return 4;
        case PropertyType::Boolean:
        case PropertyType::FontUnits:
            return 1;
    }
    return 0;
}

const char* NameOf(PropertyType type) {
    switch (type) {
        case PropertyType::Integer:
            return "Integer";
        case PropertyType::Boolean:
            return "Boolean";
        case PropertyType::String:
            return "String";
        case PropertyType::Color:
            return "Color";
        case PropertyType::Single:
            return "Single";
        case PropertyType::Double:
            return "Double";
        case PropertyType::FontUnits:
            return "FontUnits";
    }
    return "unknown type";
}

PropertyValue ReadValue(Cursor& cursor, PropertyType type, std::string_view key,
                        std::size_t offset) {
    const std::size_t width = WidthOf(type);
    if (cursor.Left() < width) {
        Fail(key, offset,
             std::string(NameOf(type)) + " value needs " + std::to_string(width) +
                 " bytes but the stream ends after " + std::to_string(cursor.Left()));
    }
    switch (type) {
        case PropertyType::Integer:
            return static_cast<std::int64_t>(cursor.TakeLittleEndian(8));
        case PropertyType::Boolean: {
            const auto byte = static_cast<unsigned char>(cursor.Take(1)[0]);
            if (byte > 1) {
                Fail(key, offset, "Boolean byte is " + std::to_string(byte) + ", not 0 or 1");
            }
            return byte == 1;
        }
        case PropertyType::String: {
            const std::uint64_t count = cursor.TakeLittleEndian(4);
            if (count > cursor.Left()) {
                Fail(key, offset,
                     "String count " + std::to_string(count) + " runs past the end (" +
                         std::to_string(cursor.Left()) + " bytes left)");
            }
            const std::string_view text = cursor.Take(static_cast<std::size_t>(count));
            if (!IsValidUtf8(text)) {
                Fail(key, offset, "String is not valid UTF-8");
            }
            return std::string(text);
        }
        case PropertyType::Color: {
            const std::string_view bytes = cursor.Take(4);
            return Color{static_cast<std::uint8_t>(bytes[0]), static_cast<std::uint8_t>(bytes[1]),
                         static_cast<std::uint8_t>(bytes[2]), static_cast<std::uint8_t>(bytes[3])};
        }
        case PropertyType::Single:
            return std::bit_cast<float>(static_cast<std::uint32_t>(cursor.TakeLittleEndian(4)));
        case PropertyType::Double:
            return std::bit_cast<double>(cursor.TakeLittleEndian(8));
        case PropertyType::FontUnits:
            return static_cast<std::uint8_t>(cursor.Take(1)[0]);
    }
    Fail(key, offset, "declared with an unknown type");
}

}  // namespace

std::vector<PropertyEntry> ReadPropertyStream(std::string_view stream,
                                              const PropertyTypeLookup& typeOf) {
    std::vector<PropertyEntry> entries;
    Cursor cursor(stream);
    while (!cursor.AtEnd()) {
        const std::size_t offset = cursor.Position();
        const std::size_t space = stream.find(' ', offset);
        if (space == std::string_view::npos) {
            Fail(stream.substr(offset), offset, "no space follows the key before the end");
        }
        std::string key(cursor.Take(space - offset));
        cursor.Take(1);
        if (key.empty()) {
            Fail(key, offset, "the key is empty");
        }
        if (!IsWellFormedKey(key)) {
            Fail(key, offset, "a key is ASCII letters beginning with an upper-case letter");
        }
        const std::optional<PropertyType> type = typeOf(key);
        if (!type) {
            Fail(key, offset, "no property of that name on this object");
        }
        PropertyValue value = ReadValue(cursor, *type, key, offset);
        entries.push_back(PropertyEntry{std::move(key), std::move(value), offset});
    }
    return entries;
}

}  // namespace fw
