#pragma once

#include <cstdint>

namespace fw {

// A Double as an Integer, truncated toward zero. Beyond the Integer range the
// result saturates at its ends, and NaN gives 0, so no text or arithmetic can
// make the conversion undefined.
std::int64_t TruncateToInteger(double value);

}  // namespace fw
