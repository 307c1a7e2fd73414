#include "chart/canvas/TChartPen.h"

#include "chart/canvas/SetterRule.h"

#include <utility>

TChartPen::TChartPen(TNotifyEvent onChange)
{
    SetOnChange(std::move(onChange));
}

TChartPen::TChartPen(TColor color, TPenStyle style, int width, bool visible)
    : TPen(color, style, width, pmCopy),
      defaultColor_(color),
      defaultStyle_(style),
      defaultWidth_(width),
      defaultVisible_(visible),
      visible_(visible)
{
}

void TChartPen::SetSmallDots(bool value)
{
    StoreAndInvalidate(smallDots_, value, [this] { Changed(); });
}

void TChartPen::SetVisible(bool value)
{
    StoreAndInvalidate(visible_, value, [this] { Changed(); });
}

void TChartPen::Assign(const TChartPen& source)
{
    bool changed = CopySettings(source);
    changed = changed || smallDots_ != source.smallDots_ || visible_ != source.visible_;
    smallDots_ = source.smallDots_;
    visible_ = source.visible_;
    if (changed)
        Changed();
}

bool TChartPen::IsDefault() const
{
    return Color() == defaultColor_ && Style() == defaultStyle_ && Width() == defaultWidth_ && Mode() == pmCopy
        && visible_ == defaultVisible_ && !smallDots_;
}
