#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TManySeriesChartFunction.h"

// The largest or smallest value: the running result is replaced only by a value strictly beyond it.
class BHN_CHART_API TExtremeChartFunction : public TManySeriesChartFunction {
public:
    // The whole list answers from its statistics; a range is folded.
    double Calculate(const TChartSeries& source, int first, int last) const override;

protected:
    // Whether value goes strictly beyond result.
    virtual bool Beyond(double value, double result) const = 0;
    // The whole list's answer from its statistics.
    virtual double WholeList(const TChartValueList& list) const = 0;

private:
    double Combine(double result, double value) const override { return Beyond(value, result) ? value : result; }
};
