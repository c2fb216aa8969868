#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace fw {

// One character of a UTF-8 text: its code point and its length in bytes.
struct Utf8Char {
    char32_t code;
    std::size_t length;
};

// The character that starts `text`, or nothing when the bytes there are no
// valid UTF-8: only shortest forms, no UTF-16 surrogates, nothing above
// U+10FFFF, no sequence cut short. An empty text gives nothing.
std::optional<Utf8Char> DecodeUtf8(std::string_view text);

// Whether the whole text is valid UTF-8 in that sense.
bool IsValidUtf8(std::string_view text);

}  // namespace fw
