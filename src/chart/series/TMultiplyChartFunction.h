#pragma once

#include "chart/series/TManySeriesChartFunction.h"

// The first value times each following value in turn.
class TMultiplyChartFunction : public TManySeriesChartFunction {
public:
    static constexpr const char* ClassNameText = "TMultiplyChartFunction";

protected:
    double Combine(double result, double value) const override { return result * value; }
};
