#include "chart/canvas/TChartBrush.h"

#include "chart/canvas/SetterRule.h"

#include <utility>

TChartBrush::TChartBrush(TColor color, TBrushStyle style) : color_(color), style_(style)
{
}

void TChartBrush::SetColor(TColor value)
{
    StoreAndInvalidate(color_, value, [this] { Changed(); });
}

void TChartBrush::SetStyle(TBrushStyle value)
{
    StoreAndInvalidate(style_, value, [this] { Changed(); });
}

void TChartBrush::Assign(const TChartBrush& source)
{
    if (color_ == source.color_ && style_ == source.style_)
        return;
    color_ = source.color_;
    style_ = source.style_;
    Changed();
}

void TChartBrush::SetOnChange(TNotifyEvent handler)
{
    onChange_ = std::move(handler);
}

void TChartBrush::Changed() const
{
    if (onChange_)
        onChange_();
}
