#include "chart/series/TSeriesMarks.h"

#include "chart/canvas/SetterRule.h"
#include "chart/series/TChartSeries.h"

TSeriesMarks::TSeriesMarks(TChartSeries& owner)
    : owner_(owner)
{
    const TNotifyEvent changed = [this] { Changed(); };
    font_.SetOnChange(changed);
    arrow_.SetOnChange(changed);
    frame_.SetOnChange(changed);
}

void TSeriesMarks::Changed() const
{
    owner_.InvalidateChart();
}

void TSeriesMarks::Assign(const TSeriesMarks& source)
{
    const bool changed = visible_ != source.visible_ || style_ != source.style_ || backColor_ != source.backColor_
        || arrowLength_ != source.arrowLength_ || transparent_ != source.transparent_ || clip_ != source.clip_;
    visible_ = source.visible_;
    style_ = source.style_;
    backColor_ = source.backColor_;
    arrowLength_ = source.arrowLength_;
    transparent_ = source.transparent_;
    clip_ = source.clip_;
    font_.Assign(source.font_);
    arrow_.Assign(source.arrow_);
    frame_.Assign(source.frame_);
    if (changed)
        Changed();
}

void TSeriesMarks::SetVisible(bool value)
{
    StoreAndInvalidate(visible_, value, [this] { Changed(); });
}

void TSeriesMarks::SetStyle(TSeriesMarksStyle value)
{
    StoreAndInvalidate(style_, value, [this] { Changed(); });
}

void TSeriesMarks::SetBackColor(TColor value)
{
    StoreAndInvalidate(backColor_, value, [this] { Changed(); });
}

void TSeriesMarks::SetArrowLength(int value)
{
    StoreAndInvalidate(arrowLength_, value, [this] { Changed(); });
}

void TSeriesMarks::SetTransparent(bool value)
{
    StoreAndInvalidate(transparent_, value, [this] { Changed(); });
}

void TSeriesMarks::SetClip(bool value)
{
    StoreAndInvalidate(clip_, value, [this] { Changed(); });
}

void TSeriesMarks::SetPosition(int index, const TRect& rect)
{
    if (index < 0)
        return;
    if (static_cast<std::size_t>(index) >= positions_.size())
        positions_.resize(static_cast<std::size_t>(index) + 1);
    positions_[static_cast<std::size_t>(index)] = rect;
}

void TSeriesMarks::DeletePosition(int index)
{
    if (index >= 0 && static_cast<std::size_t>(index) < positions_.size())
        positions_.erase(positions_.begin() + index);
}

void TSeriesMarks::ClearPositions()
{
    positions_.clear();
    positions_.shrink_to_fit();
}
