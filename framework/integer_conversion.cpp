#include "framework/integer_conversion.h"

#include <cmath>
#include <limits>

namespace fw {

std::int64_t TruncateToInteger(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    // 2^63 is exactly representable; every double below it converts.
    constexpr double limit = 9223372036854775808.0;
    if (value >= limit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (value < -limit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(value);
}

}  // namespace fw
