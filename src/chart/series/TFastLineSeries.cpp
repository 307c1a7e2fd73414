#include "chart/series/TFastLineSeries.h"

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/series/PixelColumns.h"
#include "chart/series/TChartValueList.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

// The first point of a column with its lowest value and the first with its highest.
struct TColumnExtremes {
    int Low;
    int High;
};

// The first points of first..last with the lowest and the highest scaled value; none when a value is
// not finite. A column may hold thousands of points: the extremes are found block by block, and
// each first place is then looked for in the first block that holds it.
std::optional<TColumnExtremes> ColumnExtremes(std::span<const double> values, double multiplier, int first, int last)
{
    constexpr int Block = 64;
    double lowest = values[static_cast<std::size_t>(first)] * multiplier;
    double highest = lowest;
    int lowBlock = first;
    int highBlock = first;
    for (int block = first; block <= last; block += Block) {
        double low = 0;
        double high = 0;
        if (!ScaledExtremes(values, multiplier, block, std::min(last, block + Block - 1), low, high))
            return std::nullopt;
        if (low < lowest) {
            lowest = low;
            lowBlock = block;
        }
        if (high > highest) {
            highest = high;
            highBlock = block;
        }
    }
    const auto firstOf = [&](double extreme, int block) {
        const int end = std::min(last, block + Block - 1);
        int at = block;
        while (at < end && !(values[static_cast<std::size_t>(at)] * multiplier == extreme))
            ++at;
        return at;
    };
    return TColumnExtremes{firstOf(lowest, lowBlock), firstOf(highest, highBlock)};
}

}

TFastLineSeries::TFastLineSeries()
{
    linePen_.SetOnChange([this] { ChangedNotify(); });
}

void TFastLineSeries::DrawAllPoints()
{
    if (FirstVisible() < 0)
        return;
    TChartCanvas3D& canvas = Canvas();
    canvas.SelectChartPen(linePen_);
    canvas.Pen().SetColor(SeriesColor());
    points_.clear();
    columnOpen_ = false;
    if (ColumnsCanBeSearched())
        DrawByColumns();
    else
        DrawEachPoint();
    FlushLine();
}

bool TFastLineSeries::ColumnsCanBeSearched() const
{
    const TChartAxis* horiz = GetHorizAxis();
    const TChartAxis* vert = GetVertAxis();
    if (horiz == nullptr || vert == nullptr || horiz->Logarithmic() || vert->Logarithmic()
        || XValues().Order() != loAscending)
        return false;
    const std::vector<TColor>& colors = Colors();
    const auto first = static_cast<std::size_t>(FirstVisible());
    const std::size_t end = std::min(colors.size(), static_cast<std::size_t>(LastVisible()) + 1);
    return first >= end || std::find(colors.begin() + static_cast<long>(first), colors.begin() + static_cast<long>(end), clNone)
        == colors.begin() + static_cast<long>(end);
}

void TFastLineSeries::DrawEachPoint()
{
    for (int i = FirstVisible(); i <= LastVisible(); ++i) {
        if (IsNullPoint(i))
            FlushLine();
        else
            Feed(TPoint{CalcXPixel(i), CalcYPixel(i)});
    }
}

void TFastLineSeries::DrawByColumns()
{
    // On a linear axis the lowest and highest values are the column's extreme pixels, so only the
    // column's first, last and extreme points are mapped. The first and last visible points may lie
    // past the axis ends and are taken one by one.
    const std::span<const double> ys = YValues().StoredValues();
    const double multiplier = YValues().Multiplier();
    const int firstVisible = FirstVisible();
    const int lastVisible = LastVisible();
    int i = firstVisible;
    while (i <= lastVisible) {
        const int x = CalcXPixel(i);
        const int end = i == firstVisible || i == lastVisible ? i : LastInColumn([this](int k) { return CalcXPixel(k); }, i, x, lastVisible - 1);
        const std::optional<TColumnExtremes> extremes = ColumnExtremes(ys, multiplier, i, end);
        if (!extremes) {
            // A value that is not a number is drawn at the axis middle, wherever the others lie.
            for (int k = i; k <= end; ++k)
                Feed(TPoint{x, CalcYPixel(k)});
            i = end + 1;
            continue;
        }
        const auto [low, high] = *extremes;
        Feed(TPoint{x, CalcYPixel(i)});
        if (low < high) {
            Feed(TPoint{x, CalcYPixel(low)});
            Feed(TPoint{x, CalcYPixel(high)});
        } else {
            Feed(TPoint{x, CalcYPixel(high)});
            Feed(TPoint{x, CalcYPixel(low)});
        }
        Feed(TPoint{x, CalcYPixel(end)});
        i = end + 1;
    }
}

void TFastLineSeries::Feed(TPoint p)
{
    if (!columnOpen_) {
        column_ = TColumn{p, p, p, p, true};
        columnOpen_ = true;
        return;
    }
    if (p.X != column_.First.X) {
        FlushColumn();
        column_ = TColumn{p, p, p, p, true};
        return;
    }
    if (p.Y < column_.Low.Y) {
        column_.Low = p;
        column_.LowBeforeHigh = false;
    } else if (p.Y > column_.High.Y) {
        column_.High = p;
        column_.LowBeforeHigh = true;
    }
    column_.Last = p;
}

void TFastLineSeries::Keep(TPoint p)
{
    // A segment of no length draws nothing; the line series skips such steps too.
    if (points_.empty() || !(points_.back() == p))
        points_.push_back(p);
}

void TFastLineSeries::FlushColumn()
{
    Keep(column_.First);
    // Screen y grows downwards: Low is the smallest pixel row, the highest value on screen.
    if (column_.LowBeforeHigh) {
        Keep(column_.Low);
        Keep(column_.High);
    } else {
        Keep(column_.High);
        Keep(column_.Low);
    }
    Keep(column_.Last);
}

void TFastLineSeries::FlushLine()
{
    if (columnOpen_)
        FlushColumn();
    columnOpen_ = false;
    if (points_.size() >= 2)
        Canvas().Polyline(points_);
    points_.clear();
}

void TFastLineSeries::DrawLegendSymbol(int index, const TRect& rect, TColor)
{
    TChartCanvas3D& canvas = Canvas();
    canvas.SelectChartPen(linePen_);
    canvas.Pen().SetColor(index == -1 ? SeriesColor() : PointColor(index));
    canvas.HorizLine(rect.Left, rect.Right, (rect.Top + rect.Bottom) / 2);
}
