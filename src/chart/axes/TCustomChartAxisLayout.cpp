#include "chart/axes/TCustomChartAxis.h"

#include "chart/canvas/ChartMath.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

static_assert(LDBL_MANT_DIG == 64, "axis scaling needs the 80-bit extended type");

namespace {

// A scaled offset at or beyond this many pixels cannot be drawn; such values map to the centre.
constexpr double PixelLimit = 2147483647.0;

}

void TCustomChartAxis::PrepareScale()
{
    const bool isX = isHorizontal_ || isDepthAxis_;
    if (automatic_ || automaticMaximum_)
        maximum_ = isX ? chart_.MaxXValue(*this) : chart_.MaxYValue(*this);
    if (automatic_ || automaticMinimum_)
        minimum_ = isX ? chart_.MinXValue(*this) : chart_.MinYValue(*this);
    scaleMaximum_ = maximum_;
    scaleMinimum_ = minimum_;
    scaleRange_ = scaleMaximum_ - scaleMinimum_;
}

int TCustomChartAxis::AxisSideEdge(const TRect& rect) const
{
    if (isHorizontal_)
        return isOtherSide_ ? rect.Top : rect.Bottom;
    return isOtherSide_ ? rect.Right : rect.Left;
}

void TCustomChartAxis::ShrinkSide(TRect& rect, int amount) const
{
    if (isHorizontal_)
        (isOtherSide_ ? rect.Top : rect.Bottom) += isOtherSide_ ? amount : -amount;
    else
        (isOtherSide_ ? rect.Right : rect.Left) += isOtherSide_ ? -amount : amount;
}

int TCustomChartAxis::OutwardFrom(int coordinate, int amount) const
{
    const bool towardSmaller = isHorizontal_ ? isOtherSide_ : !isOtherSide_;
    return towardSmaller ? coordinate - amount : coordinate + amount;
}

int TCustomChartAxis::ShiftByPositionPercent(int coordinate) const
{
    if (positionPercent_ == 0)
        return coordinate;
    const TRect plot = chart_.PlotRect();
    const int size = isHorizontal_ ? plot.Height() : plot.Width();
    int offset = Round(static_cast<long double>(positionPercent_) * 0.01L * size);
    if (isOtherSide_)
        offset = -offset;
    return isHorizontal_ ? coordinate - offset : coordinate + offset;
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
            const bool across = isHorizontal_ ? (angle == 0 || angle == 180) : (angle == 90 || angle == 270);
            titleBand = across ? canvas.FontHeight() : canvas.TextWidth(title_.Caption());
        }
    }
    int labelBand = 0;
    if (labels_) {
        labelBand = labelsSize_;
        if (labelBand == 0) {
            canvas.Font().Assign(labelsFont_);
            const bool across = isHorizontal_ ? (labelsAngle_ == 0 || labelsAngle_ == 180) : (labelsAngle_ == 90 || labelsAngle_ == 270);
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
        titlePos_ = isDepthAxis_ ? rect.Right : AxisSideEdge(rect);
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
    if (isDepthAxis_) {
        size = chart_.Depth3DX();
    } else {
        const TRect plot = chart_.PlotRect();
        base = isHorizontal_ ? plot.Left : plot.Top;
        size = isHorizontal_ ? plot.Width() : plot.Height();
    }
    const long double f = size * 0.01L;
    pixelStart_ = base + Round(f * startPosition_);
    pixelEnd_ = base + Round(f * endPosition_);
    pixelLength_ = pixelEnd_ - pixelStart_;
    pixelCentre_ = (pixelStart_ + pixelEnd_) / 2;
}

void TCustomChartAxis::ApplySeriesMargins(int before, int after)
{
    const int s0 = pixelStart_;
    const int e0 = pixelEnd_;
    pixelStart_ += before;
    pixelEnd_ -= after;
    pixelLength_ = pixelEnd_ - pixelStart_;
    const double vStart = PixelToValue(s0);
    const double vEnd = PixelToValue(e0);
    PlacePixels();
    scaleMinimum_ = std::min(vStart, vEnd);
    scaleMaximum_ = std::max(vStart, vEnd);
    scaleRange_ = scaleMaximum_ - scaleMinimum_;
}

std::pair<long double, long double> TCustomChartAxis::LogarithmicLimits() const
{
    // A limit at or below zero counts as a logarithm of zero.
    const auto ln = [](double v) { return v > 0 ? std::log(static_cast<long double>(v)) : 0.0L; };
    return {ln(scaleMinimum_), ln(scaleMaximum_)};
}

// An offset just inside the guard can carry the pixel past the int range; it stays at the range's edge.
int TCustomChartAxis::PixelFrom(int origin, long long offset)
{
    return static_cast<int>(std::clamp<long long>(origin + offset, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

std::optional<double> TCustomChartAxis::ScaledOffset(double value) const
{
    double d = 0;
    if (logarithmic_) {
        if (value <= 0)
            return 0.0;
        const auto [lnMin, lnMax] = LogarithmicLimits();
        if (lnMax == lnMin)
            return std::nullopt;
        d = static_cast<double>((std::log(static_cast<long double>(value)) - lnMin) * pixelLength_ / (lnMax - lnMin));
    } else {
        if (scaleRange_ == 0)
            return std::nullopt;
        d = static_cast<double>((static_cast<long double>(value) - scaleMinimum_) * pixelLength_ / scaleRange_);
    }
    if (!(std::fabs(d) < PixelLimit))
        return std::nullopt;
    return d;
}

int TCustomChartAxis::XValueToPixel(double value) const
{
    const std::optional<double> d = ScaledOffset(value);
    if (!d)
        return pixelCentre_;
    return inverted_ ? PixelFrom(pixelEnd_, -Round(*d)) : PixelFrom(pixelStart_, Round(*d));
}

int TCustomChartAxis::YValueToPixel(double value) const
{
    const std::optional<double> d = ScaledOffset(value);
    if (!d)
        return pixelCentre_;
    return inverted_ ? PixelFrom(pixelStart_, Round(*d)) : PixelFrom(pixelEnd_, -Round(*d));
}

int TCustomChartAxis::ValueToPixel(double value) const
{
    return isHorizontal_ || isDepthAxis_ ? XValueToPixel(value) : YValueToPixel(value);
}

double TCustomChartAxis::PixelToValue(int pixel) const
{
    if (pixelLength_ < 1)
        return 0;
    const long double along = inverted_ ? pixelEnd_ - pixel : pixel - pixelStart_;
    const bool fromMinimum = isHorizontal_ || isDepthAxis_;
    if (logarithmic_) {
        const auto [lnMin, lnMax] = LogarithmicLimits();
        const long double a = along * (lnMax - lnMin) / pixelLength_;
        return static_cast<double>(std::exp(fromMinimum ? lnMin + a : lnMax - a));
    }
    const long double a = along * scaleRange_ / pixelLength_;
    return static_cast<double>(fromMinimum ? scaleMinimum_ + a : scaleMaximum_ - a);
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
    Changed();
}

void TCustomChartAxis::Scroll(double offset, bool checkLimits)
{
    if (checkLimits) {
        const bool isX = isHorizontal_ || isDepthAxis_;
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
    Changed();
}

bool TCustomChartAxis::HitTest(int x, int y) const
{
    if (!chart_.AxisIsShown(*this))
        return false;
    const int alongLow = std::min(pixelStart_, pixelEnd_);
    const int alongHigh = std::max(pixelStart_, pixelEnd_);
    const int acrossLow = linePos_ <= labelsPos_ ? linePos_ - 3 : labelsPos_;
    const int acrossHigh = linePos_ <= labelsPos_ ? labelsPos_ : linePos_ + 3;
    const TRect area = isHorizontal_ ? TRect{alongLow, acrossLow, alongHigh, acrossHigh}
                                     : TRect{acrossLow, alongLow, acrossHigh, alongHigh};
    return area.Contains({x, y});
}
