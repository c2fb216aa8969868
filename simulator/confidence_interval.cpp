#include "simulator/statistics.h"

#include <limits>

#include "framework/functions.h"

namespace stats {

Interval ConfidenceInterval95(double r, std::int64_t n) {
    // Below 3 the formula takes the root of a negative N - 3, so both bounds
    // are NaN; answering that directly keeps N - 3 clear of integer overflow.
    if (n < 3) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {nan, nan};
    }
    const double zr = FisherZ(r);
    const std::int64_t dfz = n - 3;
    const double standardError = 1 / fw::Sqrt(static_cast<double>(dfz));
    const double f = 1.96 * standardError;
    const double l = fw::Exp(2 * (zr - f));
    const double u = fw::Exp(2 * (zr + f));
    return {(l - 1) / (l + 1), (u - 1) / (u + 1)};
}

}  // namespace stats
