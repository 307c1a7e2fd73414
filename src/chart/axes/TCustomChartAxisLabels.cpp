#include "chart/axes/TCustomChartAxis.h"

#include "chart/axes/AxisDateTime.h"
#include "chart/axes/AxisTextLines.h"
#include "chart/axes/FormatFloat.h"
#include "chart/axes/TChartAxis.h"
#include "chart/canvas/ChartMath.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/TChartSeries.h"
#include "numeric/Extended.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest step; with any range of 1e-8 or more it yields no labels.
constexpr double MinimumStep = 1e-12;

}

std::vector<TChartSeries*> TCustomChartAxis::ActiveSeriesOnAxis() const
{
    std::vector<TChartSeries*> result;
    for (TChartSeries* series : chart_.SeriesList())
        if (series->Active() && series->UsesAxis(*this))
            result.push_back(series);
    return result;
}

void TCustomChartAxis::RefreshDateTimeScale()
{
    isDateTimeScale_ = false;
    for (TChartSeries* series : chart_.SeriesList()) {
        if (series->Active() && series->UsesAxis(*this)) {
            isDateTimeScale_ = IsHorizontal() ? series->XValues().DateTime() : series->YValues().DateTime();
            return;
        }
    }
}

TAxisLabelStyle TCustomChartAxis::EffectiveLabelStyle() const
{
    if (labelStyle_ != talAuto)
        return labelStyle_;
    if (IsDepthAxis())
        return chart_.ActiveSeriesCount() > 0 ? talText : talNone;
    const std::vector<TChartSeries*> series = ActiveSeriesOnAxis();
    if (series.empty())
        return talNone;
    if (IsHorizontal())
        for (const TChartSeries* s : series)
            if (s->Count() > 0 && !s->PointLabel(0).empty())
                return talText;
    return talValue;
}

std::string TCustomChartAxis::FormatLabel(double value, TLabelHandlerCall handler) const
{
    std::string text;
    if (isDateTimeScale_) {
        if (value >= 0)
            text = FormatDateTime(dateTimeFormat_.empty() ? DefaultDateTimeFormat(scale_.Range()) : dateTimeFormat_, value);
    } else {
        text = FormatFloat(axisValuesFormat_, value, AxisFormatSettings());
    }
    if (handler == TLabelHandlerCall::Call)
        CallGetAxisLabel(nullptr, -1, text);
    if (labelsMultiLine_)
        std::replace(text.begin(), text.end(), ' ', AxisLineSeparator);
    return text;
}

void TCustomChartAxis::CallGetAxisLabel(TChartSeries* series, int valueIndex, std::string& text) const
{
    if (!chart_.OnGetAxisLabel)
        return;
    // The handler receives the axis as the chart publishes it; every axis the chart makes is one.
    if (auto* sender = dynamic_cast<TChartAxis*>(const_cast<TCustomChartAxis*>(this)))
        chart_.OnGetAxisLabel(*sender, series, valueIndex, text);
}

std::string TCustomChartAxis::LabelText(double value) const
{
    return FormatLabel(value, TLabelHandlerCall::Call);
}

int TCustomChartAxis::WidestLine(const std::string& text) const
{
    int widest = 0;
    for (std::string_view line : AxisTextLines(text))
        widest = std::max(widest, chart_.Canvas().TextWidth(line));
    return widest;
}

int TCustomChartAxis::FontHeight() const
{
    return chart_.Canvas().FontHeight();
}

int TCustomChartAxis::LabelWidthOf(const std::string& text) const
{
    if (labelsAngle_ == 90 || labelsAngle_ == 270)
        return FontHeight() * static_cast<int>(AxisTextLines(text).size());
    return WidestLine(text);
}

int TCustomChartAxis::LabelHeightOf(const std::string& text) const
{
    if (labelsAngle_ == 0 || labelsAngle_ == 180)
        return FontHeight() * static_cast<int>(AxisTextLines(text).size());
    return WidestLine(text);
}

int TCustomChartAxis::LabelWidth(double value) const
{
    return LabelWidthOf(LabelText(value));
}

int TCustomChartAxis::LabelHeight(double value) const
{
    return LabelHeightOf(LabelText(value));
}

double TCustomChartAxis::NextStep(double x)
{
    if (!std::isfinite(x) || x <= 0)
        return x;
    if (x >= 10)
        return NextStep(x * 0.1) * 10;
    if (x < 1)
        return NextStep(x * 10) * 0.1;
    if (x < 2)
        return 2;
    if (x < 5)
        return 5;
    return 10;
}

double TCustomChartAxis::ComputeIncrement() const
{
    return IncrementFor(TLabelHandlerCall::Call);
}

double TCustomChartAxis::IncrementFor(TLabelHandlerCall handler) const
{
    const auto extent = [&](double v) {
        const std::string text = FormatLabel(v, handler);
        return IsHorizontal() ? LabelWidthOf(text) : LabelHeightOf(text);
    };
    int size = std::max(extent(scale_.Maximum), extent(scale_.Minimum));
    int maxLabels = 1;
    if (size > 0) {
        if (labelsSeparation_ > 0)
            size += Round(labelsSeparation_ * 0.01_ext * size);
        maxLabels = Round(static_cast<Extended>(scale_.PixelLength()) / size);
    }
    if (isDateTimeScale_)
        return DateTimeIncrement(maxLabels);
    if (maxLabels < 1)
        return MinimumStep;
    double step = increment_ > 0 ? increment_ : (std::fabs(scale_.Range()) >= 1 ? 1 : MinimumStep);
    if (labelsSeparation_ > 0) {
        int n = maxLabels + 1;
        do {
            const double q = scale_.Range() / step;
            if (std::fabs(q) < 2147483647) {
                n = Round(q);
                if (n > maxLabels)
                    step = NextStep(step);
            } else {
                step = NextStep(step);
            }
        } while (n > maxLabels && std::isfinite(step));
    }
    return std::max(step, MinimumStep);
}

double TCustomChartAxis::DateTimeIncrement(int maxLabels) const
{
    if (maxLabels < 1)
        return SmallestDateTimeStep();
    double step = std::max(increment_, SmallestDateTimeStep());
    step = std::max(step, scale_.Range() / 1000000);
    while (std::isfinite(step) && Round(scale_.Range() / step) > maxLabels)
        step = NextDateTimeStep(step);
    if (exactDateTime_ && increment_ != 0)
        step = DateTimeStepAtLeast(step);
    return step;
}

int TCustomChartAxis::MaxLabelsWidth() const
{
    const TAxisLabelStyle style = EffectiveLabelStyle();
    switch (style) {
    case talValue: {
        double lo = scale_.Minimum;
        double hi = scale_.Maximum;
        if (roundFirstLabel_ || (isDateTimeScale_ && exactDateTime_)) {
            const double inc = IncrementFor(TLabelHandlerCall::Skip);
            lo = static_cast<double>(Trunc(scale_.Minimum / static_cast<Extended>(inc)) * inc);
            hi = static_cast<double>(Trunc(scale_.Maximum / static_cast<Extended>(inc)) * inc);
        }
        const int widest = std::max(WidestLine(FormatLabel(hi, TLabelHandlerCall::Skip)), WidestLine(FormatLabel(lo, TLabelHandlerCall::Skip)));
        return widest + chart_.Canvas().TextWidth(" ");
    }
    case talMark:
    case talText: {
        int widest = 0;
        for (const TChartSeries* series : chart_.SeriesList())
            if (series->Active())
                for (int i = 0; i < series->Count(); ++i)
                    widest = std::max(widest, WidestLine(style == talMark ? series->MarkText(i) : series->PointLabel(i)));
        return widest;
    }
    default:
        return 0;
    }
}
