#include "chart/panel/TChartGradient.h"

#include "chart/canvas/SetterRule.h"

template <typename T>
void TChartGradient::Store(T& field, T value)
{
    StoreAndRepaint(field, value, [this] {
        if (onChange_)
            onChange_();
    });
}

void TChartGradient::SetVisible(bool value)
{
    Store(visible_, value);
}

void TChartGradient::SetDirection(TGradientDirection value)
{
    Store(direction_, value);
}

void TChartGradient::SetStartColor(TColor value)
{
    Store(startColor_, value);
}

void TChartGradient::SetEndColor(TColor value)
{
    Store(endColor_, value);
}

void TChartGradient::Assign(const TChartGradient& source)
{
    const bool changed = visible_ != source.visible_ || direction_ != source.direction_
        || startColor_ != source.startColor_ || endColor_ != source.endColor_;
    visible_ = source.visible_;
    direction_ = source.direction_;
    startColor_ = source.startColor_;
    endColor_ = source.endColor_;
    if (changed && onChange_)
        onChange_();
}
