#include "windows/notice_line.h"

#include <string_view>

namespace {

constexpr std::string_view kNotice = "\u00A9 2024-2026 by the Nerq authors. All rights reserved.";

// The splash label is sized for this line, and the stored count is in bytes:
// the copyright sign is its one two-byte character.
static_assert(kNotice.size() == 54);
static_assert(kNotice.substr(0, 2) == "\xC2\xA9");

}  // namespace

const std::string& NoticeLine() {
    static const std::string line(kNotice);
    return line;
}
