#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TChartFunction.h"

// The mean of the values (0 when there is none).
class BHN_CHART_API TAverageChartFunction : public TChartFunction {
public:
    static constexpr const char* ClassNameText = "TAverageChartFunction";

    double Calculate(const TChartSeries& source, int first, int last) const override;
    // Divides by the number of sources that have the index.
    double CalculateMany(const std::vector<TChartSeries*>& sources, int valueIndex) const override;
};
