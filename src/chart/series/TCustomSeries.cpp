#include "chart/series/TCustomSeries.h"

#include "chart/axes/TAxisPixelMapping.h"
#include "chart/axes/TChartAxis.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/StoreChanged.h"
#include "chart/series/TChartValueList.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>
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
    if (StoreChanged(areaColor_, value))
        RequestRepaint();
}

void TCustomSeries::SetLineClickable(bool value)
{
    if (StoreChanged(lineClickable_, value))
        RequestRepaint();
}

void TCustomSeries::SetDark3D(bool value)
{
    if (StoreChanged(dark3D_, value))
        RequestRepaint();
}

void TCustomSeries::SetDrawArea(bool value)
{
    if (StoreChanged(drawArea_, value))
        RequestRepaint();
}

void TCustomSeries::SetConnectPoints(bool value)
{
    if (StoreChanged(connectPoints_, value))
        RequestRepaint();
}

void TCustomSeries::SetInvertedStairs(bool value)
{
    if (StoreChanged(invertedStairs_, value))
        RequestRepaint();
}

void TCustomSeries::SetLineBrush(TBrushStyle value)
{
    if (StoreChanged(lineBrush_, value))
        RequestRepaint();
}

void TCustomSeries::SetLineHeight(int value)
{
    if (StoreChanged(lineHeight_, value))
        RequestRepaint();
}

void TCustomSeries::SetStairs(bool value)
{
    if (StoreChanged(stairs_, value))
        RequestRepaint();
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

// The same lines and canvas state as DrawPoint for each point; pen and brush changes no line sees are skipped.
void TCustomSeries::DrawPlainLines()
{
    TChartCanvas3D& canvas = Canvas();
    const TAxisPixelMapping xPixel = TAxisPixelMapping::ForX(*GetHorizAxis());
    const TAxisPixelMapping yPixel = TAxisPixelMapping::ForY(*GetVertAxis());
    const std::span<const double> xs = XValues().StoredValues();
    const std::span<const double> ys = YValues().StoredValues();
    const double xMultiplier = XValues().Multiplier();
    const double yMultiplier = YValues().Multiplier();
    // PointColor's rule, with what it reads at every point read once: from ownColours on, points
    // have the series colour.
    const std::size_t ownColours = ColorEachPoint() ? std::numeric_limits<std::size_t>::max() : Colors().size();
    const TColor seriesColor = SeriesColor();
    TColor penColor = clNone;
    TColor pendingBlack = clNone;
    int lastPlaced = -1;
    const auto leaveLikeDrawPoint = [&] {
        if (pendingBlack != clNone) {
            canvas.Pen().SetColor(clBlack);
            canvas.Brush().SetColor(pendingBlack);
            pendingBlack = clNone;
        }
        if (lastPlaced >= 0)
            oldBottom_ = BottomPixel(lastPlaced);
        lastPlaced = -1;
    };
    for (int i = FirstVisible() + 1; i <= LastVisible(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        const TColor color = at < ownColours ? PointColor(i) : seriesColor;
        if (color == clNone || oldColor_ == clNone) {
            leaveLikeDrawPoint();
            DrawPoint(i);
            penColor = clNone;
            continue;
        }
        // CalcXPixel and CalcYPixel on the values as XValueAt and YValueAt give them, past their index checks.
        const int x = xPixel(xs[at] * xMultiplier);
        const int y = yPixel(ys[at] * yMultiplier);
        if (OutsidePixelRange(x) || OutsidePixelRange(y)) {
            oldColor_ = color;
            continue;
        }
        if (x == oldX_ && y == oldY_) {
            pendingBlack = color;
        } else {
            if (penColor != color) {
                canvas.Pen().SetColor(clBlack);
                canvas.Brush().SetColor(color);
                PrepareLinePen(color);
                penColor = color;
            }
            pendingBlack = clNone;
            canvas.Line(oldX_, oldY_, x, y);
        }
        oldX_ = x;
        oldY_ = y;
        oldColor_ = color;
        lastPlaced = i;
    }
    leaveLikeDrawPoint();
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
    TPoint prev{0, 0};
    for (int i = FirstVisible(); i <= last; ++i) {
        const TPoint point{CalcXPixel(i), CalcYPixel(i)};
        if (pointer_.Visible() && ClickedPointer(i, point.X, point.Y, x, y)) {
            if (OnClickPointer)
                OnClickPointer(*this, i, x, y);
            return i;
        }
        if (point == p)
            return i;
        if (i != FirstVisible() && lineClickable_ && SegmentContains(prev, point, p))
            return i - 1;
        prev = point;
    }
    return -1;
}

void TCustomSeries::DrawLegendSymbol(int index, const TRect& rect)
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
        DrawBaseLegendSymbol(rect);
    }
}
