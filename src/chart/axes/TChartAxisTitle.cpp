#include "chart/axes/TChartAxisTitle.h"

#include "chart/axes/CheckAxisAngle.h"

TChartAxisTitle::TChartAxisTitle(TCustomAxisPanel& chart, int defaultAngle)
    : TChartFontObject(chart), defaultAngle_(defaultAngle), angle_(defaultAngle)
{
}

void TChartAxisTitle::SetAngle(int value)
{
    CheckAxisAngle(value, "Axis Title");
    if (value == angle_)
        return;
    angle_ = value;
    InvalidateChart();
}

void TChartAxisTitle::SetCaption(const std::string& value)
{
    if (value == caption_)
        return;
    caption_ = value;
    InvalidateChart();
}

void TChartAxisTitle::Assign(const TChartAxisTitle& source)
{
    if (&source == this)
        return;
    const bool changed = angle_ != source.angle_ || caption_ != source.caption_;
    angle_ = source.angle_;
    caption_ = source.caption_;
    SetFont(source.Font());
    if (changed)
        InvalidateChart();
}
