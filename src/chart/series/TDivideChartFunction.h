#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TManySeriesChartFunction.h"

// The first value divided by each following value in turn; a 0 leaves the quotient unchanged.
class BHN_CHART_API TDivideChartFunction : public TManySeriesChartFunction {
public:
    static constexpr const char* ClassNameText = "TDivideChartFunction";

protected:
    double Combine(double result, double value) const override { return value == 0 ? result : result / value; }
};
