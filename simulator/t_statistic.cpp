#include "simulator/statistics.h"

#include "framework/functions.h"

namespace stats {

double TStatistic(double r, std::int64_t n) {
    // Both rules replace the formula's value by 0, so testing them first gives
    // the same result and keeps N - 2 clear of integer overflow.
    if (r <= 0 || n < 4)
        return 0;
    const std::int64_t df = n - 2;
    return (r * fw::Sqrt(static_cast<double>(df))) / fw::Sqrt(1 - r * r);
}

}  // namespace stats
