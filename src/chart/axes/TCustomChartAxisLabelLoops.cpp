#include "chart/axes/TCustomChartAxis.h"

#include "chart/axes/AxisDateTime.h"
#include "chart/axes/AxisTextLines.h"
#include "chart/axes/TAxisTickPositions.h"
#include "chart/axes/TChartAxis.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/TChartSeries.h"
#include "numeric/Extended.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace {

// The tolerance below the axis minimum that absorbs the error of repeated subtraction, and the factor that
// widens it; constants, since clang 14 (emscripten's) fails to fold these literals inside templates.
constexpr Extended LabelSlack = 1e-12_ext;
constexpr Extended LabelStretch = 1.000000000001_ext;
constexpr double MaxValueLabelSteps = 10000;
constexpr int MaxHandlerLabelIndex = 2000;
// Handler values this close outside the scale still get a label.
constexpr double HandlerTolerance = 1e-7;

}

void TCustomChartAxis::ProduceLabels(double inc)
{
    if (!(scale_.Maximum >= scale_.Minimum))
        return;
    const TAxisLabelStyle style = EffectiveLabelStyle();
    if (IsDepthAxis() && style != talNone) {
        DrawDepthLabels();
        return;
    }
    switch (style) {
    case talValue:
        if (DrawHandlerLabels())
            return;
        if (scale_.Logarithmic && increment_ == 0)
            DrawLogarithmicLabels();
        else if (isDateTimeScale_ && IsCalendarDateTimeStep(inc) && exactDateTime_)
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

// Visits the value label values for step inc, from the maximum downward, while visit returns true.
template <class F>
void TCustomChartAxis::ForEachValueLabel(double inc, F visit) const
{
    if (std::fabs(scale_.Range() / inc) >= MaxValueLabelSteps)
        return;
    const double q = scale_.Maximum / inc;
    double v = scale_.Maximum;
    if (scale_.Minimum != scale_.Maximum && roundFirstLabel_)
        v = static_cast<double>(static_cast<Extended>(std::trunc(q)) * inc);
    while (v > scale_.Maximum)
        v = v - inc;
    // A tolerance below the minimum absorbs the error accumulated by the repeated subtraction;
    // it widens the range downward for negative minimums as well.
    const Extended lowered = scale_.Minimum - LabelSlack;
    const Extended limit = lowered >= 0 ? lowered / LabelStretch : lowered * LabelStretch;
    while (v >= limit) {
        if (!visit(v))
            return;
        const double next = v - inc;
        if (!(next < v))
            break;
        v = next;
    }
}

void TCustomChartAxis::DrawValueLabels(double inc)
{
    ForEachValueLabel(inc, [this](double v) {
        PlaceLabel(v);
        return true;
    });
}

bool TCustomChartAxis::LabelsStayDistinct(double minimum, double maximum)
{
    if (scale_.PixelLength() < 1 || EffectiveLabelStyle() != talValue || scale_.Logarithmic || isDateTimeScale_ || chart_.OnGetNextAxisLabel)
        return true;
    // The trial limits go back even when a label handler throws: the axis keeps mapping the mouse with its own.
    struct TRestoreScale {
        TAxisScale& Scale;
        const TAxisScale Kept;
        ~TRestoreScale() { Scale = Kept; }
    } restore{scale_, scale_};
    scale_.Minimum = minimum;
    scale_.Maximum = maximum;
    chart_.Canvas().Font().Assign(labelsFont_);
    const double inc = ComputeIncrement();
    bool distinct = true;
    std::string previous;
    bool first = true;
    if (inc > 0 && scale_.Maximum >= scale_.Minimum) {
        ForEachValueLabel(inc, [&](double v) {
            std::string text = LabelText(v);
            distinct = first || text != previous;
            first = false;
            previous = std::move(text);
            return distinct;
        });
    }
    return distinct;
}

bool TCustomChartAxis::DrawHandlerLabels()
{
    if (!chart_.OnGetNextAxisLabel)
        return false;
    auto* sender = dynamic_cast<TChartAxis*>(this);
    if (!sender)
        return false;
    double value = 0;
    for (int index = 0; index <= MaxHandlerLabelIndex; ++index) {
        bool stop = true;
        chart_.OnGetNextAxisLabel(*sender, index, value, stop);
        if (stop)
            return index > 0;
        if (value < scale_.Minimum - HandlerTolerance || value > scale_.Maximum + HandlerTolerance)
            return true;
        PlaceLabel(value);
    }
    return true;
}

void TCustomChartAxis::DrawLogarithmicLabels()
{
    double minimum = scale_.Minimum;
    double v = 0;
    if (minimum <= 0) {
        minimum = minimum == 0 ? 0.1 : 1e-10;
        v = minimum;
    } else {
        const Extended base = logarithmicBase_;
        v = static_cast<double>(PlatformPow(base, RoundToEven(Log(static_cast<Extended>(minimum)) / Log(base))));
    }
    for (int count = 0; v <= scale_.Maximum && count < static_cast<int>(TAxisTickPositions::Capacity); ++count) {
        if (v >= minimum)
            PlaceLabel(v);
        v *= logarithmicBase_;
    }
}

void TCustomChartAxis::DrawCalendarLabels(double inc)
{
    const Extended limit = scale_.Minimum - LabelSlack;
    double v = CalendarFloor(scale_.Maximum, inc);
    for (std::size_t count = 0; v >= limit && count < TAxisTickPositions::Capacity; ++count) {
        PlaceLabel(v);
        v = CalendarPrevious(v, inc);
    }
}

void TCustomChartAxis::DrawSeriesLabels(TAxisLabelStyle style)
{
    std::vector<TChartSeries*> series;
    for (TChartSeries* s : ActiveSeriesOnAxis())
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
    bool havePrevious = false;
    int previousPos = 0;
    int previousHalf = 0;
    for (int index = first; index <= last; ++index) {
        const auto owner = std::find_if(series.begin(), series.end(), [index](const TChartSeries* s) { return index < s->Count(); });
        if (owner == series.end())
            continue;
        TChartSeries& s = **owner;
        const double value = IsHorizontal() ? s.XValueAt(index) : s.YValueAt(index);
        if (value < scale_.Minimum || value > scale_.Maximum)
            continue;
        std::string text = style == talMark ? s.MarkText(index) : s.PointLabel(index);
        CallGetAxisLabel(&s, index, text);
        if (labelsMultiLine_)
            std::replace(text.begin(), text.end(), ' ', AxisLineSeparator);
        const int pos = ValueToPixel(value);
        if (labelsSeparation_ != 0) {
            const int extent = IsHorizontal() ? LabelWidthOf(text) : LabelHeightOf(text);
            const int half = (extent + static_cast<int>(extent * 0.02 * labelsSeparation_)) / 2;
            if (havePrevious && std::abs(pos - previousPos) < half + previousHalf)
                continue;
            previousHalf = half;
        }
        havePrevious = true;
        previousPos = pos;
        if (!tickOnLabelsOnly_)
            tickPositions_->Add(pos);
        if (labels_)
            DrawLabel(pos, text);
    }
}

void TCustomChartAxis::DrawDepthLabels()
{
    int z = 0;
    for (const TChartSeries* series : chart_.SeriesList()) {
        if (!series->Active())
            continue;
        const int pos = ValueToPixel(z++);
        if (!tickOnLabelsOnly_)
            tickPositions_->Add(pos);
        if (labels_)
            DrawLabel(pos, series->Title());
    }
}

void TCustomChartAxis::PlaceLabel(double value)
{
    const int pos = ValueToPixel(value);
    // However the value was reached (a tolerance below the minimum, a handler's value), nothing of a label
    // is drawn beyond the axis' span.
    if (pos < std::min(scale_.PixelStart, scale_.PixelEnd) || pos > std::max(scale_.PixelStart, scale_.PixelEnd))
        return;
    if (!labelsOnAxis_ && !(scale_.PixelStart < pos && pos < scale_.PixelEnd))
        return;
    if (!tickOnLabelsOnly_)
        tickPositions_->Add(pos);
    if (labels_)
        DrawLabel(pos, LabelText(value));
}
