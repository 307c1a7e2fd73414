#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TManySeriesChartFunction.h"

// The first value times each following value in turn.
class BHN_CHART_API TMultiplyChartFunction : public TManySeriesChartFunction {
public:
    static constexpr const char* ClassNameText = "TMultiplyChartFunction";

protected:
    double Combine(double result, double value) const override { return result * value; }
};
