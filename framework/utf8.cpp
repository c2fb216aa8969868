#include "framework/utf8.h"

namespace fw {

std::optional<Utf8Char> DecodeUtf8(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    if (lead < 0x80) {
        return Utf8Char{lead, 1};
    }
    // Length, the payload bits of the lead byte, and the smallest code that
    // needs that length (anything below would be an overlong form).
    std::size_t length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() < length) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) != 0x80) {
            return std::nullopt;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    if (code < smallest || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        return std::nullopt;
    }
    return Utf8Char{code, length};
}

bool IsValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::optional<Utf8Char> c = DecodeUtf8(text);
        if (!c) {
            return false;
        }
        text.remove_prefix(c->length);
    }
    return true;
}

}  // namespace fw
