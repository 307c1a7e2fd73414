#include "chart/series/TPointSeries.h"

TPointSeries::TPointSeries()
{
    SetConnectPoints(false);
    Marks().SetArrowLength(0);
    SetLineClickable(false);
    Pointer().SetVisible(true);
}

void TPointSeries::SetColorEachPoint(bool value)
{
    TCustomSeries::SetColorEachPoint(value);
    if (value)
        Pointer().Brush().SetColor(clAutoColor);
}
