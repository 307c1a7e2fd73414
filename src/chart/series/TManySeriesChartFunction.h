#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TChartFunction.h"

// A function that folds values in turn: the first value, combined with each next one by Combine.
class BHN_CHART_API TManySeriesChartFunction : public TChartFunction {
public:
    // The range's first value combined with each following value in turn (0 for an empty range).
    double Calculate(const TChartSeries& source, int first, int last) const override;
    // The first source that has the index gives the start; each later one that has it is combined.
    double CalculateMany(const std::vector<TChartSeries*>& sources, int valueIndex) const override;

protected:
    virtual double Combine(double result, double value) const = 0;
};
