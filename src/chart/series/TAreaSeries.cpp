#include "chart/series/TAreaSeries.h"

TAreaSeries::TAreaSeries()
{
    SetDrawArea(true);
    Pointer().SetVisible(false);
}
