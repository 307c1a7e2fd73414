#include "chart/axes/TAxisLabelTexts.h"

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

std::string TAxisLabelTexts::Format(double value, THandlerCall handler) const
{
    std::string text;
    if (axis_.IsDateTimeScale()) {
        if (value >= 0) {
            const std::string& format = axis_.DateTimeFormat();
            text = FormatDateTime(format.empty() ? DefaultDateTimeFormat(axis_.ScaleRange()) : format, value);
        }
    } else {
        text = FormatFloat(axis_.AxisValuesFormat(), value, AxisFormatSettings());
    }
    if (handler == THandlerCall::Call)
        CallGetAxisLabel(nullptr, -1, text);
    if (axis_.LabelsMultiLine())
        std::replace(text.begin(), text.end(), ' ', AxisLineSeparator);
    return text;
}

void TAxisLabelTexts::CallGetAxisLabel(TChartSeries* series, int valueIndex, std::string& text) const
{
    const TCustomAxisPanel& chart = axis_.ParentChart();
    if (!chart.OnGetAxisLabel)
        return;
    chart.OnGetAxisLabel(const_cast<TCustomChartAxis&>(axis_).AsChartAxis(), series, valueIndex, text);
}

int TAxisLabelTexts::WidestLine(const std::string& text) const
{
    int widest = 0;
    for (std::string_view line : AxisTextLines(text))
        widest = std::max(widest, axis_.ParentChart().Canvas().TextWidth(line));
    return widest;
}

int TAxisLabelTexts::FontHeight() const
{
    return axis_.ParentChart().Canvas().FontHeight();
}

int TAxisLabelTexts::WidthOf(const std::string& text) const
{
    const int angle = axis_.LabelsAngle();
    if (angle == 90 || angle == 270)
        return FontHeight() * static_cast<int>(AxisTextLines(text).size());
    return WidestLine(text);
}

int TAxisLabelTexts::HeightOf(const std::string& text) const
{
    const int angle = axis_.LabelsAngle();
    if (angle == 0 || angle == 180)
        return FontHeight() * static_cast<int>(AxisTextLines(text).size());
    return WidestLine(text);
}

double TAxisLabelTexts::Increment(THandlerCall handler) const
{
    const TAxisScale& scale = axis_.Scale();
    const auto extent = [&](double v) {
        const std::string text = Format(v, handler);
        return axis_.IsHorizontal() ? WidthOf(text) : HeightOf(text);
    };
    int size = std::max(extent(scale.Maximum), extent(scale.Minimum));
    int maxLabels = 1;
    const int separation = axis_.LabelsSeparation();
    if (size > 0) {
        if (separation > 0)
            size += Round(separation * 0.01_ext * size);
        maxLabels = Round(static_cast<Extended>(scale.PixelLength()) / size);
    }
    if (axis_.IsDateTimeScale())
        return DateTimeIncrement(maxLabels);
    if (maxLabels < 1)
        return MinimumStep;
    const double increment = axis_.Increment();
    double step = increment > 0 ? increment : (std::fabs(scale.Range()) >= 1 ? 1 : MinimumStep);
    if (separation > 0) {
        int n = maxLabels + 1;
        do {
            const double q = scale.Range() / step;
            if (std::fabs(q) < 2147483647) {
                n = Round(q);
                if (n > maxLabels)
                    step = TCustomChartAxis::NextStep(step);
            } else {
                step = TCustomChartAxis::NextStep(step);
            }
        } while (n > maxLabels && std::isfinite(step));
    }
    return std::max(step, MinimumStep);
}

double TAxisLabelTexts::DateTimeIncrement(int maxLabels) const
{
    if (maxLabels < 1)
        return SmallestDateTimeStep();
    const double increment = axis_.Increment();
    const double range = axis_.ScaleRange();
    double step = std::max(increment, SmallestDateTimeStep());
    step = std::max(step, range / 1000000);
    while (std::isfinite(step) && Round(range / step) > maxLabels)
        step = NextDateTimeStep(step);
    if (axis_.ExactDateTime() && increment != 0)
        step = DateTimeStepAtLeast(step);
    return step;
}

int TAxisLabelTexts::MaxLabelsWidth() const
{
    const TAxisLabelStyle style = axis_.EffectiveLabelStyle();
    switch (style) {
    case talValue: {
        const TAxisScale& scale = axis_.Scale();
        double lo = scale.Minimum;
        double hi = scale.Maximum;
        if (axis_.RoundFirstLabel() || (axis_.IsDateTimeScale() && axis_.ExactDateTime())) {
            const double inc = Increment(THandlerCall::Skip);
            lo = static_cast<double>(Trunc(scale.Minimum / static_cast<Extended>(inc)) * inc);
            hi = static_cast<double>(Trunc(scale.Maximum / static_cast<Extended>(inc)) * inc);
        }
        const int widest = std::max(WidestLine(Format(hi, THandlerCall::Skip)), WidestLine(Format(lo, THandlerCall::Skip)));
        return widest + axis_.ParentChart().Canvas().TextWidth(" ");
    }
    case talMark:
    case talText: {
        int widest = 0;
        for (const TChartSeries* series : axis_.ParentChart().SeriesList())
            if (series->Active())
                for (int i = 0; i < series->Count(); ++i)
                    widest = std::max(widest, WidestLine(style == talMark ? series->MarkText(i) : series->PointLabel(i)));
        return widest;
    }
    default:
        return 0;
    }
}
