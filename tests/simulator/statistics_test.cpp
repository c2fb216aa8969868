#include "simulator/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// 2/pi as the odd-df series uses it.
constexpr double kOddFactor = 1 - 0.36338023;

// want rounded to `digits` significant digits: got must lie within half a
// unit of the last digit given (and be NaN where want is).
::testing::AssertionResult MatchesDigits(double got, double want, int digits) {
    if (std::isnan(want)) {
        if (std::isnan(got))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << got << " is not NaN";
    }
    const double unit =
        want == 0 ? 0 : std::pow(10.0, std::floor(std::log10(std::fabs(want))) - (digits - 1));
    const double tolerance = 0.5 * unit * (1 + 1e-9);
    if (std::fabs(got - want) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << got << " differs from " << want << " beyond " << digits << " digits";
}

struct Row {
    double r;
    std::int64_t n;
    double t, p, lower, upper, z;
};

// t, the bounds and z to 7 significant digits, p to 10.
const Row kWorkedValues[] = {
    {0.5, 20, 2.449490, 0.02476955880, 0.07380189, 0.7717642, 0.5493061},
    {0.3, 10, 0.8894992, 0.3996914687, -0.4063995, 0.7819346, 0.3095196},
    {0.5, 7, 1.290994, 0.2531699979, -0.4059010, 0.9103058, 0.5493061},
    {0.5, 6, 1.154701, 0.3125, -0.5243354, 0.9329799, 0.5493061},
    {0.2, 5, 0.3535534, 0.7470600790, -0.8284570, 0.9199439, 0.2027326},
    {0.5, 5, 1, 0.3910022212, -0.6840163, 0.9591545, 0.5493061},
    {0.5, 4, 0.8164966, 0.5, -0.8876414, 0.9868595, 0.5493061},
    {0.9, 4, 2.919986, 0.1, -0.4524531, 0.9979136, 1.472219},
    {0, 20, 0, 0.99999, -0.4425278, 0.4425278, 0},
    {0.01, 1000, 0.3159272, 0.7521238410, -0.05202647, 0.07194961, 0.01000033},
    {0.99, 1000, 221.7042, 0.00001, 0.9886856, 0.9911623, 2.646652},
    {0.99999, 10, 632.4508, 0.00001, 0.9999560, 0.9999977, 6.103034},
    {0.5, 3, 0, 0.99999, -1, kNaN, 0.5493061},
    {0.5, 0, 0, 0.99999, kNaN, kNaN, 0.5493061},
};

TEST(StatisticsTest, WorkedValues) {
    for (const auto& row : kWorkedValues) {
        SCOPED_TRACE(::testing::Message() << "r = " << row.r << ", N = " << row.n);
        const double t = stats::TStatistic(row.r, row.n);
        EXPECT_TRUE(MatchesDigits(t, row.t, 7)) << "t";
        EXPECT_TRUE(MatchesDigits(stats::TwoSidedP(t, row.n - 2), row.p, 10)) << "p";
        const stats::Interval interval = stats::ConfidenceInterval95(row.r, row.n);
        EXPECT_TRUE(MatchesDigits(interval.lower, row.lower, 7)) << "lower";
        EXPECT_TRUE(MatchesDigits(interval.upper, row.upper, 7)) << "upper";
        EXPECT_TRUE(MatchesDigits(stats::FisherZ(row.r), row.z, 7)) << "z";
    }
}

// The two-sided p of Student's t by Simpson's rule on the density, an
// independent truth for the series.
double StudentTwoSidedP(double t, std::int64_t df) {
    const double nu = static_cast<double>(df);
    const double norm = std::exp(std::lgamma((nu + 1) / 2) - std::lgamma(nu / 2)) /
                        std::sqrt(nu * std::numbers::pi);
    const auto density = [&](double x) { return norm * std::pow(1 + x * x / nu, -(nu + 1) / 2); };
    const int intervals = 20000;
    const double h = t / intervals;
    double sum = density(0) + density(t);
    for (int i = 1; i < intervals; ++i)
        sum += density(i * h) * (i % 2 == 1 ? 4 : 2);
    return 1 - 2 * sum * h / 3;
}

// An even df is exact; an odd df carries 1 - 0.36338023 where the exact
// series has 2/pi, so its P(|T| < t) is the exact one scaled by that ratio.
TEST(StatisticsTest, SeriesAgreesWithStudentsDistribution) {
    for (std::int64_t df = 1; df <= 41; ++df) {
        for (const double t : {0.3, 1.0, 2.5}) {
            const double exact = StudentTwoSidedP(t, df);
            const double scale = df % 2 == 0 ? 1 : kOddFactor / (2 / std::numbers::pi);
            EXPECT_NEAR(stats::TwoSidedP(t, df), 1 - scale * (1 - exact), 1e-11)
                << "t = " << t << ", df = " << df;
        }
    }
    // The longest series the simulator runs: N = 1000, 498 passes.
    const double t = stats::TStatistic(0.05, 1000);
    EXPECT_NEAR(stats::TwoSidedP(t, 998), StudentTwoSidedP(t, 998), 1e-11);
}

TEST(StatisticsTest, ClosedFormsForOneAndTwoDegreesOfFreedom) {
    for (const double t : {0.01, 0.5, 1.0, 3.0, 40.0}) {
        EXPECT_NEAR(stats::TwoSidedP(t, 1), 1 - kOddFactor * std::atan(t), 1e-15) << t;
        EXPECT_NEAR(stats::TwoSidedP(t, 2), 1 - t / std::sqrt(t * t + 2), 1e-15) << t;
    }
}

TEST(StatisticsTest, OddDegreesOfFreedomShowTheConstant) {
    const struct {
        double r;
        std::int64_t n;
        double withConstant, withTwoOverPi;
    } cases[] = {
        {0.5, 7, 0.2531699979, 0.2531699951},
        {0.2, 5, 0.7470600790, 0.7470600781},
    };
    for (const auto& c : cases) {
        const double p = stats::TwoSidedP(stats::TStatistic(c.r, c.n), c.n - 2);
        EXPECT_TRUE(MatchesDigits(p, c.withConstant, 10)) << c.n;
        EXPECT_FALSE(MatchesDigits(p, c.withTwoOverPi, 10)) << c.n;
        EXPECT_TRUE(MatchesDigits(StudentTwoSidedP(stats::TStatistic(c.r, c.n), c.n - 2),
                                  c.withTwoOverPi, 10))
            << c.n;
    }
}

TEST(StatisticsTest, EvenDegreesOfFreedomAreExact) {
    EXPECT_NEAR(stats::TwoSidedP(stats::TStatistic(0.5, 6), 4), 0.3125, 1e-15);
    EXPECT_NEAR(stats::TwoSidedP(stats::TStatistic(0.5, 4), 2), 0.5, 1e-15);
    EXPECT_NEAR(stats::TwoSidedP(stats::TStatistic(0.9, 4), 2), 0.1, 1e-12);
}

TEST(StatisticsTest, PIsClampedAtBothEnds) {
    for (const double t : {0.0, -0.0, -3.0, 0.0000099}) {
        EXPECT_EQ(stats::TwoSidedP(t, 18), 0.99999) << t;
    }
    // Just at the threshold the series runs and gives a p just below 1.
    const double p = stats::TwoSidedP(0.00001, 18);
    EXPECT_GT(p, 0.99999);
    EXPECT_LT(p, 1);
    for (const double t : {60.0, 1e6, std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(stats::TwoSidedP(t, 998), 0.00001) << t;
        EXPECT_EQ(stats::TwoSidedP(t, 997), 0.00001) << t;
    }
    EXPECT_TRUE(std::isnan(stats::TwoSidedP(kNaN, 18)));
}

TEST(StatisticsTest, TIsZeroForNoPositiveRAndSmallN) {
    for (const std::int64_t n : {std::int64_t{3}, std::int64_t{2}, std::int64_t{1}, std::int64_t{0},
                                 std::int64_t{-5}, std::numeric_limits<std::int64_t>::min()}) {
        EXPECT_EQ(stats::TStatistic(0.5, n), 0) << n;
    }
    EXPECT_EQ(stats::TStatistic(0, 20), 0);
    EXPECT_EQ(stats::TStatistic(-0.5, 20), 0);
    // Beyond the program's r range the formula speaks for itself.
    EXPECT_EQ(stats::TStatistic(1, 20), std::numeric_limits<double>::infinity());
}

// tanh(zr -/+ 1.96 / sqrt(N - 3)) is the interval written without Exp.
TEST(StatisticsTest, IntervalIsTanhOfZPlusMinusTheMargin) {
    for (const double r : {0.0, 0.1, 0.37, 0.8, 0.99}) {
        EXPECT_NEAR(stats::FisherZ(r), std::atanh(r), 1e-15) << r;
        for (const std::int64_t n : {4, 5, 30, 1000}) {
            const double margin = 1.96 / std::sqrt(static_cast<double>(n - 3));
            const stats::Interval interval = stats::ConfidenceInterval95(r, n);
            EXPECT_NEAR(interval.lower, std::tanh(std::atanh(r) - margin), 1e-14) << r << " " << n;
            EXPECT_NEAR(interval.upper, std::tanh(std::atanh(r) + margin), 1e-14) << r << " " << n;
            // Symmetric about 0 to the last bit or so: the two bounds come from
            // Exp(-x) and Exp(x), which are not exact reciprocals.
            if (r == 0) {
                EXPECT_NEAR(interval.lower, -interval.upper, 1e-15) << n;
            }
        }
    }
}

TEST(StatisticsTest, IntervalEdgesOfN) {
    const stats::Interval three = stats::ConfidenceInterval95(0.3, 3);
    EXPECT_EQ(three.lower, -1);
    EXPECT_TRUE(std::isnan(three.upper));
    for (const std::int64_t n : {std::int64_t{2}, std::int64_t{0}, std::int64_t{-7},
                                 std::numeric_limits<std::int64_t>::min()}) {
        const stats::Interval interval = stats::ConfidenceInterval95(0.3, n);
        EXPECT_TRUE(std::isnan(interval.lower)) << n;
        EXPECT_TRUE(std::isnan(interval.upper)) << n;
    }
}

}  // namespace
