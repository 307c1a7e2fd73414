// Sorting a million points by X in orders that defeat a quicksort with a middle pivot, against random
// order: each pattern may cost at most a little more than the random case.

#include "BenchSupport.h"

#include "chart/series/TChartSeries.h"
#include "chart/series/TChartValueList.h"

#include <cstdint>
#include <vector>

namespace {

constexpr int PointCount = 1000000;

enum TSortPattern { spAscending, spDescending, spRiseThenFall, spOrganPipe, spSawtooth, spAllEqual, spRandom };

std::vector<double> PatternValues(TSortPattern pattern)
{
    std::vector<double> values(PointCount);
    std::uint32_t seed = 12345;
    const int half = PointCount / 2;
    for (int i = 0; i < PointCount; ++i) {
        double v = 0;
        switch (pattern) {
        case spAscending: v = i; break;
        case spDescending: v = PointCount - i; break;
        // 0, 1, ..., n/2, ..., 1: the peak stands alone in the middle.
        case spRiseThenFall: v = i <= half ? i : PointCount - i; break;
        // 0, 1, ..., n/2 - 1, n/2 - 1, ..., 0: every value twice, mirrored.
        case spOrganPipe: v = i < half ? i : PointCount - 1 - i; break;
        case spSawtooth: v = i % 1000; break;
        case spAllEqual: v = 7; break;
        case spRandom:
            seed = seed * 1664525u + 1013904223u;
            v = seed >> 8;
            break;
        }
        values[static_cast<std::size_t>(i)] = v;
    }
    return values;
}

// Each run refills the series in the pattern's order, untimed, then sorts it.
void SortByValue(benchmark::State& state, TSortPattern pattern)
{
    const std::vector<double> values = PatternValues(pattern);
    TChartSeries series;
    for (auto _ : state) {
        state.PauseTiming();
        series.ClearPoints();
        series.XValues().SetOrder(loNone);
        for (int i = 0; i < PointCount; ++i)
            series.AddPoint(values[static_cast<std::size_t>(i)], i);
        series.XValues().SetOrder(loAscending);
        state.ResumeTiming();
        series.XValues().SortByValue();
    }
}

} // namespace

BENCHMARK_CAPTURE(SortByValue, Ascending, spAscending)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByValue, Descending, spDescending)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByValue, RiseThenFall, spRiseThenFall)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByValue, OrganPipe, spOrganPipe)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByValue, Sawtooth, spSawtooth)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByValue, AllEqual, spAllEqual)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SortByValue, Random, spRandom)->Unit(benchmark::kMillisecond);
