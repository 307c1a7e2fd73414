#include "chart/axes/TCustomChartAxis.h"

#include "chart/axes/TAxisLabelLoops.h"
#include "chart/axes/TAxisLabelTexts.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/TChartSeries.h"

#include <cmath>
#include <string>
#include <utility>

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

std::string TCustomChartAxis::LabelText(double value) const
{
    return TAxisLabelTexts(*this).Format(value, TAxisLabelTexts::THandlerCall::Call);
}

int TCustomChartAxis::LabelWidth(double value) const
{
    return TAxisLabelTexts(*this).WidthOf(LabelText(value));
}

int TCustomChartAxis::LabelHeight(double value) const
{
    return TAxisLabelTexts(*this).HeightOf(LabelText(value));
}

int TCustomChartAxis::MaxLabelsWidth() const
{
    return TAxisLabelTexts(*this).MaxLabelsWidth();
}

double TCustomChartAxis::ComputeIncrement() const
{
    return TAxisLabelTexts(*this).Increment(TAxisLabelTexts::THandlerCall::Call);
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
        TAxisLabelLoops::ForEachValueLabel(scale_, roundFirstLabel_, inc, [&](double v) {
            std::string text = LabelText(v);
            distinct = first || text != previous;
            first = false;
            previous = std::move(text);
            return distinct;
        });
    }
    return distinct;
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
