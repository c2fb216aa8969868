#include "simulator/statistics.h"

#include "framework/functions.h"

namespace stats {

double FisherZ(double r) {
    return 0.5 * fw::Log((1 + r) / (1 - r));
}

}  // namespace stats
