#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TChartPen.h"
#include "chart/series/TChartSeries.h"
#include "chart/series/TLineCursor.h"
#include "chart/series/TSeriesPointer.h"

// The common ground of line, point and area series: segments between points, markers, stairs.
class BHN_CHART_API TCustomSeries : public TChartSeries {
public:
    TCustomSeries();

    TColor AreaColor() const { return areaColor_; }
    void SetAreaColor(TColor value);
    TChartPen& AreaLinesPen() { return areaLinesPen_; }
    void SetAreaLinesPen(const TChartPen& value) { areaLinesPen_.Assign(value); }
    bool LineClickable() const { return lineClickable_; }
    void SetLineClickable(bool value);
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value);
    bool DrawArea() const { return drawArea_; }
    void SetDrawArea(bool value);
    bool ConnectPoints() const { return connectPoints_; }
    void SetConnectPoints(bool value);
    bool InvertedStairs() const { return invertedStairs_; }
    void SetInvertedStairs(bool value);
    TBrushStyle LineBrush() const { return lineBrush_; }
    void SetLineBrush(TBrushStyle value);
    int LineHeight() const { return lineHeight_; }
    void SetLineHeight(int value);
    TChartPen& LinePen() { return linePen_; }
    const TChartPen& LinePen() const { return linePen_; }
    void SetLinePen(const TChartPen& value) { linePen_.Assign(value); }
    TSeriesPointer& Pointer() { return pointer_; }
    const TSeriesPointer& Pointer() const { return pointer_; }
    void SetPointer(const TSeriesPointer& value) { pointer_.Assign(value); }
    bool Stairs() const { return stairs_; }
    void SetStairs(bool value);

    std::function<void(TCustomSeries& sender, int valueIndex, int x, int y)> OnClickPointer;
    std::function<TSeriesPointerStyle(TCustomSeries& sender, int valueIndex)> OnGetPointerStyle;

    // Draws the point and the segment that ends at it.
    void DrawPoint(int index) override;
    // Plain connected lines select their pen once per run of points of one colour; the rest goes point by point.
    void DrawAllPoints() override;
    // The marker of a point: canvas prepared with the colour, style from OnGetPointerStyle or Pointer.
    virtual void DrawPointerAt(int x, int y, TColor color, int index);
    // Whether (px, py), the pixel of point index, lies within the marker around (x, y).
    virtual bool ClickedPointer(int index, int x, int y, int px, int py) const;
    // The base of the area variant: the vertical axis's end pixel.
    virtual int BottomPixel(int index) const;
    // Sets the canvas pen from LinePen in the colour, with a clear brush.
    void PrepareLinePen(TColor color);

    void HorizMargins(int& left, int& right) override;
    void VertMargins(int& top, int& bottom) override;
    int MarkerHalfHeight() const override { return pointer_.Visible() ? pointer_.VertSize() : -1; }
    int PointAtPixel(int x, int y) override;
    void DrawLegendSymbol(int index, const TRect& rect, TColor legendColor) override;

private:
    enum class TSegmentMarkers { Without, With };
    void DrawSegment(int x, int y, TColor color, int index, bool isLast, TSegmentMarkers markers);
    void DrawAreaBelow(int x, int y, TColor color, int index);
    bool SegmentContains(TPoint from, TPoint to, TPoint p) const;

    TColor areaColor_ = clAutoColor;
    TChartPen areaLinesPen_;
    bool lineClickable_ = true;
    bool dark3D_ = true;
    bool drawArea_ = false;
    bool connectPoints_ = true;
    bool invertedStairs_ = false;
    TBrushStyle lineBrush_ = bsSolid;
    int lineHeight_ = 0;
    TChartPen linePen_;
    TSeriesPointer pointer_;
    bool stairs_ = false;

    // Where the line stands between points; the plain-line walk carries it on.
    TLineCursor cursor_;
};
