#include "chart/frame/TChartFontObject.h"

#include "chart/panel/TCustomAxisPanel.h"

TChartFontObject::TChartFontObject(TCustomAxisPanel& chart)
    : chart_(chart), font_([this] { InvalidateChart(); })
{
}

void TChartFontObject::InvalidateChart() const
{
    chart_.Invalidate();
}
