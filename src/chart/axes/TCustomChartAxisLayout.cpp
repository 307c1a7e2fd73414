#include "chart/axes/TCustomChartAxis.h"

#include "chart/canvas/ChartMath.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "numeric/Extended.h"

#include <algorithm>
#include <utility>

void TCustomChartAxis::PrepareScale()
{
    const bool isX = Along() == TAxisScale::TPixelAxis::X;
    if (automatic_ || automaticMaximum_)
        maximum_ = isX ? chart_.MaxXValue(*this) : chart_.MaxYValue(*this);
    if (automatic_ || automaticMinimum_)
        minimum_ = isX ? chart_.MinXValue(*this) : chart_.MinYValue(*this);
    scale_.Maximum = maximum_;
    scale_.Minimum = minimum_;
}

int TCustomChartAxis::AxisSideEdge(const TRect& rect) const
{
    if (IsHorizontal())
        return IsOtherSide() ? rect.Top : rect.Bottom;
    return IsOtherSide() ? rect.Right : rect.Left;
}

void TCustomChartAxis::ShrinkSide(TRect& rect, int amount) const
{
    if (IsHorizontal())
        (IsOtherSide() ? rect.Top : rect.Bottom) += IsOtherSide() ? amount : -amount;
    else
        (IsOtherSide() ? rect.Right : rect.Left) += IsOtherSide() ? -amount : amount;
}

int TCustomChartAxis::OutwardFrom(int coordinate, int amount) const
{
    const bool towardSmaller = IsHorizontal() ? IsOtherSide() : !IsOtherSide();
    return towardSmaller ? coordinate - amount : coordinate + amount;
}

int TCustomChartAxis::ShiftByPositionPercent(int coordinate) const
{
    if (positionPercent_ == 0)
        return coordinate;
    const TRect plot = chart_.PlotRect();
    const int size = IsHorizontal() ? plot.Height() : plot.Width();
    int offset = Round(static_cast<Extended>(positionPercent_) * 0.01_ext * size);
    if (IsOtherSide())
        offset = -offset;
    return IsHorizontal() ? coordinate - offset : coordinate + offset;
}

int TCustomChartAxis::TickBandSize() const
{
    int size = (axis_.Visible() ? axis_.Width() : 0) + (ticks_.Visible() ? tickLength_ : 0);
    if (minorTicks_.Visible())
        size = std::max(size, minorTickLength_);
    return size + WallSize(*this);
}

void TCustomChartAxis::ReserveSpace(TRect& rect, TAxisPlacement placement)
{
    RefreshDateTimeScale();
    TChartCanvas3D& canvas = chart_.Canvas();
    int titleBand = 0;
    if (!title_.Caption().empty()) {
        titleBand = titleSize_;
        if (titleBand == 0) {
            canvas.Font().Assign(title_.Font());
            const int angle = title_.Angle();
            const bool across = IsHorizontal() ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
            titleBand = across ? canvas.FontHeight() : canvas.TextWidth(title_.Caption());
        }
    }
    int labelBand = 0;
    if (labels_) {
        labelBand = labelsSize_;
        if (labelBand == 0) {
            canvas.Font().Assign(labelsFont_);
            const bool across = IsHorizontal() ? (labelsAngle_ == 0 || labelsAngle_ == 180) : (labelsAngle_ == 90 || labelsAngle_ == 270);
            labelBand = across ? canvas.FontHeight() : MaxLabelsWidth();
        }
    }
    const int tickBand = TickBandSize();

    if (placement == TAxisPlacement::OnEdge) {
        linePos_ = ShiftByPositionPercent(AxisSideEdge(rect));
        labelsPos_ = OutwardFrom(linePos_, tickBand);
        titlePos_ = OutwardFrom(labelsPos_, labelBand);
        return;
    }
    if (titleBand != 0) {
        ShrinkSide(rect, titleBand);
        titlePos_ = IsDepthAxis() ? rect.Right : AxisSideEdge(rect);
    }
    // Without labels the band is empty and LabelsPos lies on the line side of the title band.
    ShrinkSide(rect, labelBand);
    labelsPos_ = AxisSideEdge(rect);
    if (tickBand > 0)
        ShrinkSide(rect, tickBand);
    titlePos_ = ShiftByPositionPercent(titlePos_);
    labelsPos_ = ShiftByPositionPercent(labelsPos_);
}

void TCustomChartAxis::PlacePixels()
{
    int base = 0;
    int size = 0;
    if (IsDepthAxis()) {
        size = chart_.Depth3DX();
    } else {
        const TRect plot = chart_.PlotRect();
        base = IsHorizontal() ? plot.Left : plot.Top;
        size = IsHorizontal() ? plot.Width() : plot.Height();
    }
    const Extended f = size * 0.01_ext;
    scale_.PixelStart = base + Round(f * startPosition_);
    scale_.PixelEnd = base + Round(f * endPosition_);
}

void TCustomChartAxis::PlaceLine()
{
    linePos_ = ShiftByPositionPercent(AxisSideEdge(chart_.PlotRect()));
}

void TCustomChartAxis::ApplySeriesMargins(int before, int after)
{
    // The values the shortened span gives the full span's ends become the scale's limits.
    TAxisScale narrowed = scale_;
    narrowed.PixelStart += before;
    narrowed.PixelEnd -= after;
    const double vStart = narrowed.PixelToValue(Along(), scale_.PixelStart);
    const double vEnd = narrowed.PixelToValue(Along(), scale_.PixelEnd);
    PlacePixels();
    scale_.Minimum = std::min(vStart, vEnd);
    scale_.Maximum = std::max(vStart, vEnd);
}

void TCustomChartAxis::SetMinMax(double min, double max)
{
    automatic_ = false;
    automaticMinimum_ = false;
    automaticMaximum_ = false;
    if (min > max)
        std::swap(min, max);
    minimum_ = min;
    maximum_ = max;
    if (maximum_ - minimum_ < 1e-10)
        maximum_ = minimum_ + 1e-10;
    InvalidateChart();
}

void TCustomChartAxis::Scroll(double offset, bool checkLimits)
{
    if (checkLimits) {
        const bool isX = Along() == TAxisScale::TPixelAxis::X;
        if (offset == 0)
            return;
        if (offset > 0 && !((isX ? chart_.MaxXValue(*this) : chart_.MaxYValue(*this)) > maximum_))
            return;
        if (offset < 0 && !((isX ? chart_.MinXValue(*this) : chart_.MinYValue(*this)) < minimum_))
            return;
    }
    automatic_ = false;
    automaticMinimum_ = false;
    automaticMaximum_ = false;
    minimum_ += offset;
    maximum_ += offset;
    // The caller (the mouse wheel scrolls several axes) paints once after all of them have moved.
    InvalidateChart();
}

bool TCustomChartAxis::HitTest(int x, int y) const
{
    if (!chart_.AxisIsShown(*this))
        return false;
    const int alongLow = std::min(scale_.PixelStart, scale_.PixelEnd);
    const int alongHigh = std::max(scale_.PixelStart, scale_.PixelEnd);
    const int acrossLow = linePos_ <= labelsPos_ ? linePos_ - 3 : labelsPos_;
    const int acrossHigh = linePos_ <= labelsPos_ ? labelsPos_ : linePos_ + 3;
    const TRect area = IsHorizontal() ? TRect{alongLow, acrossLow, alongHigh, acrossHigh}
                                     : TRect{acrossLow, alongLow, acrossHigh, alongHigh};
    return area.Contains({x, y});
}
