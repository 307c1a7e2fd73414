#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TColor.h"

class TCustomAxisPanel;

// Which of the chart's three walls; each has its own default colour and brush.
enum class TWallKind { Back, Left, Bottom };

// The back wall frames the plot; the left and bottom walls exist only in 3D.
class BHN_CHART_API TChartWall {
public:
    TChartWall(TCustomAxisPanel& chart, TWallKind kind);
    TChartWall(const TChartWall&) = delete;
    TChartWall& operator=(const TChartWall&) = delete;

    TCustomAxisPanel& ParentChart() const { return chart_; }
    TWallKind Kind() const { return kind_; }

    // Copies brush, colour, Dark3D, pen and size; the kind and its default colour stay.
    void Assign(const TChartWall& source);

    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }
    void SetBrush(const TChartBrush& value) { brush_.Assign(value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value);
    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }
    void SetPen(const TChartPen& value) { pen_.Assign(value); }
    // The depth of the wall in 3D.
    int Size() const { return size_; }
    void SetSize(int value);

    TColor DefaultColor() const { return defaultColor_; }
    // Color is written to a form description only when it differs from the wall's default.
    bool IsColorStored() const { return color_ != defaultColor_; }

private:
    TCustomAxisPanel& chart_;
    TWallKind kind_;
    TColor defaultColor_;
    TChartBrush brush_;
    TColor color_;
    bool dark3D_ = true;
    TChartPen pen_;
    int size_ = 0;
};
