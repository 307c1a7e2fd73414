#pragma once

#include "chart/canvas/TChartPen.h"
#include "chart/series/TChartSeries.h"

// Straight lines between consecutive points in the series colour, without markers.
class TFastLineSeries : public TChartSeries {
public:
    static constexpr const char* ClassNameText = "TFastLineSeries";

    TFastLineSeries();

    TChartPen& LinePen() { return linePen_; }
    void SetLinePen(const TChartPen& value) { linePen_.Assign(value); }

    void DrawAllPoints() override;
    void DrawLegendSymbol(int index, const TRect& rect) override;

private:
    TChartPen linePen_;
};
