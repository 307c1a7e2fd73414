#include "chart/series/TPieSeries.h"

#include "chart/canvas/ChartMath.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"

#include <algorithm>
#include <cmath>
#include <numbers>

TPieSeries::TPieSeries()
{
    SetColorEachPoint(true);
    XValues().SetOrder(loNone);
}

void TPieSeries::CalcFirstLastVisible()
{
    SetVisibleRange(Count() == 0 ? -1 : 0, Count() - 1);
}

void TPieSeries::DrawAllPoints()
{
    const double total = YValues().AbsTotal();
    if (FirstVisible() < 0 || total == 0)
        return;
    const TRect plot = ParentChart()->PlotRect();
    const int radius = std::max(1, std::min(plot.Width(), plot.Height()) / 2 - 2);
    const int cx = (plot.Left + plot.Right) / 2;
    const int cy = (plot.Top + plot.Bottom) / 2;
    const auto onCircle = [&](double angle) {
        return TPoint{cx + Round(radius * std::cos(angle)), cy - Round(radius * std::sin(angle))};
    };
    TChartCanvas3D& canvas = Canvas();
    // A solid outline of its own: the pen left by the grid is dotted, and the fill would show between the dots.
    canvas.Pen().SetColor(clBlack);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetMode(pmCopy);
    canvas.Brush().SetStyle(bsSolid);
    double angle = 0;
    for (int i = FirstVisible(); i <= LastVisible(); ++i) {
        const double share = std::fabs(YValueAt(i)) / total;
        if (IsNullPoint(i) || share == 0)
            continue;
        const double next = angle + share * 2 * std::numbers::pi;
        const TPoint start = onCircle(angle);
        const TPoint end = onCircle(next);
        canvas.Brush().SetColor(PointColor(i));
        canvas.Pie(cx - radius, cy - radius, cx + radius, cy + radius, start.X, start.Y, end.X, end.Y);
        angle = next;
    }
}
