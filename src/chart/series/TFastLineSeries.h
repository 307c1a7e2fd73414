#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TPoint.h"
#include "chart/series/TChartSeries.h"

#include <vector>

// Straight lines between consecutive points in the series colour, without markers, drawn as one
// polyline per run of non-null points. Points falling in one pixel column are thinned to that
// column's first, lowest, highest and last point, so every extreme stays in the picture.
class BHN_CHART_API TFastLineSeries : public TChartSeries {
public:
    static constexpr const char* ClassNameText = "TFastLineSeries";

    TFastLineSeries();

    TChartPen& LinePen() { return linePen_; }
    void SetLinePen(const TChartPen& value) { linePen_.Assign(value); }

    void DrawAllPoints() override;
    void DrawLegendSymbol(int index, const TRect& rect, TColor legendColor) override;

private:
    // The points of one pixel column, in drawing order of first, extremes, last.
    struct TColumn {
        TPoint First;
        TPoint Low;
        TPoint High;
        TPoint Last;
        bool LowBeforeHigh = true;
    };
    // Ascending X on a linear axis with no null point in view: whole columns are found by search.
    bool ColumnsCanBeSearched() const;
    void DrawEachPoint();
    void DrawByColumns();
    // Adds the point to the open column, or closes that column and opens a new one.
    void Feed(TPoint p);
    void Keep(TPoint p);
    void FlushColumn();
    void FlushLine();

    TChartPen linePen_;
    TColumn column_;
    bool columnOpen_ = false;
    // The polyline being gathered; kept between draws so drawing allocates nothing once warm.
    std::vector<TPoint> points_;
};
