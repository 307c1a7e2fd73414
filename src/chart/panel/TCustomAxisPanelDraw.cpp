#include "chart/panel/TCustomAxisPanel.h"

#include "chart/axes/TChartAxis.h"
#include "chart/axes/TChartDepthAxis.h"
#include "chart/canvas/CanvasGuards.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"
#include "chart/frame/TFrameLayout.h"
#include "chart/series/TChartSeries.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// Drawing between the two goes to the screen plane, whatever happens inside.
class TFrontPlaneGuard {
public:
    explicit TFrontPlaneGuard(TCanvas3D& canvas) : canvas_(canvas) { canvas_.FrontPlaneBegin(); }
    TFrontPlaneGuard(const TFrontPlaneGuard&) = delete;
    TFrontPlaneGuard& operator=(const TFrontPlaneGuard&) = delete;
    ~TFrontPlaneGuard() { canvas_.FrontPlaneEnd(); }

private:
    TCanvas3D& canvas_;
};

} // namespace

void TCustomAxisPanel::DrawChartContents(const TRect& panelRect)
{
    TChartCanvas3D& canvas = Canvas();
    PaintPanelBackground(panelRect);
    for (TChartSeries* series : seriesList_) {
        if (series->Active())
            series->BeforeDrawChart();
    }
    // Every rectangle first: the titles and legend, then the axes in what they leave.
    TFrameLayout frame;
    LayOutTitlesAndLegend(frame);
    // Every series shares one z-plane.
    maxZOrder_ = 0;
    ReserveAxesSpace();
    CollectSeriesMargins();
    // Then the drawing, from that layout.
    {
        TFrontPlaneGuard frontPlane(canvas);
        PaintTitlesAndLegend(frame);
    }
    canvas.SetProjection(Depth3DX(), PlotRect());
    PaintWalls();
    if (axisVisible_)
        PaintAxes();
    if (OnBeforeDrawSeries)
        OnBeforeDrawSeries();
    for (TChartSeries* series : seriesList_) {
        if (series->Active())
            PaintSeries(*series);
    }
    if (Zoom().Active && ZoomRectangleInPass())
        DrawZoomRectangle();
    canvas.ResetState();
    if (OnAfterDraw)
        OnAfterDraw();
}

void TCustomAxisPanel::PaintPanelBackground(const TRect& panelRect)
{
    FillPanelBackground(panelRect);
    if (!BackImageInside())
        DrawBackImage(panelRect, TBackImagePlace::Panel);
    if (!Canvas().SupportsFullRotation())
        DrawPanelBevels(panelRect);
}

void TCustomAxisPanel::ReserveAxesSpace()
{
    for (TCustomChartAxis* axis : axesList_)
        axis->PrepareScale();

    CalcDepth3D();
    if (View3D() && View3DOptions().Orthogonal()) {
        const int wall = view3DWalls_ ? BackWallSize() : 0;
        TRect r = PlotRect();
        r.Right -= std::abs(Depth3DX()) + wall;
        r.Top += std::abs(Depth3DY()) + wall;
        SetPlotRect(r);
    }

    TRect r = PlotRect();
    for (std::size_t i = 0; i < axesList_.size(); ++i) {
        TCustomChartAxis& axis = *axesList_[i];
        if (!AxisIsShown(axis))
            continue;
        TRect reserved = r;
        axis.ReserveSpace(reserved, i < 5 ? TAxisPlacement::TakesRoom : TAxisPlacement::OnEdge);
        if (const std::optional<TRect> common = Intersection(reserved, r))
            r = *common;
    }
    SetPlotRect(r);

    for (TCustomChartAxis* axis : axesList_) {
        axis->PlacePixels();
        if (AxisIsShown(*axis))
            axis->PlaceLine();
    }
}

void TCustomAxisPanel::CollectSeriesMargins()
{
    for (TChartAxis* axis : {topAxis_.get(), leftAxis_.get(), rightAxis_.get(), bottomAxis_.get()}) {
        int before = 0;
        int after = 0;
        for (TChartSeries* series : seriesList_) {
            if (!series->Active() || !series->UsesAxis(*axis))
                continue;
            int low = 0;
            int high = 0;
            if (axis->IsHorizontal()) {
                series->HorizMargins(low, high);
                if (axis->AutomaticMinimum())
                    before = std::max(before, low);
                if (axis->AutomaticMaximum())
                    after = std::max(after, high);
            } else {
                // Top margin before (the maximum's end), bottom margin after (the minimum's end).
                series->VertMargins(low, high);
                if (axis->AutomaticMaximum())
                    before = std::max(before, low);
                if (axis->AutomaticMinimum())
                    after = std::max(after, high);
            }
        }
        axis->ApplySeriesMargins(before, after);
    }
}

void TCustomAxisPanel::PaintAxes()
{
    if (OnBeforeDrawAxes)
        OnBeforeDrawAxes();
    for (TCustomChartAxis* axis : axesList_) {
        if (AxisIsShown(*axis))
            axis->DrawAxis();
    }
}

void TCustomAxisPanel::PaintSeries(TChartSeries& series)
{
    series.CalcFirstLastVisible();
    if (series.FirstVisible() < 0 || series.LastVisible() < series.FirstVisible())
        return;
    series.DoBeforeDrawValues();
    TChartCanvas3D& canvas = Canvas();
    const bool clip = clipPoints_ && CanClip();
    {
        std::optional<TClipGuard> clipGuard;
        if (clip)
            clipGuard.emplace(canvas, PlotRect(), 0, Depth3DX());
        series.DrawAllPoints();
    }
    if (series.Marks().Visible()) {
        std::optional<TClipGuard> clipGuard;
        if (clip && series.Marks().Clip())
            clipGuard.emplace(canvas, PlotRect(), 0, Depth3DX());
        series.DrawMarks();
    }
    series.DoAfterDrawValues();
}
