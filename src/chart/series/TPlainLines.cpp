#include "chart/series/TPlainLines.h"

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/series/PixelColumns.h"
#include "chart/series/TChartValueList.h"
#include "chart/series/TCustomSeries.h"

#include <algorithm>
#include <limits>

TPlainLines::TPlainLines(TCustomSeries& series, TLineCursor& cursor, const std::vector<TColor>& colours)
    : series_(series)
    , cursor_(cursor)
    , canvas_(series.Canvas())
    , xPixel_(TAxisPixelMapping::ForX(*series.GetHorizAxis()))
    , yPixel_(TAxisPixelMapping::ForY(*series.GetVertAxis()))
    , xs_(series.XValues().StoredValues())
    , ys_(series.YValues().StoredValues())
    , xMultiplier_(series.XValues().Multiplier())
    , yMultiplier_(series.YValues().Multiplier())
    , ownColours_(series.ColorEachPoint() ? std::numeric_limits<std::size_t>::max() : colours.size())
    , seriesColor_(series.SeriesColor())
    , clip_(canvas_.ClipRect())
{
}

void TPlainLines::Draw()
{
    const int last = series_.LastVisible();
    int i = series_.FirstVisible() + 1;
    if (!ByColumns()) {
        for (; i <= last; ++i)
            Step(i);
    } else {
        while (i <= last)
            i = Column(i, last);
    }
    LeaveLikeDrawPoint();
}

bool TPlainLines::ByColumns() const
{
    const TChartPen& pen = series_.LinePen();
    return clip_ && ownColours_ <= static_cast<std::size_t>(series_.FirstVisible()) + 1 && seriesColor_ != clNone
        && cursor_.Color != clNone && xMultiplier_ > 0 && series_.XValues().StoredAscending()
        && !series_.GetHorizAxis()->Logarithmic() && !series_.GetVertAxis()->Logarithmic() && pen.Visible()
        && !pen.SmallDots() && pen.Style() == psSolid && pen.Width() == 1 && pen.Mode() == pmCopy;
}

void TPlainLines::Step(int i)
{
    const auto at = static_cast<std::size_t>(i);
    const TColor color = at < ownColours_ ? series_.PointColor(i) : seriesColor_;
    if (color == clNone || cursor_.Color == clNone) {
        LeaveLikeDrawPoint();
        series_.DrawPoint(i);
        penColor_ = clNone;
        return;
    }
    const int x = XPixel(i);
    const int y = YPixel(i);
    if (OutsidePixelRange(x) || OutsidePixelRange(y)) {
        cursor_.Color = color;
        return;
    }
    if (cursor_.At(x, y)) {
        pendingBlack_ = color;
    } else {
        Line(cursor_.X, cursor_.Y, x, y, color);
        pendingBlack_ = clNone;
    }
    Place(x, y, color, i);
}

int TPlainLines::Column(int first, int last)
{
    const int x = XPixel(first);
    const int end = OutsidePixelRange(x) ? first : LastInColumn([this](int k) { return XPixel(k); }, first, x, last);
    if (end - first < 2 || !VerticalRun(x, first, end))
        for (int i = first; i <= end; ++i)
            Step(i);
    return end + 1;
}

TPlainLines::TClipSide TPlainLines::SideOfClip(int x, int top, int bottom) const
{
    if (x >= clip_->Left && x < clip_->Right && top >= clip_->Top && bottom + 1 < clip_->Bottom)
        return TClipSide::Inside;
    if (x + 2 < clip_->Left || x > clip_->Right + 1 || bottom + 2 < clip_->Top || top > clip_->Bottom + 1)
        return TClipSide::Outside;
    return TClipSide::Across;
}

bool TPlainLines::VerticalRun(int x, int first, int end)
{
    double low = 0;
    double high = 0;
    if (!ScaledExtremes(ys_, yMultiplier_, first, end - 1, low, high))
        return false;
    int top = std::min(yPixel_(low), yPixel_(high));
    int bottom = std::max(yPixel_(low), yPixel_(high));
    const int endY = YPixel(end);
    const bool previousInColumn = cursor_.X == x;
    const int spanTop = std::min({top, endY, previousInColumn ? cursor_.Y : endY});
    const int spanBottom = std::max({bottom, endY, previousInColumn ? cursor_.Y : endY});
    if (OutsidePixelRange(spanTop) || OutsidePixelRange(spanBottom))
        return false;
    const TClipSide side = SideOfClip(x, spanTop, spanBottom);
    if (side == TClipSide::Across)
        return false;
    if (!previousInColumn)
        Line(cursor_.X, cursor_.Y, x, YPixel(first), seriesColor_);
    const bool lastMoves = YPixel(end - 1) != endY;
    if (side == TClipSide::Inside)
        DrawVerticalRun(x, first, end, top, bottom, endY, lastMoves);
    else if (spanTop != spanBottom)
        PreparePen(seriesColor_);
    pendingBlack_ = lastMoves ? clNone : seriesColor_;
    Place(x, endY, seriesColor_, end);
    return true;
}

void TPlainLines::DrawVerticalRun(int x, int first, int end, int top, int bottom, int endY, bool lastMoves)
{
    // Points just before the last one in its row start no segment; the points up to lastStart do.
    int lastStart = end - 1;
    if (!lastMoves) {
        if (top == endY && bottom == endY)
            lastStart = first - 1;
        else
            while (lastStart >= first && YPixel(lastStart) == endY)
                --lastStart;
        if (lastStart >= first) {
            double low = 0;
            double high = 0;
            ScaledExtremes(ys_, yMultiplier_, first, lastStart, low, high);
            top = std::min(yPixel_(low), yPixel_(high));
            bottom = std::max(yPixel_(low), yPixel_(high));
        }
    }
    bool starts = lastStart >= first;
    if (cursor_.X == x && (cursor_.Y != endY || starts)) {
        // The previous point is in this column: it starts the first vertical segment.
        top = starts ? std::min(top, cursor_.Y) : cursor_.Y;
        bottom = starts ? std::max(bottom, cursor_.Y) : cursor_.Y;
        starts = true;
    }
    if (!starts)
        return;
    if (endY > bottom)
        Line(x, top, x, endY, seriesColor_);
    else if (endY < top)
        Line(x, bottom, x, endY, seriesColor_);
    else
        Line(x, top, x, bottom + 1, seriesColor_);
}

void TPlainLines::PreparePen(TColor color)
{
    if (penColor_ == color)
        return;
    canvas_.Pen().SetColor(clBlack);
    canvas_.Brush().SetColor(color);
    series_.PrepareLinePen(color);
    penColor_ = color;
}

void TPlainLines::Line(int x0, int y0, int x1, int y1, TColor color)
{
    PreparePen(color);
    canvas_.Line(x0, y0, x1, y1);
}

void TPlainLines::Place(int x, int y, TColor color, int index)
{
    cursor_.MoveTo(x, y, color);
    lastPlaced_ = index;
}

void TPlainLines::LeaveLikeDrawPoint()
{
    if (pendingBlack_ != clNone) {
        canvas_.Pen().SetColor(clBlack);
        canvas_.Brush().SetColor(pendingBlack_);
        pendingBlack_ = clNone;
    }
    if (lastPlaced_ >= 0)
        cursor_.Bottom = series_.BottomPixel(lastPlaced_);
    lastPlaced_ = -1;
}
