#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TChartSeries.h"

// One circle in the plot, a slice per point sized by its share of the absolute total.
class BHN_CHART_API TPieSeries : public TChartSeries {
public:
    static constexpr const char* ClassNameText = "TPieSeries";

    TPieSeries();

    bool UsesAxes() const override { return false; }
    void CalcFirstLastVisible() override;
    void DrawAllPoints() override;
};
