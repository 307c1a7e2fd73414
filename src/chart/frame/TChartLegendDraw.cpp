#include "chart/frame/TChartLegend.h"

#include "chart/canvas/CanvasGuards.h"
#include "chart/canvas/ChartMath.h"
#include "chart/canvas/SystemColors.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomChart.h"
#include "chart/series/TChartSeries.h"
#include "numeric/Extended.h"

#include <algorithm>

void TChartLegend::CalcColumnsRows(int itemWidth, int entryCount)
{
    const TRect plot = chart_.PlotRect();
    columnCount_ = 0;
    if (plot.Right > 8)
        columnCount_ = std::min((plot.Width() - 2 * frame_.Width() - 8) / (itemWidth + colorBoxWidth_ + 8), entryCount);
    rowCount_ = 0;
    if (columnCount_ > 0)
        rowCount_ = std::min((entryCount + columnCount_ - 1) / columnCount_, maxNumRows_);
}

TChartLegend::TLayout TChartLegend::LayOut()
{
    // Kept for callers that read the legend's colour through the chart.
    chart_.SetLegendBackColor(color_);
    TChartCanvas3D& canvas = chart_.Canvas();
    canvas.Font().Assign(Font());

    TLayout layout;
    layout.Style = EffectiveLegendStyle();
    layout.ItemHeight = canvas.FontHeight();
    layout.ItemWidth = WidestItemText(-1) + 4;
    const int entryCount = LegendEntryCount();
    const int visibleCount = PlaceBox(layout, entryCount);
    if (visibleCount < 1)
        return layout;
    layout.ShownCount = std::min(entryCount, visibleCount);
    TakeSpace();
    return layout;
}

void TChartLegend::Paint(const TLayout& layout)
{
    if (layout.ShownCount < 1)
        return;
    chart_.Canvas().Font().Assign(Font());
    DrawBox();
    DrawItems(layout);
}

int TChartLegend::PlaceBox(TLayout& place, int entryCount)
{
    colorBoxWidth_ = Round(place.ItemWidth * colorWidth_ * 0.01_ext);
    const int frameWidth = frame_.Width();
    const int frameGap = frame_.Visible() ? frameWidth + 1 : 0;
    const TRect plot = chart_.PlotRect();
    const TRect panel = chart_.PanelRect();
    const int h = place.ItemHeight;

    int top = 0;
    int bottom = 0;
    switch (alignment_) {
    case laTop:
        top = plot.Top + frameGap;
        CalcColumnsRows(place.ItemWidth, entryCount);
        bottom = top + rowCount_ * h + 2;
        break;
    case laBottom:
        bottom = plot.Bottom - shadowSize_ - frameGap;
        CalcColumnsRows(place.ItemWidth, entryCount);
        top = bottom - rowCount_ * h - 2;
        break;
    case laLeft:
    case laRight:
        top = panel.Top + Round(topPos_ * panel.Height() * 0.01_ext);
        columnCount_ = 1;
        rowCount_ = 0;
        if (top < plot.Bottom && h > 0)
            rowCount_ = std::max(0, std::min((plot.Bottom - top - 2 * frameWidth) / h, entryCount));
        bottom = top + rowCount_ * h + 2;
        break;
    }

    int left = 0;
    int right = 0;
    if (IsVertical()) {
        const int textWidth = WidestItemText(rowCount_);
        colorBoxWidth_ = Round((textWidth + 10) * colorWidth_ * 0.01_ext);
        if (alignment_ == laLeft) {
            left = plot.Left + frameGap;
            place.XColor = left + 4;
            place.XText = place.XColor + colorBoxWidth_ + 4;
            right = place.XText + textWidth + 2;
        } else {
            right = plot.Right - frameGap - shadowSize_;
            place.XText = right - textWidth - 2;
            place.XColor = place.XText - colorBoxWidth_ - 4;
            left = place.XColor - 4;
        }
    } else {
        const int boxWidth = std::min(plot.Width(), 2 * shadowSize_ + (colorBoxWidth_ + place.ItemWidth + 4) * columnCount_ + 8);
        const int shift = Round(topPos_ * (panel.Width() - boxWidth) * 0.01_ext);
        const int center = chart_.PlotXCenter();
        left = center - boxWidth / 2 + shift;
        right = center + boxWidth / 2 + shift;
        place.XColor = left + 4;
        place.XText = place.XColor + colorBoxWidth_ + 4;
    }
    place.Top = top;

    legendBox_ = {left, top, right, bottom};
    if (chart_.OnGetLegendRect)
        chart_.OnGetLegendRect(chart_, legendBox_);

    return IsVertical() ? rowCount_ : columnCount_ * rowCount_;
}

void TChartLegend::DrawBox()
{
    TChartCanvas3D& canvas = chart_.Canvas();
    canvas.SelectChartPen(frame_);
    if (frame_.Visible() && frame_.Color() == clAutoColor)
        canvas.Pen().SetColor(clBlack);
    const int frameWidth = frame_.Visible() ? frame_.Width() : 0;
    if (shadowSize_ > 0) {
        const int extent = frame_.Visible() ? shadowSize_ + frameWidth + (frameWidth - 1) / 2 : shadowSize_ - 1;
        canvas.Brush().SetColor(shadowColor_);
        canvas.Brush().SetStyle(bsSolid);
        canvas.FillRect({legendBox_.Left + shadowSize_, legendBox_.Top + shadowSize_,
            legendBox_.Right + extent, legendBox_.Bottom + extent});
    }
    if (brush_.Style() == bsSolid || brush_.Style() == bsClear) {
        canvas.Brush().SetColor(color_);
        canvas.Brush().SetStyle(brush_.Style());
    } else {
        canvas.Brush().Assign(brush_);
        canvas.SetBackMode(bmOpaque);
        canvas.SetBackColor(ColorToRGB(color_));
    }
    canvas.Rectangle(legendBox_.Inflate(frameWidth, frameWidth));
}

void TChartLegend::DrawItems(const TLayout& place)
{
    TChartCanvas3D& canvas = chart_.Canvas();
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(color_ == clBlack ? clWhite : clBlack);
    const TTextAlignGuard align(canvas, TA_LEFT | TA_TOP);

    const int first = firstValue_;
    const int last = place.ShownCount + firstValue_ - 1;
    const int h = place.ItemHeight;
    for (int p = 0; p <= last - first; ++p) {
        const int i = inverted_ ? last - p : first + p;
        int x = place.XText;
        int y = place.Top + 1;
        if (IsVertical()) {
            y += p * h;
        } else {
            y += (p / columnCount_) * h;
            x += (p % columnCount_) * (place.ItemWidth + colorBoxWidth_ + 4);
        }
        if (chart_.OnGetLegendPos) {
            int xColor = place.XColor;
            chart_.OnGetLegendPos(chart_, i, x, y, xColor);
        }
        const TRect symbol{x - 4 - colorBoxWidth_, y + 2, x - 4, y + h - 2};
        const std::string text = ItemText(i);
        if (!text.empty()) {
            canvas.Brush().SetStyle(bsClear);
            canvas.TextOut(x, y, text);
            if (place.Style == lsValues) {
                TChartSeries* series = chart_.FirstActiveSeries();
                if (series != nullptr) {
                    series->DrawLegendItem(series->MapIndex(i), symbol, color_);
                } else {
                    canvas.Brush().SetColor(clWhite);
                    canvas.Brush().SetStyle(bsSolid);
                    canvas.Rectangle(symbol);
                }
            } else if (TChartSeries* series = chart_.NthLegendSeries(i)) {
                series->DrawLegendItem(-1, symbol, color_);
            }
        }
        if (p > 0 && dividingLines_.Visible()) {
            canvas.SelectChartPen(dividingLines_);
            canvas.SetBackMode(bmTransparent);
            if (IsVertical())
                canvas.HorizLine(legendBox_.Left, legendBox_.Right, y);
            else
                canvas.VertLine(symbol.Left - 4, legendBox_.Top, legendBox_.Bottom);
        }
    }
}

void TChartLegend::TakeSpace()
{
    TRect plot = chart_.PlotRect();
    const int horizMargin = horizMargin_ != 0 ? horizMargin_ : MulDiv(3, plot.Width(), 100);
    const int vertMargin = vertMargin_ != 0 ? vertMargin_ : MulDiv(4, plot.Height(), 100);
    switch (alignment_) {
    case laLeft:
        if (resizeChart_)
            plot.Left = legendBox_.Right;
        plot.Left += horizMargin;
        break;
    case laRight:
        if (resizeChart_)
            plot.Right = legendBox_.Left;
        plot.Right -= horizMargin;
        break;
    case laTop:
        if (resizeChart_)
            plot.Top = legendBox_.Bottom + shadowSize_;
        plot.Top += vertMargin;
        break;
    case laBottom:
        if (resizeChart_)
            plot.Bottom = legendBox_.Top;
        plot.Bottom -= vertMargin;
        break;
    }
    chart_.SetPlotRect(plot);
}
