#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/property.h"

namespace fw {

// One key/value entry of a layout property stream.
struct PropertyEntry {
    std::string key;      // as stored, letter case included
    PropertyValue value;  // the alternative of the key's declared type
    std::size_t offset;   // byte offset of the key's first byte
};

// The declared type of the property a key names on the object the stream is
// for, or nullopt when the object has no such property. Keys are matched
// without regard to letter case; the lookup is the caller's.
using PropertyTypeLookup = std::function<std::optional<PropertyType>(std::string_view key)>;

// Reads a whole stream: entries of key, one space 0x20 and the value in the
// width of the key's declared type, with nothing before, between or after
// them. The stream carries no types, so typeOf decides every value's width.
// The whole stream is checked before anything is returned: a stream that
// breaks the format throws RuntimeException naming the key and its byte
// offset, so a caller applies all of a stream or none of it. The empty stream
// gives no entries.
std::vector<PropertyEntry> ReadPropertyStream(std::string_view stream,
                                              const PropertyTypeLookup& typeOf);

}  // namespace fw
