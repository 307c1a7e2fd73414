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
    bool penDown = false;
    for (int i = FirstVisible(); i <= LastVisible(); ++i) {
        if (IsNullPoint(i)) {
            penDown = false;
            continue;
        }
        const int x = CalcXPixel(i);
        const int y = CalcYPixel(i);
        if (penDown)
            canvas.LineTo(x, y);
        else
            canvas.MoveTo(x, y);
        penDown = true;
    }
}

void TFastLineSeries::DrawLegendSymbol(int index, const TRect& rect)
{
    TChartCanvas3D& canvas = Canvas();
    canvas.SelectChartPen(linePen_);
    canvas.Pen().SetColor(index == -1 ? SeriesColor() : PointColor(index));
    canvas.HorizLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
}
