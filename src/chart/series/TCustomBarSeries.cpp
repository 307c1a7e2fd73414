#include "chart/series/TCustomBarSeries.h"

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/SetterRule.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"

#include <algorithm>

TCustomBarSeries::TCustomBarSeries(TBarDirection direction)
    : direction_(direction)
{
    barPen_.SetOnChange([this] { ChangedNotify(); });
    if (direction == TBarDirection::Horizontal) {
        XValues().SetOrder(loNone);
        YValues().SetOrder(loAscending);
    }
}

void TCustomBarSeries::SetBarWidthPercent(int value)
{
    StoreAndInvalidate(barWidthPercent_, value, [this] { InvalidateChart(); });
}

int TCustomBarSeries::HalfBarSize() const
{
    if (ParentChart() == nullptr)
        return 1;
    const int length = direction_ == TBarDirection::Vertical ? ParentChart()->PlotWidth() : ParentChart()->PlotHeight();
    const int bars = std::max(1, Count());
    return std::max(1, length * barWidthPercent_ / 100 / bars / 2);
}

void TCustomBarSeries::DrawPoint(int index)
{
    if (IsNullPoint(index))
        return;
    const TColor color = PointColor(index);
    const int x = CalcXPixel(index);
    const int y = CalcYPixel(index);
    const int half = HalfBarSize();
    const TRect plot = ParentChart()->PlotRect();
    TChartCanvas3D& canvas = Canvas();
    canvas.SelectChartPen(barPen_);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    if (direction_ == TBarDirection::Vertical) {
        const int origin = std::clamp(GetVertAxis()->YValueToPixel(0.0), plot.Top, plot.Bottom);
        canvas.Rectangle(x - half, std::min(y, origin), x + half + 1, std::max(y, origin) + 1);
    } else {
        const int origin = std::clamp(GetHorizAxis()->XValueToPixel(0.0), plot.Left, plot.Right);
        canvas.Rectangle(std::min(x, origin), y - half, std::max(x, origin) + 1, y + half + 1);
    }
}

void TCustomBarSeries::HorizMargins(int& left, int& right)
{
    if (direction_ == TBarDirection::Vertical) {
        left = std::max(left, HalfBarSize() + 1);
        right = std::max(right, HalfBarSize() + 1);
    }
}

void TCustomBarSeries::VertMargins(int& top, int& bottom)
{
    if (direction_ == TBarDirection::Horizontal) {
        top = std::max(top, HalfBarSize() + 1);
        bottom = std::max(bottom, HalfBarSize() + 1);
    }
}
