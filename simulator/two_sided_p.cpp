#include "simulator/statistics.h"

#include "framework/functions.h"

namespace stats {

namespace {

// Runs the series' passes: each multiplies the term by cos^2(theta) * F / E,
// F and E both growing by 2, and adds it to a. The pass count is computed in
// double and truncated toward zero; a count of 0 or less runs no pass.
double AddPasses(double a, double term, double c, std::int64_t f, std::int64_t e,
                 double passCount) {
    const auto passes = static_cast<std::int64_t>(passCount);
    for (std::int64_t pass = 1; pass <= passes; ++pass) {
        f += 2;
        e += 2;
        term = term * c * c * static_cast<double>(f) / static_cast<double>(e);
        a = term + a;
    }
    return a;
}

}  // namespace

double TwoSidedP(double t, std::int64_t df) {
    const double dfD = static_cast<double>(df);
    const double theta = fw::ATan(t / fw::Sqrt(dfD));
    const double s = fw::Sin(theta);
    const double c = fw::Cos(theta);
    // Parity in double, so that a negative df is odd or even as well.
    const double parity = dfD - 2 * fw::Floor(dfD / 2);
    const double k = 1 - 0.36338023 * parity;

    double a = 0;
    if (parity == 0) {
        a = s;
        if (df != 2) {
            a = AddPasses(a, s, c, -1, 0, (dfD - 2) / 2);
            a = k * a;
        }
    } else {
        a = theta;
        if (df == 1) {
            a = k * theta;
        } else {
            const double term = s * c;
            a = term + theta;
            if (df != 3)
                a = AddPasses(a, term, c, 0, 1, (dfD - 3) / 2);
            a = k * a;
        }
    }

    const double q = 0.5 * (1 + a);
    double p = (1 - q) * 2;
    if (t < 0.00001)
        p = 0.99999;
    if (p < 0.00001)
        p = 0.00001;
    return p;
}

}  // namespace stats
