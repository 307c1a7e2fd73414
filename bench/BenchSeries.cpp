#include "BenchSeries.h"

#include <cstdint>

const std::vector<double>& WalkValues()
{
    static const std::vector<double> values = [] {
        std::vector<double> v(BenchPointCount);
        std::uint32_t seed = 12345;
        double y = 0;
        for (double& value : v) {
            seed = seed * 1664525u + 1013904223u;
            y += static_cast<double>(seed >> 8) / static_cast<double>(1u << 24) - 0.5;
            value = y;
        }
        return v;
    }();
    return values;
}

void PrepareChart(TChart& chart)
{
    chart.SetSize(BenchChartWidth, BenchChartHeight);
    chart.SetView3D(false);
    chart.Legend().SetVisible(false);
}
