#pragma once

#include "chart/series/TChartFunction.h"

// The sum of the values.
class TAddChartFunction : public TChartFunction {
public:
    static constexpr const char* ClassNameText = "TAddChartFunction";

    double Calculate(const TChartSeries& source, int first, int last) const override;
    double CalculateMany(const std::vector<TChartSeries*>& sources, int valueIndex) const override;
};
