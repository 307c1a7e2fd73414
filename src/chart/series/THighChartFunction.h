#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TChartValueList.h"
#include "chart/series/TExtremeChartFunction.h"

// The largest value.
class BHN_CHART_API THighChartFunction : public TExtremeChartFunction {
public:
    static constexpr const char* ClassNameText = "THighChartFunction";

protected:
    bool Beyond(double value, double result) const override { return value > result; }
    double WholeList(const TChartValueList& list) const override { return list.Maximum(); }
};
