#include "chart/panel/TChartGradient.h"

#include "chart/canvas/SetterRule.h"

template <typename T>
void TChartGradient::StoreAndInvalidate(T& field, T value)
{
    ::StoreAndInvalidate(field, value, [this] {
        if (onChange_)
            onChange_();
    });
}

void TChartGradient::SetVisible(bool value)
{
    StoreAndInvalidate(visible_, value);
}

void TChartGradient::SetDirection(TGradientDirection value)
{
    StoreAndInvalidate(direction_, value);
}

void TChartGradient::SetStartColor(TColor value)
{
    StoreAndInvalidate(startColor_, value);
}

void TChartGradient::SetEndColor(TColor value)
{
    StoreAndInvalidate(endColor_, value);
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
