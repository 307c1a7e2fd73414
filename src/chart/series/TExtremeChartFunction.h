#pragma once

#include "chart/series/TChartFunction.h"

// The largest or smallest value; a later value replaces the result only when strictly beyond it.
class TExtremeChartFunction : public TChartFunction {
public:
    double Calculate(const TChartSeries& source, int first, int last) const override;
    double CalculateMany(const std::vector<TChartSeries*>& sources, int valueIndex) const override;

protected:
    // Whether value goes strictly beyond result.
    virtual bool Beyond(double value, double result) const = 0;
    // The whole list's answer from its statistics.
    virtual double WholeList(const TChartValueList& list) const = 0;
};
