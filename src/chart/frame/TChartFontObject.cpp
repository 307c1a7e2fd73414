#include "chart/frame/TChartFontObject.h"

#include "chart/panel/TCustomAxisPanel.h"

TChartFontObject::TChartFontObject(TCustomAxisPanel& chart)
    : chart_(chart), font_([this] { Repaint(); })
{
}

void TChartFontObject::Repaint() const
{
    chart_.Invalidate();
}
