#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TChartValueList.h"
#include "chart/series/TExtremeChartFunction.h"

// The smallest value.
class BHN_CHART_API TLowChartFunction : public TExtremeChartFunction {
public:
    static constexpr const char* ClassNameText = "TLowChartFunction";

protected:
    bool Beyond(double value, double result) const override { return value < result; }
    double WholeList(const TChartValueList& list) const override { return list.Minimum(); }
};
