#pragma once

#include <cstdint>

// The simulator's statistics for a sample correlation coefficient r and a
// sample size N: pure functions, computed in double precision in a fixed
// order with fixed constants, so the read-outs are reproducible to the bit.
namespace stats {

// The t statistic that tests r against zero with df = N - 2:
//   t = (r * sqrt(df)) / sqrt(1 - r * r).
// Domain: 0 <= r < 1 in use. r <= 0 or N < 4 give 0; r = 1 gives +infinity
// and r > 1 NaN (the root of a negative number).
double TStatistic(double r, std::int64_t n);

// The two-sided p value of t for Student's t with df degrees of freedom, by
// the closed finite series (Abramowitz and Stegun 26.7.3 for an odd df,
// 26.7.4 for an even df) with theta = atan(t / sqrt(df)):
//   p = 1 - A, A = P(|T| < t),
// where for an odd df the factor 2/pi is taken as 1 - 0.36338023. That
// constant, not 2/pi, is what the read-outs have always shown: r = 0.5, N = 7
// gives 0.2531699979 where 2/pi gives 0.2531699951.
// Edges: a t below 0.00001 (0 or negative; TStatistic gives 0 for N < 4)
// gives 0.99999 whatever the series says; a p below 0.00001 (a very large t)
// gives 0.00001; a NaN t gives NaN. The series runs (df - 2) / 2 passes, 498
// at N = 1000, so its cost grows with df: callers keep N within the
// simulator's range (at most 1000).
double TwoSidedP(double t, std::int64_t df);

struct Interval {
    double lower;
    double upper;
};

// The 95% confidence interval of r through Fisher's z:
//   zr = FisherZ(r), F = 1.96 * (1 / sqrt(N - 3)),
//   lower = (L - 1) / (L + 1), L = exp(2 * (zr - F)),
//   upper = (U - 1) / (U + 1), U = exp(2 * (zr + F)).
// Domain: -1 < r < 1 and N > 3. N = 3 gives lower -1 and upper NaN (an
// infinite standard error: exp(-inf) is 0, inf / inf is NaN); N < 3 gives two
// NaN bounds (the root of a negative number).
Interval ConfidenceInterval95(double r, std::int64_t n);

// Fisher's z of r: 0.5 * log((1 + r) / (1 - r)), the inverse hyperbolic
// tangent. Domain -1 < r < 1; r = 1 gives +infinity, |r| > 1 NaN.
double FisherZ(double r);

}  // namespace stats
