#include "simulator/statistics.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

// N = 1000 is the largest N the simulator computes and runs the longest
// series (498 passes).
constexpr std::int64_t kN = 1000;
constexpr double kR = 0.5;

void BM_TStatistic(benchmark::State& state) {
    double r = kR;
    std::int64_t n = kN;
    for (auto _ : state) {
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(stats::TStatistic(r, n));
    }
}
BENCHMARK(BM_TStatistic);

void BM_TwoSidedP(benchmark::State& state) {
    double t = stats::TStatistic(kR, kN);
    std::int64_t df = kN - 2;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(df);
        benchmark::DoNotOptimize(stats::TwoSidedP(t, df));
    }
}
BENCHMARK(BM_TwoSidedP);

void BM_ConfidenceInterval95(benchmark::State& state) {
    double r = kR;
    std::int64_t n = kN;
    for (auto _ : state) {
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(n);
        benchmark::DoNotOptimize(stats::ConfidenceInterval95(r, n));
    }
}
BENCHMARK(BM_ConfidenceInterval95);

// What one DoIt computes.
void BM_AllThree(benchmark::State& state) {
    double r = kR;
    std::int64_t n = kN;
    for (auto _ : state) {
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(n);
        const double t = stats::TStatistic(r, n);
        benchmark::DoNotOptimize(stats::TwoSidedP(t, n - 2));
        benchmark::DoNotOptimize(stats::ConfidenceInterval95(r, n));
    }
}
BENCHMARK(BM_AllThree);

}  // namespace
