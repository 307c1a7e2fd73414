#include "chart/panel/TCustomChart.h"

#include "chart/axes/TChartAxis.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// A zoom stops where a shown axis could no longer label distinct values: below MinZoomRangeRatio of the
// values' magnitude, or where neighbouring labels would read the same.
bool TooDeep(const TCustomChart& chart, TChartAxis& axis, double minimum, double maximum)
{
    if (!chart.AxisIsShown(axis))
        return false;
    const double magnitude = std::max(std::fabs(minimum), std::fabs(maximum));
    return std::fabs(maximum - minimum) < MinZoomRangeRatio * magnitude
           || !axis.LabelsStayDistinct(std::min(minimum, maximum), std::max(minimum, maximum));
}

} // namespace

void TCustomChart::ZoomToRect()
{
    TZoomPanningRecord& zoom = Zoom();
    zoom.Normalize();
    TZoomValues values;
    values.TopMinimum = TopAxis().PixelToValue(zoom.X0);
    values.TopMaximum = TopAxis().PixelToValue(zoom.X1);
    values.BottomMinimum = BottomAxis().PixelToValue(zoom.X0);
    values.BottomMaximum = BottomAxis().PixelToValue(zoom.X1);
    values.LeftMinimum = LeftAxis().PixelToValue(zoom.Y1);
    values.LeftMaximum = LeftAxis().PixelToValue(zoom.Y0);
    values.RightMinimum = RightAxis().PixelToValue(zoom.Y1);
    values.RightMaximum = RightAxis().PixelToValue(zoom.Y0);
    if (TooDeep(*this, TopAxis(), values.TopMinimum, values.TopMaximum)
        || TooDeep(*this, BottomAxis(), values.BottomMinimum, values.BottomMaximum)
        || TooDeep(*this, LeftAxis(), values.LeftMinimum, values.LeftMaximum)
        || TooDeep(*this, RightAxis(), values.RightMinimum, values.RightMaximum))
        return;
    ZoomToValues(values);
}

void TCustomChart::ZoomToValues(const TZoomValues& values)
{
    mouseState_.SaveAxes(*this);
    struct TTarget {
        TChartAxis& Axis;
        double Minimum;
        double Maximum;
    };
    const std::array<TTarget, 4> targets{{
        {LeftAxis(), values.LeftMinimum, values.LeftMaximum},
        {RightAxis(), values.RightMinimum, values.RightMaximum},
        {TopAxis(), values.TopMinimum, values.TopMaximum},
        {BottomAxis(), values.BottomMinimum, values.BottomMaximum},
    }};
    if (AnimatedZoom()) {
        for (int step = 1; step < AnimatedZoomSteps(); ++step) {
            for (const TTarget& target : targets) {
                const double minimum = target.Axis.Minimum();
                const double maximum = target.Axis.Maximum();
                target.Axis.SetMinMax(minimum + (target.Minimum - minimum) / AnimatedZoomFactor,
                                      maximum + (target.Maximum - maximum) / AnimatedZoomFactor);
            }
            RepaintNow();
        }
    }
    for (const TTarget& target : targets)
        target.Axis.SetMinMax(target.Minimum, target.Maximum);
    SetZoomed(true);
    if (OnZoom)
        OnZoom();
}

void TCustomChart::UndoZoom()
{
    mouseState_.RestoreAxes(*this);
    if (OnUndoZoom)
        OnUndoZoom();
    Invalidate();
    SetZoomed(false);
}
