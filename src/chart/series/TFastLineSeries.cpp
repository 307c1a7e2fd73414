#include "chart/series/TFastLineSeries.h"

#include "chart/canvas/TChartCanvas3D.h"

TFastLineSeries::TFastLineSeries()
{
    linePen_.SetOnChange([this] { ChangedNotify(); });
}

void TFastLineSeries::DrawAllPoints()
{
    if (FirstVisible() < 0)
        return;
    TChartCanvas3D& canvas = Canvas();
    canvas.SelectChartPen(linePen_);
    canvas.Pen().SetColor(SeriesColor());
    points_.clear();
    columnOpen_ = false;
    for (int i = FirstVisible(); i <= LastVisible(); ++i) {
        if (IsNullPoint(i)) {
            FlushLine();
            continue;
        }
        const TPoint p{CalcXPixel(i), CalcYPixel(i)};
        if (!columnOpen_) {
            column_ = TColumn{p, p, p, p, true};
            columnOpen_ = true;
            continue;
        }
        if (p.X != column_.First.X) {
            FlushColumn();
            column_ = TColumn{p, p, p, p, true};
            continue;
        }
        if (p.Y < column_.Low.Y) {
            column_.Low = p;
            column_.LowBeforeHigh = false;
        } else if (p.Y > column_.High.Y) {
            column_.High = p;
            column_.LowBeforeHigh = true;
        }
        column_.Last = p;
    }
    FlushLine();
}

void TFastLineSeries::Keep(TPoint p)
{
    // A segment of no length draws nothing; the line series skips such steps too.
    if (points_.empty() || !(points_.back() == p))
        points_.push_back(p);
}

void TFastLineSeries::FlushColumn()
{
    Keep(column_.First);
    // Screen y grows downwards: Low is the smallest pixel row, the highest value on screen.
    if (column_.LowBeforeHigh) {
        Keep(column_.Low);
        Keep(column_.High);
    } else {
        Keep(column_.High);
        Keep(column_.Low);
    }
    Keep(column_.Last);
}

void TFastLineSeries::FlushLine()
{
    if (columnOpen_)
        FlushColumn();
    columnOpen_ = false;
    if (points_.size() >= 2)
        Canvas().Polyline(points_);
    points_.clear();
}

void TFastLineSeries::DrawLegendSymbol(int index, const TRect& rect)
{
    TChartCanvas3D& canvas = Canvas();
    canvas.SelectChartPen(linePen_);
    canvas.Pen().SetColor(index == -1 ? SeriesColor() : PointColor(index));
    canvas.HorizLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
}
