#include "chart/series/TCustomSeries.h"

#include "chart/axes/TAxisPixelMapping.h"
#include "chart/axes/TChartAxis.h"
#include "chart/canvas/SetterRule.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/PixelColumns.h"
#include "chart/series/TChartValueList.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
#include <optional>
#include <span>

namespace {

constexpr int MaxPixel = 32766;

bool OutsidePixelRange(int v)
{
    return v < -MaxPixel || v > MaxPixel;
}

// Whether p lies on the line from a to b: close to the line and between the ends along each axis it moves on.
bool PointInLine(TPoint p, TPoint a, TPoint b)
{
    const long long dx = b.X - a.X;
    const long long dy = b.Y - a.Y;
    if (dx == 0 && dy == 0)
        return false;
    const long long cross = std::llabs(dx * (p.Y - a.Y) - dy * (p.X - a.X));
    if (cross >= std::max(std::llabs(dx), std::llabs(dy)))
        return false;
    if (dx != 0 && (p.X < std::min(a.X, b.X) || p.X > std::max(a.X, b.X)))
        return false;
    if (dy != 0 && (p.Y < std::min(a.Y, b.Y) || p.Y > std::max(a.Y, b.Y)))
        return false;
    return true;
}

}

TCustomSeries::TCustomSeries()
    : pointer_(*this)
{
    SetKeepPointPastEdge(true);
    const TNotifyEvent changed = [this] { ChangedNotify(); };
    areaLinesPen_.SetOnChange(changed);
    linePen_.SetOnChange(changed);
}

void TCustomSeries::SetAreaColor(TColor value)
{
    StoreAndInvalidate(areaColor_, value, [this] { InvalidateChart(); });
}

void TCustomSeries::SetLineClickable(bool value)
{
    StoreAndInvalidate(lineClickable_, value, [this] { InvalidateChart(); });
}

void TCustomSeries::SetDark3D(bool value)
{
    StoreAndInvalidate(dark3D_, value, [this] { InvalidateChart(); });
}

void TCustomSeries::SetDrawArea(bool value)
{
    StoreAndInvalidate(drawArea_, value, [this] { InvalidateChart(); });
}

void TCustomSeries::SetConnectPoints(bool value)
{
    StoreAndInvalidate(connectPoints_, value, [this] { InvalidateChart(); });
}

void TCustomSeries::SetInvertedStairs(bool value)
{
    StoreAndInvalidate(invertedStairs_, value, [this] { InvalidateChart(); });
}

void TCustomSeries::SetLineBrush(TBrushStyle value)
{
    StoreAndInvalidate(lineBrush_, value, [this] { InvalidateChart(); });
}

void TCustomSeries::SetLineHeight(int value)
{
    StoreAndInvalidate(lineHeight_, value, [this] { InvalidateChart(); });
}

void TCustomSeries::SetStairs(bool value)
{
    StoreAndInvalidate(stairs_, value, [this] { InvalidateChart(); });
}

int TCustomSeries::BottomPixel(int) const
{
    const TChartAxis* axis = GetVertAxis();
    return axis == nullptr ? 0 : axis->PixelEnd();
}

void TCustomSeries::DrawPoint(int index)
{
    const TColor color = PointColor(index);
    const int x = CalcXPixel(index);
    const int y = CalcYPixel(index);
    if (OutsidePixelRange(x) || OutsidePixelRange(y)) {
        oldColor_ = color;
        return;
    }
    TChartCanvas3D& canvas = Canvas();
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(color);
    if (oldColor_ == clNone) {
        oldX_ = x;
        oldY_ = y;
    }
    const bool isLast = index == LastVisible();
    if (index == FirstVisible()) {
        if (index > 0) {
            const TChartAxis& horiz = *GetHorizAxis();
            const TRect plot = ParentChart()->PlotRect();
            oldX_ = horiz.Inverted() ? plot.Right : plot.Left;
            const double x0 = XValueAt(index - 1);
            const double x1 = XValueAt(index);
            if (Stairs() || x1 == x0) {
                oldY_ = CalcYPixel(index - 1);
            } else {
                const double y0 = YValueAt(index - 1);
                const double y1 = YValueAt(index);
                const double v = horiz.PixelToValue(oldX_);
                oldY_ = GetVertAxis()->YValueToPixel(y0 + (y1 - y0) * (v - x0) / (x1 - x0));
            }
            oldBottom_ = BottomPixel(index - 1);
            if (!IsNullPoint(index - 1))
                DrawSegment(x, y, color, index, isLast, TSegmentMarkers::Without);
        }
        if (isLast && pointer_.Visible() && color != clNone)
            DrawPointerAt(x, y, color, index);
    } else {
        DrawSegment(x, y, color, index, isLast, TSegmentMarkers::With);
    }
    oldX_ = x;
    oldY_ = y;
    oldBottom_ = BottomPixel(index);
    oldColor_ = color;
}

void TCustomSeries::DrawAllPoints()
{
    if (FirstVisible() < 0 || LastVisible() < 0 || !DrawForward() || !connectPoints_ || drawArea_ || stairs_
        || pointer_.Visible() || GetHorizAxis() == nullptr || GetVertAxis() == nullptr) {
        TChartSeries::DrawAllPoints();
        return;
    }
    DrawPoint(FirstVisible());
    DrawPlainLines();
}

// The same pixels and canvas state as DrawPoint for each point; pen and brush changes no line sees
// are skipped. Lines of one solid thin pen that stay inside the clip may be drawn in any order and
// in any pieces that cover the same pixels, so a pixel column's run of points inside the clip is
// drawn as one vertical line. (A line the clip cuts is cut where its geometry meets the clip, and
// its pixels there depend on where it started.)
class TCustomSeries::TPlainLines {
public:
    explicit TPlainLines(TCustomSeries& series)
        : series_(series)
        , canvas_(series.Canvas())
        , xPixel_(TAxisPixelMapping::ForX(*series.GetHorizAxis()))
        , yPixel_(TAxisPixelMapping::ForY(*series.GetVertAxis()))
        , xs_(series.XValues().StoredValues())
        , ys_(series.YValues().StoredValues())
        , xMultiplier_(series.XValues().Multiplier())
        , yMultiplier_(series.YValues().Multiplier())
        , ownColours_(series.ColorEachPoint() ? std::numeric_limits<std::size_t>::max() : series.Colors().size())
        , seriesColor_(series.SeriesColor())
        , clip_(canvas_.ClipRect())
    {
    }

    void Draw()
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

private:
    int XPixel(int i) const { return xPixel_(xs_[static_cast<std::size_t>(i)] * xMultiplier_); }
    int YPixel(int i) const { return yPixel_(ys_[static_cast<std::size_t>(i)] * yMultiplier_); }

    // Every point in the series colour, X values that never go back on linear axes, and a solid
    // one-pixel copying pen.
    bool ByColumns() const
    {
        const TChartPen& pen = series_.linePen_;
        return clip_ && ownColours_ <= static_cast<std::size_t>(series_.FirstVisible()) + 1 && seriesColor_ != clNone
            && series_.oldColor_ != clNone && xMultiplier_ > 0 && series_.XValues().StoredAscending()
            && !series_.GetHorizAxis()->Logarithmic() && !series_.GetVertAxis()->Logarithmic() && pen.Visible()
            && !pen.SmallDots() && pen.Style() == psSolid && pen.Width() == 1 && pen.Mode() == pmCopy;
    }

    // DrawPoint's steps for point i.
    void Step(int i)
    {
        const auto at = static_cast<std::size_t>(i);
        const TColor color = at < ownColours_ ? series_.PointColor(i) : seriesColor_;
        if (color == clNone || series_.oldColor_ == clNone) {
            LeaveLikeDrawPoint();
            series_.DrawPoint(i);
            penColor_ = clNone;
            return;
        }
        const int x = XPixel(i);
        const int y = YPixel(i);
        if (OutsidePixelRange(x) || OutsidePixelRange(y)) {
            series_.oldColor_ = color;
            return;
        }
        if (x == series_.oldX_ && y == series_.oldY_) {
            pendingBlack_ = color;
        } else {
            Line(series_.oldX_, series_.oldY_, x, y, color);
            pendingBlack_ = clNone;
        }
        Place(x, y, color, i);
    }

    // The points from first on in first's pixel column, up to last; returns the index after them.
    int Column(int first, int last)
    {
        const int x = XPixel(first);
        const int end = OutsidePixelRange(x) ? first : LastInColumn([this](int k) { return XPixel(k); }, first, x, last);
        if (end - first < 2 || !VerticalRun(x, first, end))
            for (int i = first; i <= end; ++i)
                Step(i);
        return end + 1;
    }

    enum class TClipSide { Inside, Outside, Across };

    // Where a vertical line at column x over rows top..bottom lies, drawn either way, with every
    // vertical segment within it: inside the clip, end points included; or so far outside that
    // nothing of it reaches the clip.
    TClipSide SideOfClip(int x, int top, int bottom) const
    {
        if (x >= clip_->Left && x < clip_->Right && top >= clip_->Top && bottom + 1 < clip_->Bottom)
            return TClipSide::Inside;
        if (x + 2 < clip_->Left || x > clip_->Right + 1 || bottom + 2 < clip_->Top || top > clip_->Bottom + 1)
            return TClipSide::Outside;
        return TClipSide::Across;
    }

    // Draws the points first..end (at least three) of column x when they lie inside the clip or
    // wholly outside it.
    bool VerticalRun(int x, int first, int end)
    {
        double low = 0;
        double high = 0;
        if (!ScaledExtremes(ys_, yMultiplier_, first, end - 1, low, high))
            return false;
        int top = std::min(yPixel_(low), yPixel_(high));
        int bottom = std::max(yPixel_(low), yPixel_(high));
        const int endY = YPixel(end);
        const bool previousInColumn = series_.oldX_ == x;
        const int spanTop = std::min({top, endY, previousInColumn ? series_.oldY_ : endY});
        const int spanBottom = std::max({bottom, endY, previousInColumn ? series_.oldY_ : endY});
        if (OutsidePixelRange(spanTop) || OutsidePixelRange(spanBottom))
            return false;
        const TClipSide side = SideOfClip(x, spanTop, spanBottom);
        if (side == TClipSide::Across)
            return false;
        if (!previousInColumn)
            Line(series_.oldX_, series_.oldY_, x, YPixel(first), seriesColor_);
        const bool lastMoves = YPixel(end - 1) != endY;
        if (side == TClipSide::Inside)
            DrawVerticalRun(x, first, end, top, bottom, endY, lastMoves);
        else if (spanTop != spanBottom)
            PreparePen(seriesColor_);
        pendingBlack_ = lastMoves ? clNone : seriesColor_;
        Place(x, endY, seriesColor_, end);
        return true;
    }

    // Vertical segments cover their start and not their end, so the run covers every row between its
    // extremes, except the last point's row when no earlier point there starts a segment. top and
    // bottom are the rows of the extremes of first..end - 1.
    void DrawVerticalRun(int x, int first, int end, int top, int bottom, int endY, bool lastMoves)
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
        if (series_.oldX_ == x && (series_.oldY_ != endY || starts)) {
            // The previous point is in this column: it starts the first vertical segment.
            top = starts ? std::min(top, series_.oldY_) : series_.oldY_;
            bottom = starts ? std::max(bottom, series_.oldY_) : series_.oldY_;
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

    void PreparePen(TColor color)
    {
        if (penColor_ == color)
            return;
        canvas_.Pen().SetColor(clBlack);
        canvas_.Brush().SetColor(color);
        series_.PrepareLinePen(color);
        penColor_ = color;
    }

    void Line(int x0, int y0, int x1, int y1, TColor color)
    {
        PreparePen(color);
        canvas_.Line(x0, y0, x1, y1);
    }

    void Place(int x, int y, TColor color, int index)
    {
        series_.oldX_ = x;
        series_.oldY_ = y;
        series_.oldColor_ = color;
        lastPlaced_ = index;
    }

    void LeaveLikeDrawPoint()
    {
        if (pendingBlack_ != clNone) {
            canvas_.Pen().SetColor(clBlack);
            canvas_.Brush().SetColor(pendingBlack_);
            pendingBlack_ = clNone;
        }
        if (lastPlaced_ >= 0)
            series_.oldBottom_ = series_.BottomPixel(lastPlaced_);
        lastPlaced_ = -1;
    }

    TCustomSeries& series_;
    TChartCanvas3D& canvas_;
    const TAxisPixelMapping xPixel_;
    const TAxisPixelMapping yPixel_;
    const std::span<const double> xs_;
    const std::span<const double> ys_;
    const double xMultiplier_;
    const double yMultiplier_;
    // PointColor's rule, with what it reads at every point read once: from ownColours_ on, points
    // have the series colour.
    const std::size_t ownColours_;
    const TColor seriesColor_;
    const std::optional<TRect> clip_;
    TColor penColor_ = clNone;
    TColor pendingBlack_ = clNone;
    int lastPlaced_ = -1;
};

void TCustomSeries::DrawPlainLines()
{
    TPlainLines(*this).Draw();
}

void TCustomSeries::PrepareLinePen(TColor color)
{
    TChartCanvas3D& canvas = Canvas();
    canvas.SelectChartPen(linePen_);
    if (ParentChart()->PrintingNow() && canvas.Pen().Width() == 1 && canvas.Pen().Style() != psSolid)
        canvas.Pen().SetWidth(0);
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetColor(color);
}

void TCustomSeries::DrawAreaBelow(int x, int y, TColor color, int index)
{
    TChartCanvas3D& canvas = Canvas();
    canvas.SelectChartPen(areaLinesPen_);
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(areaColor_ == clAutoColor ? color : areaColor_);
    const std::array<TPoint, 4> area{TPoint{oldX_, oldY_}, TPoint{x, y}, TPoint{x, BottomPixel(index)}, TPoint{oldX_, oldBottom_}};
    canvas.Polygon(area);
}

void TCustomSeries::DrawSegment(int x, int y, TColor color, int index, bool isLast, TSegmentMarkers markers)
{
    const bool samePlace = x == oldX_ && y == oldY_;
    if (!samePlace && color != clNone) {
        if (drawArea_)
            DrawAreaBelow(x, y, color, index);
        if (connectPoints_) {
            PrepareLinePen(color);
            TChartCanvas3D& canvas = Canvas();
            if (stairs_ && invertedStairs_) {
                canvas.VertLine(oldX_, oldY_, y);
                canvas.LineTo(x, y);
            } else if (stairs_) {
                canvas.HorizLine(oldX_, x, oldY_);
                canvas.LineTo(x, y);
            } else {
                canvas.Line(oldX_, oldY_, x, y);
            }
        }
    }
    if (markers == TSegmentMarkers::Without || !pointer_.Visible())
        return;
    if (oldColor_ != clNone)
        DrawPointerAt(oldX_, oldY_, oldColor_, index - 1);
    if (isLast && color != clNone)
        DrawPointerAt(x, y, color, index);
}

void TCustomSeries::DrawPointerAt(int x, int y, TColor color, int index)
{
    pointer_.PrepareMarkerCanvas(color);
    const TSeriesPointerStyle style = OnGetPointerStyle ? OnGetPointerStyle(*this, index) : pointer_.Style();
    pointer_.DrawMarker(x, y, pointer_.HorizSize(), pointer_.VertSize(), color, style);
}

bool TCustomSeries::ClickedPointer(int, int x, int y, int px, int py) const
{
    return std::abs(px - x) < pointer_.HorizSize() && std::abs(py - y) < pointer_.VertSize();
}

void TCustomSeries::HorizMargins(int& left, int& right)
{
    if (pointer_.Visible() && pointer_.InflateMargins()) {
        left = std::max(left, pointer_.HorizSize() + 1);
        right = std::max(right, pointer_.HorizSize() + 1);
    }
    if (stairs_ && connectPoints_) {
        left = std::max(left, linePen_.Width());
        right = std::max(right, linePen_.Width());
    }
}

void TCustomSeries::VertMargins(int& top, int& bottom)
{
    if (pointer_.Visible() && pointer_.InflateMargins()) {
        top = std::max(top, pointer_.VertSize() + 1);
        bottom = std::max(bottom, pointer_.VertSize() + 1);
    }
    if (stairs_ && connectPoints_) {
        top = std::max(top, linePen_.Width());
        bottom = std::max(bottom, linePen_.Width() + 1);
    }
    if (lineHeight_ > 0 && !drawArea_)
        bottom = std::max(bottom, lineHeight_);
}

bool TCustomSeries::SegmentContains(TPoint from, TPoint to, TPoint p) const
{
    if (!stairs_)
        return PointInLine(p, from, to);
    const TPoint corner = invertedStairs_ ? TPoint{from.X, to.Y} : TPoint{to.X, from.Y};
    return PointInLine(p, from, corner) || PointInLine(p, corner, to);
}

int TCustomSeries::PointAtPixel(int x, int y)
{
    // Points removed since the last paint are no longer there to be hit.
    const int last = std::min(LastVisible(), Count() - 1);
    if (FirstVisible() < 0 || last < 0)
        return -1;
    const TPoint p{x, y};
    int begin = FirstVisible();
    // Without markers only a point or segment reaching column x can be hit. On ascending X the
    // columns never go back, so the segments reaching it lie together: from the last point before
    // the column to the first point past it.
    const TChartAxis* horiz = GetHorizAxis();
    const bool oneColumn = !pointer_.Visible() && XValues().Order() == loAscending && XValues().StoredAscending()
        && XValues().Multiplier() > 0 && horiz != nullptr && !horiz->Logarithmic();
    const int direction = horiz != nullptr && horiz->Inverted() ? -1 : 1;
    if (oneColumn) {
        int before = FirstVisible() - 1;
        int after = last + 1;
        while (after - before > 1) {
            const int middle = before + (after - before) / 2;
            if (direction * CalcXPixel(middle) < direction * x)
                before = middle;
            else
                after = middle;
        }
        begin = std::max(FirstVisible(), before);
    }
    TPoint prev{0, 0};
    for (int i = begin; i <= last; ++i) {
        const TPoint point{CalcXPixel(i), CalcYPixel(i)};
        if (pointer_.Visible() && ClickedPointer(i, point.X, point.Y, x, y)) {
            if (OnClickPointer)
                OnClickPointer(*this, i, x, y);
            return i;
        }
        if (point == p)
            return i;
        if (i != begin && lineClickable_ && SegmentContains(prev, point, p))
            return i - 1;
        if (oneColumn && direction * point.X > direction * x)
            break;
        prev = point;
    }
    return -1;
}

void TCustomSeries::DrawLegendSymbol(int index, const TRect& rect, TColor legendColor)
{
    const TColor color = index == -1 ? SeriesColor() : PointColor(index);
    TChartCanvas3D& canvas = Canvas();
    const int middleY = (rect.Top + rect.Bottom) / 2;
    if (pointer_.Visible()) {
        if (connectPoints_) {
            PrepareLinePen(color);
            canvas.HorizLine(rect.Left, rect.Right, middleY);
        }
        pointer_.PrepareMarkerCanvas(color);
        const bool thirds = linePen_.Visible();
        const int limitH = thirds ? rect.Width() / 3 : rect.Width() / 2 + 1;
        const int limitV = thirds ? rect.Height() / 3 : rect.Height() / 2 + 1;
        pointer_.DrawMarker((rect.Left + rect.Right) / 2, middleY, std::min(pointer_.HorizSize(), limitH),
            std::min(pointer_.VertSize(), limitV), color, pointer_.Style());
    } else if (connectPoints_ && !drawArea_) {
        PrepareLinePen(color);
        if (canvas.Is3D()) {
            canvas.Brush().SetStyle(bsSolid);
            canvas.Brush().SetColor(color);
            canvas.Rectangle(rect);
        } else {
            canvas.HorizLine(rect.Left, rect.Right, middleY);
        }
    } else {
        DrawBaseLegendSymbol(rect, legendColor);
    }
}
