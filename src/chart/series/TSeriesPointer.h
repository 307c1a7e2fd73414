#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/series/TSeriesPointerStyle.h"

class TChartSeries;

// The marker a series draws at each point.
class BHN_CHART_API TSeriesPointer {
public:
    static constexpr int DefaultSize = 4;

    explicit TSeriesPointer(TChartSeries& owner);
    TSeriesPointer(const TSeriesPointer&) = delete;
    TSeriesPointer& operator=(const TSeriesPointer&) = delete;

    // Copies every setting; one repaint when anything changed.
    void Assign(const TSeriesPointer& source);

    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value);
    bool Draw3D() const { return draw3D_; }
    void SetDraw3D(bool value);
    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }
    void SetBrush(const TChartBrush& value) { brush_.Assign(value); }
    int HorizSize() const { return horizSize_; }
    // A size below 1 raises ChartException "Pointer size must be greater than zero".
    void SetHorizSize(int value);
    bool InflateMargins() const { return inflateMargins_; }
    void SetInflateMargins(bool value);
    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }
    void SetPen(const TChartPen& value) { pen_.Assign(value); }
    TSeriesPointerStyle Style() const { return style_; }
    void SetStyle(TSeriesPointerStyle value);
    int VertSize() const { return vertSize_; }
    void SetVertSize(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // Takes the canvas pen and brush from the pointer; an automatic colour becomes the point colour.
    void PrepareMarkerCanvas(TColor color) const;
    // Draws one marker of the style centred at (x, y) with half-sizes h and v.
    void DrawMarker(int x, int y, int h, int v, TColor color, TSeriesPointerStyle style) const;

private:
    void Changed() const;
    static void CheckSize(int value);

    TChartSeries& owner_;
    bool dark3D_ = true;
    bool draw3D_ = true;
    TChartBrush brush_{clAutoColor, bsSolid};
    int horizSize_ = DefaultSize;
    bool inflateMargins_ = true;
    TChartPen pen_;
    TSeriesPointerStyle style_ = psRectangle;
    int vertSize_ = DefaultSize;
    bool visible_ = true;
};
