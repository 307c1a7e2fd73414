#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TManySeriesChartFunction.h"

// The first value minus each following value in turn.
class BHN_CHART_API TSubtractChartFunction : public TManySeriesChartFunction {
public:
    static constexpr const char* ClassNameText = "TSubtractChartFunction";

protected:
    double Combine(double result, double value) const override { return result - value; }
};
