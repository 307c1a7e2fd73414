#include "chart/series/TLineSeries.h"

#include "chart/canvas/TChartCanvas3D.h"

TLineSeries::TLineSeries()
{
    SetConnectPoints(true);
    Pointer().SetVisible(false);
}

void TLineSeries::LegendItemPen(int, TColor&, TBrushStyle& style)
{
    Canvas().SelectChartPen(LinePen());
    style = LineBrush();
}
