#pragma once

#include "chart/series/TManySeriesChartFunction.h"

// The first value minus each following value in turn.
class TSubtractChartFunction : public TManySeriesChartFunction {
public:
    static constexpr const char* ClassNameText = "TSubtractChartFunction";

protected:
    double Combine(double result, double value) const override { return result - value; }
};
