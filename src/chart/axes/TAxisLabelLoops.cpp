#include "chart/axes/TAxisLabelLoops.h"

#include "chart/axes/AxisDateTime.h"
#include "chart/axes/AxisTextLines.h"
#include "chart/axes/TAxisLabelTexts.h"
#include "chart/axes/TAxisTickPositions.h"
#include "chart/axes/TChartAxis.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/TChartSeries.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr int MaxHandlerLabelIndex = 2000;
// Handler values this close outside the scale still get a label.
constexpr double HandlerTolerance = 1e-7;

}

void TAxisLabelLoops::Produce(double inc)
{
    const TAxisScale& scale = axis_.Scale();
    if (!(scale.Maximum >= scale.Minimum))
        return;
    const TAxisLabelStyle style = axis_.EffectiveLabelStyle();
    if (axis_.IsDepthAxis() && style != talNone) {
        DrawDepthLabels();
        return;
    }
    switch (style) {
    case talValue:
        if (DrawHandlerLabels())
            return;
        if (scale.Logarithmic && axis_.Increment() == 0)
            DrawLogarithmicLabels();
        else if (axis_.IsDateTimeScale() && IsCalendarDateTimeStep(inc) && axis_.ExactDateTime())
            DrawCalendarLabels(inc);
        else if (inc > 0)
            DrawValueLabels(inc);
        return;
    case talMark:
    case talText:
        DrawSeriesLabels(style);
        return;
    default:
        return;
    }
}

void TAxisLabelLoops::DrawValueLabels(double inc)
{
    ForEachValueLabel(axis_.Scale(), axis_.RoundFirstLabel(), inc, [this](double v) {
        PlaceLabel(v);
        return true;
    });
}

bool TAxisLabelLoops::DrawHandlerLabels()
{
    const TCustomAxisPanel& chart = axis_.ParentChart();
    if (!chart.OnGetNextAxisLabel)
        return false;
    TChartAxis& sender = axis_.AsChartAxis();
    const TAxisScale& scale = axis_.Scale();
    double value = 0;
    for (int index = 0; index <= MaxHandlerLabelIndex; ++index) {
        bool stop = true;
        chart.OnGetNextAxisLabel(sender, index, value, stop);
        if (stop)
            return index > 0;
        if (value < scale.Minimum - HandlerTolerance || value > scale.Maximum + HandlerTolerance)
            return true;
        PlaceLabel(value);
    }
    return true;
}

void TAxisLabelLoops::DrawLogarithmicLabels()
{
    const TAxisScale& scale = axis_.Scale();
    const int logarithmicBase = axis_.LogarithmicBase();
    double minimum = scale.Minimum;
    double v = 0;
    if (minimum <= 0) {
        minimum = minimum == 0 ? 0.1 : 1e-10;
        v = minimum;
    } else {
        const Extended base = logarithmicBase;
        v = static_cast<double>(PlatformPow(base, RoundToEven(Log(static_cast<Extended>(minimum)) / Log(base))));
    }
    for (int count = 0; v <= scale.Maximum && count < static_cast<int>(TAxisTickPositions::Capacity); ++count) {
        if (v >= minimum)
            PlaceLabel(v);
        v *= logarithmicBase;
    }
}

void TAxisLabelLoops::DrawCalendarLabels(double inc)
{
    const TAxisScale& scale = axis_.Scale();
    const Extended limit = scale.Minimum - LabelSlack;
    double v = CalendarFloor(scale.Maximum, inc);
    for (std::size_t count = 0; v >= limit && count < TAxisTickPositions::Capacity; ++count) {
        PlaceLabel(v);
        v = CalendarPrevious(v, inc);
    }
}

void TAxisLabelLoops::DrawSeriesLabels(TAxisLabelStyle style)
{
    std::vector<TChartSeries*> series;
    for (TChartSeries* s : axis_.ActiveSeriesOnAxis())
        if (s->Count() > 0)
            series.push_back(s);
    if (series.empty())
        return;
    // Axes are drawn before the series, so the visible ranges are brought up to date here
    // rather than left from the previous paint (or unset on the first one).
    for (TChartSeries* s : series)
        s->CalcFirstLastVisible();
    int first = -1;
    int last = -1;
    for (const TChartSeries* s : series) {
        if (first < 0 && s->FirstVisible() >= 0)
            first = s->FirstVisible();
        last = std::max(last, s->LastVisible());
    }
    if (first < 0)
        return;
    const TAxisScale& scale = axis_.Scale();
    const TAxisLabelTexts texts(axis_);
    const int separation = axis_.LabelsSeparation();
    bool havePrevious = false;
    int previousPos = 0;
    int previousHalf = 0;
    for (int index = first; index <= last; ++index) {
        const auto owner = std::find_if(series.begin(), series.end(), [index](const TChartSeries* s) { return index < s->Count(); });
        if (owner == series.end())
            continue;
        TChartSeries& s = **owner;
        const double value = axis_.IsHorizontal() ? s.XValueAt(index) : s.YValueAt(index);
        if (value < scale.Minimum || value > scale.Maximum)
            continue;
        std::string text = style == talMark ? s.MarkText(index) : s.PointLabel(index);
        texts.CallGetAxisLabel(&s, index, text);
        if (axis_.LabelsMultiLine())
            std::replace(text.begin(), text.end(), ' ', AxisLineSeparator);
        const int pos = axis_.ValueToPixel(value);
        if (separation != 0) {
            const int extent = axis_.IsHorizontal() ? texts.WidthOf(text) : texts.HeightOf(text);
            const int half = (extent + static_cast<int>(extent * 0.02 * separation)) / 2;
            if (havePrevious && std::abs(pos - previousPos) < half + previousHalf)
                continue;
            previousHalf = half;
        }
        havePrevious = true;
        previousPos = pos;
        if (!axis_.TickOnLabelsOnly())
            ticks_.Add(pos);
        if (axis_.Labels())
            DrawLabel(pos, text);
    }
}

void TAxisLabelLoops::DrawDepthLabels()
{
    int z = 0;
    for (const TChartSeries* series : axis_.ParentChart().SeriesList()) {
        if (!series->Active())
            continue;
        const int pos = axis_.ValueToPixel(z++);
        if (!axis_.TickOnLabelsOnly())
            ticks_.Add(pos);
        if (axis_.Labels())
            DrawLabel(pos, series->Title());
    }
}

void TAxisLabelLoops::PlaceLabel(double value)
{
    const TAxisScale& scale = axis_.Scale();
    const int pos = axis_.ValueToPixel(value);
    // However the value was reached (a tolerance below the minimum, a handler's value), nothing of a label
    // is drawn beyond the axis' span.
    if (pos < std::min(scale.PixelStart, scale.PixelEnd) || pos > std::max(scale.PixelStart, scale.PixelEnd))
        return;
    if (!axis_.LabelsOnAxis() && !(scale.PixelStart < pos && pos < scale.PixelEnd))
        return;
    if (!axis_.TickOnLabelsOnly())
        ticks_.Add(pos);
    if (axis_.Labels())
        DrawLabel(pos, axis_.LabelText(value));
}

void TAxisLabelLoops::DrawLabel(int pos, const std::string& text)
{
    if (axis_.TickOnLabelsOnly())
        ticks_.Add(pos);
    draw_(pos, text);
}
