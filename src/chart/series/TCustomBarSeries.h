#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TChartPen.h"
#include "chart/series/TChartSeries.h"

// Bars from the value axis's zero (kept inside the plot) to each point's value.
class BHN_CHART_API TCustomBarSeries : public TChartSeries {
public:
    static constexpr int DefaultBarWidthPercent = 70;

    int BarWidthPercent() const { return barWidthPercent_; }
    void SetBarWidthPercent(int value);
    TChartPen& BarPen() { return barPen_; }
    void SetBarPen(const TChartPen& value) { barPen_.Assign(value); }

    void DrawPoint(int index) override;
    void HorizMargins(int& left, int& right) override;
    void VertMargins(int& top, int& bottom) override;

protected:
    enum class TBarDirection { Vertical, Horizontal };
    explicit TCustomBarSeries(TBarDirection direction);

private:
    // Half the thickness of one bar: the plot's length along the bars' positions shared by the points.
    int HalfBarSize() const;

    TBarDirection direction_;
    int barWidthPercent_ = DefaultBarWidthPercent;
    TChartPen barPen_;
};
