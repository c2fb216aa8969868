#pragma once

#include <cstdint>

namespace fw {

// The platform's beep. Every beep is counted, so a test can tell how many
// sounded.
void Beep();
std::int64_t BeepCount();

}  // namespace fw
