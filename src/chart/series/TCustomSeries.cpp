#include "chart/series/TCustomSeries.h"

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/SetterRule.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/PixelColumns.h"
#include "chart/series/TChartValueList.h"
#include "chart/series/TPlainLines.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

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
        cursor_.Color = color;
        return;
    }
    TChartCanvas3D& canvas = Canvas();
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(color);
    if (cursor_.Color == clNone) {
        cursor_.X = x;
        cursor_.Y = y;
    }
    const bool isLast = index == LastVisible();
    if (index == FirstVisible()) {
        if (index > 0) {
            const TChartAxis& horiz = *GetHorizAxis();
            const TRect plot = ParentChart()->PlotRect();
            cursor_.X = horiz.Inverted() ? plot.Right : plot.Left;
            const double x0 = XValueAt(index - 1);
            const double x1 = XValueAt(index);
            if (Stairs() || x1 == x0) {
                cursor_.Y = CalcYPixel(index - 1);
            } else {
                const double y0 = YValueAt(index - 1);
                const double y1 = YValueAt(index);
                const double v = horiz.PixelToValue(cursor_.X);
                cursor_.Y = GetVertAxis()->YValueToPixel(y0 + (y1 - y0) * (v - x0) / (x1 - x0));
            }
            cursor_.Bottom = BottomPixel(index - 1);
            if (!IsNullPoint(index - 1))
                DrawSegment(x, y, color, index, isLast, TSegmentMarkers::Without);
        }
        if (isLast && pointer_.Visible() && color != clNone)
            DrawPointerAt(x, y, color, index);
    } else {
        DrawSegment(x, y, color, index, isLast, TSegmentMarkers::With);
    }
    cursor_.MoveTo(x, y, color);
    cursor_.Bottom = BottomPixel(index);
}

void TCustomSeries::DrawAllPoints()
{
    if (FirstVisible() < 0 || LastVisible() < 0 || !DrawForward() || !connectPoints_ || drawArea_ || stairs_
        || pointer_.Visible() || GetHorizAxis() == nullptr || GetVertAxis() == nullptr) {
        TChartSeries::DrawAllPoints();
        return;
    }
    DrawPoint(FirstVisible());
    TPlainLines(*this, cursor_, Colors()).Draw();
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
    const std::array<TPoint, 4> area{TPoint{cursor_.X, cursor_.Y}, TPoint{x, y}, TPoint{x, BottomPixel(index)},
        TPoint{cursor_.X, cursor_.Bottom}};
    canvas.Polygon(area);
}

void TCustomSeries::DrawSegment(int x, int y, TColor color, int index, bool isLast, TSegmentMarkers markers)
{
    const bool samePlace = cursor_.At(x, y);
    if (!samePlace && color != clNone) {
        if (drawArea_)
            DrawAreaBelow(x, y, color, index);
        if (connectPoints_) {
            PrepareLinePen(color);
            TChartCanvas3D& canvas = Canvas();
            if (stairs_ && invertedStairs_) {
                canvas.VertLine(cursor_.X, cursor_.Y, y);
                canvas.LineTo(x, y);
            } else if (stairs_) {
                canvas.HorizLine(cursor_.X, x, cursor_.Y);
                canvas.LineTo(x, y);
            } else {
                canvas.Line(cursor_.X, cursor_.Y, x, y);
            }
        }
    }
    if (markers == TSegmentMarkers::Without || !pointer_.Visible())
        return;
    if (cursor_.Color != clNone)
        DrawPointerAt(cursor_.X, cursor_.Y, cursor_.Color, index - 1);
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
