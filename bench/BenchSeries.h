#pragma once

#include "chart/frame/TChartLegend.h"
#include "chart/panel/TChart.h"

#include <vector>

constexpr int BenchChartWidth = 553;
constexpr int BenchChartHeight = 337;
constexpr int BenchPointCount = 1000000;

// A repeatable random walk of BenchPointCount values: neighbouring points differ, so most segments are drawn.
const std::vector<double>& WalkValues();

// A 2D chart of the bench size with its legend hidden (for a single series it would list every value).
void PrepareChart(TChart& chart);

// A new series of type T on the chart, holding the walk at X = 0, 1, 2, ...
template <class T>
T& FilledSeries(TChart& chart)
{
    auto* series = new T;
    series->SetParentChart(&chart);
    const std::vector<double>& values = WalkValues();
    for (int i = 0; i < BenchPointCount; ++i)
        series->AddPoint(i, values[static_cast<std::size_t>(i)]);
    return *series;
}
