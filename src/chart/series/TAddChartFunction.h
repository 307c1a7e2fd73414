#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TChartFunction.h"

// The sum of the values.
class BHN_CHART_API TAddChartFunction : public TChartFunction {
public:
    static constexpr const char* ClassNameText = "TAddChartFunction";

    double Calculate(const TChartSeries& source, int first, int last) const override;
    double CalculateMany(const std::vector<TChartSeries*>& sources, int valueIndex) const override;
};
