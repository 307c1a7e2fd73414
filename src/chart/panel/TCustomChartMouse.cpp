#include "chart/panel/TCustomChart.h"

#include "chart/axes/TChartAxis.h"
#include "chart/frame/TChartLegend.h"
#include "chart/frame/TChartTitle.h"
#include "chart/series/TChartSeries.h"

#include <cstdlib>

namespace {

bool ShiftHeld(TShiftState shift, TShiftState required)
{
    return (shift & required) == required;
}

} // namespace

TChartClickedPart TCustomChart::ClickedPart(int x, int y)
{
    const std::vector<TChartSeries*>& series = SeriesList();
    for (auto it = series.rbegin(); it != series.rend(); ++it) {
        if (!(*it)->Active())
            continue;
        const int index = (*it)->PointAtPixel(x, y);
        if (index != -1)
            return {cpSeries, index, *it, nullptr};
    }
    for (TCustomChartAxis* axis : AxesList()) {
        if (axis->HitTest(x, y))
            return {cpAxis, -1, nullptr, axis};
    }
    if (Title().TitleContains(x, y))
        return {cpTitle};
    if (Foot().TitleContains(x, y))
        return {cpFoot};
    if (PlotRect().Contains({x, y}) && ActiveSeriesCount() > 0)
        return {cpBackground};
    if (Legend().Visible()) {
        const int position = Legend().ItemAt(x, y);
        if (position != -1)
            return {cpLegend, position};
    }
    return {};
}

void TCustomChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    // A drag in progress keeps a cancel flag set meanwhile for the next click.
    if (Zoom().Active || Panning().Active)
        return;
    if (cancelMouse_) {
        cancelMouse_ = false;
        return;
    }
    const TChartClickedPart part = ClickedPart(x, y);
    bool handled = false;
    bool backgroundCalled = false;
    // A handler that leaves the cancel flag set stops the default action; clearing it lets it follow.
    const auto raise = [&](const auto& call) {
        cancelMouse_ = true;
        call();
        handled = cancelMouse_;
    };
    const auto startDrag = [&] {
        if (AllowZoom() && button == ZoomButton && ShiftHeld(shift, ZoomShift)) {
            SetCursor(crDefault);
            Zoom().Activate(x, y);
            if (OnZoomRectangleChanged)
                OnZoomRectangleChanged();
            handled = true;
        }
        if (AllowPanning() != pmNone && button == ScrollButton && ShiftHeld(shift, ScrollShift)) {
            SetCursor(crDefault);
            Panning().Activate(x, y);
            handled = true;
        }
    };
    const auto clickBackground = [&] {
        if (!OnClickBackground)
            return;
        backgroundCalled = true;
        raise([&] { OnClickBackground(*this, button, shift, x, y); });
    };

    switch (part.Part) {
    case cpLegend:
        if (OnClickLegend)
            raise([&] { OnClickLegend(*this, button, shift, x, y); });
        break;
    case cpAxis:
        if (part.Axis != nullptr && OnClickAxis)
            raise([&] { OnClickAxis(*this, part.Axis->AsChartAxis(), button, shift, x, y); });
        if (!handled)
            startDrag();
        break;
    case cpSeries:
        handled = part.Series->DoSeriesClick((shift & ssDouble) != 0 ? sckDoubleClick : sckClick, part.PointIndex, x, y);
        if (OnClickSeries)
            raise([&] { OnClickSeries(*this, *part.Series, part.PointIndex, button, shift, x, y); });
        if (!handled)
            startDrag();
        break;
    case cpBackground:
        clickBackground();
        if (!handled)
            startDrag();
        break;
    case cpTitle:
    case cpFoot:
    case cpNone:
        break;
    }
    if (!handled && !backgroundCalled)
        clickBackground();
    cancelMouse_ = false;
}

void TCustomChart::MouseMove(TShiftState, int x, int y)
{
    TZoomPanningRecord& zoom = Zoom();
    TZoomPanningRecord& panning = Panning();
    if (zoom.Active) {
        if (x != zoom.X1 || y != zoom.Y1) {
            zoom.X1 = x;
            zoom.Y1 = y;
            if (OnZoomRectangleChanged)
                OnZoomRectangleChanged();
        }
        return;
    }
    if (panning.Active) {
        if (!PlotRect().Contains({x, y})) {
            panning.Active = false;
            return;
        }
        if (x != panning.X1 || y != panning.Y1)
            mouseState_.SaveAxes(*this);
        const TPanningMode mode = AllowPanning();
        bool scrolled = false;
        // The content moves with the mouse: the value under the old pixel comes under the new one.
        const auto scrollAxes = [&](bool horizontal, int from, int to) {
            for (TCustomChartAxis* custom : AxesList()) {
                TChartAxis* axis = &custom->AsChartAxis();
                if (axis->IsDepthAxis() || axis->IsHorizontal() != horizontal)
                    continue;
                const double delta = axis->PixelToValue(from) - axis->PixelToValue(to);
                double newMinimum = axis->Minimum() + delta;
                double newMaximum = axis->Maximum() + delta;
                bool allow = true;
                if (OnAllowScroll)
                    OnAllowScroll(*axis, newMinimum, newMaximum, allow);
                if (allow) {
                    axis->SetMinMax(newMinimum, newMaximum);
                    scrolled = true;
                }
            }
        };
        if (x != panning.X1 && (mode == pmHorizontal || mode == pmBoth))
            scrollAxes(true, panning.X1, x);
        if (y != panning.Y1 && (mode == pmVertical || mode == pmBoth))
            scrollAxes(false, panning.Y1, y);
        panning.X1 = x;
        panning.Y1 = y;
        if (scrolled) {
            if (OnScroll)
                OnScroll();
            Invalidate();
        }
        return;
    }
    TCursor cursor = OriginalCursor();
    for (TChartSeries* series : SeriesList()) {
        if (series->Active() && series->Cursor() != crDefault && series->PointAtPixel(x, y) != -1) {
            cursor = series->Cursor();
            break;
        }
    }
    SetCursor(cursor);
}

void TCustomChart::MouseUp(TMouseButton button, TShiftState, int x, int y)
{
    TZoomPanningRecord& zoom = Zoom();
    if (zoom.Active && button == ZoomButton) {
        zoom.Active = false;
        if (OnZoomRectangleChanged)
            OnZoomRectangleChanged();
        zoom.X1 = x;
        zoom.Y1 = y;
        if (std::abs(zoom.X1 - zoom.X0) > MinZoomDrag && std::abs(zoom.Y1 - zoom.Y0) > MinZoomDrag) {
            if (zoom.X1 > zoom.X0 && zoom.Y1 > zoom.Y0)
                ZoomToRect();
            else
                UndoZoom();
            Invalidate();
        }
    }
    Panning().Active = false;
}

void TCustomChart::MouseWheel(int delta)
{
    const int notches = mouseState_.TakeWheelNotches(delta);
    if (notches == 0)
        return;
    for (TCustomChartAxis* axis : AxesList()) {
        if (axis->IsHorizontal())
            continue;
        // Wheel down moves the range up by 3 % per notch, wheel up moves it down.
        for (int i = 0; i < std::abs(notches); ++i) {
            const double offset = (axis->Maximum() - axis->Minimum()) * 3 * 0.01;
            axis->Scroll(notches > 0 ? -offset : offset, false);
        }
    }
    RepaintNow();
}
