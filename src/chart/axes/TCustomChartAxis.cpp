#include "chart/axes/TCustomChartAxis.h"

#include "chart/axes/AxisException.h"
#include "chart/axes/CheckAxisAngle.h"
#include "chart/axes/TChartAxis.h"
#include "chart/canvas/ChartMath.h"
#include "chart/canvas/SetterRule.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"

#include <algorithm>
#include <cmath>

namespace {

int DefaultTitleAngleOf(TAxisKind kind)
{
    switch (kind) {
    case TAxisKind::Left:
        return 90;
    case TAxisKind::Right:
        return 270;
    default:
        return 0;
    }
}

}

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel& chart, TAxisKind kind)
    : chart_(chart)
    , kind_(kind)
    , title_(chart, DefaultTitleAngleOf(kind))
{
    if (IsDepthAxis())
        visible_ = false;
    const TNotifyEvent changed = [this] { InvalidateChart(); };
    axis_.SetOnChange(changed);
    grid_.SetOnChange(changed);
    minorGrid_.SetOnChange(changed);
    minorTicks_.SetOnChange(changed);
    ticks_.SetOnChange(changed);
    ticksInner_.SetOnChange(changed);
    labelsFont_.SetOnChange(changed);
    chart_.AddAxis(this);
}

TCustomChartAxis::~TCustomChartAxis() = default;

TChartAxis& TCustomChartAxis::AsChartAxis()
{
    return static_cast<TChartAxis&>(*this);
}

void TCustomChartAxis::InvalidateChart() const
{
    chart_.Invalidate();
}

void TCustomChartAxis::RepaintNow() const
{
    chart_.RepaintNow();
}

template <typename T>
void TCustomChartAxis::StoreAndInvalidate(T& field, const T& value)
{
    ::StoreAndInvalidate(field, value, [this] { InvalidateChart(); });
}

void TCustomChartAxis::Assign(const TCustomChartAxis& source)
{
    if (&source == this)
        return;
    automatic_ = source.automatic_;
    automaticMaximum_ = source.automaticMaximum_;
    automaticMinimum_ = source.automaticMinimum_;
    axis_.Assign(source.axis_);
    axisValuesFormat_ = source.axisValuesFormat_;
    dateTimeFormat_ = source.dateTimeFormat_;
    exactDateTime_ = source.exactDateTime_;
    grid_.Assign(source.grid_);
    gridCentered_ = source.gridCentered_;
    increment_ = source.increment_;
    scale_.Inverted = source.scale_.Inverted;
    labels_ = source.labels_;
    labelsAngle_ = source.labelsAngle_;
    labelsFont_.Assign(source.labelsFont_);
    labelsMultiLine_ = source.labelsMultiLine_;
    labelsOnAxis_ = source.labelsOnAxis_;
    labelsSeparation_ = source.labelsSeparation_;
    labelsSize_ = source.labelsSize_;
    labelStyle_ = source.labelStyle_;
    scale_.Logarithmic = source.scale_.Logarithmic;
    logarithmicBase_ = source.logarithmicBase_;
    maximum_ = source.maximum_;
    minimum_ = source.minimum_;
    minorGrid_.Assign(source.minorGrid_);
    minorTickCount_ = source.minorTickCount_;
    minorTickLength_ = source.minorTickLength_;
    minorTicks_.Assign(source.minorTicks_);
    startPosition_ = source.startPosition_;
    endPosition_ = source.endPosition_;
    positionPercent_ = source.positionPercent_;
    roundFirstLabel_ = source.roundFirstLabel_;
    tickInnerLength_ = source.tickInnerLength_;
    tickLength_ = source.tickLength_;
    tickOnLabelsOnly_ = source.tickOnLabelsOnly_;
    ticks_.Assign(source.ticks_);
    ticksInner_.Assign(source.ticksInner_);
    title_.Assign(source.title_);
    titleSize_ = source.titleSize_;
    visible_ = source.visible_;
    kind_ = source.kind_;
    InvalidateChart();
}

void TCustomChartAxis::SetAutomatic(bool value)
{
    bool changed = StoreChanged(automatic_, value);
    if (!chart_.IsLoading()) {
        changed |= StoreChanged(automaticMinimum_, value);
        changed |= StoreChanged(automaticMaximum_, value);
    }
    if (changed)
        InvalidateChart();
}

void TCustomChartAxis::SetAutomaticMaximum(bool value)
{
    bool changed = StoreChanged(automaticMaximum_, value);
    if (!value || automaticMinimum_)
        changed |= StoreChanged(automatic_, value);
    if (changed)
        InvalidateChart();
}

void TCustomChartAxis::SetAutomaticMinimum(bool value)
{
    bool changed = StoreChanged(automaticMinimum_, value);
    if (!value || automaticMaximum_)
        changed |= StoreChanged(automatic_, value);
    if (changed)
        InvalidateChart();
}

void TCustomChartAxis::SetAxisValuesFormat(const std::string& value)
{
    StoreAndInvalidate(axisValuesFormat_, value);
}

void TCustomChartAxis::SetDateTimeFormat(const std::string& value)
{
    StoreAndInvalidate(dateTimeFormat_, value);
}

void TCustomChartAxis::SetExactDateTime(bool value)
{
    StoreAndInvalidate(exactDateTime_, value);
}

void TCustomChartAxis::SetGridCentered(bool value)
{
    StoreAndInvalidate(gridCentered_, value);
}

void TCustomChartAxis::SetIncrement(double value)
{
    if (!(value >= 0))
        throw AxisException("Axis increment must be >= 0");
    StoreAndInvalidate(increment_, value);
}

void TCustomChartAxis::SetInverted(bool value)
{
    StoreAndInvalidate(scale_.Inverted, value);
}

void TCustomChartAxis::SetLabels(bool value)
{
    StoreAndInvalidate(labels_, value);
}

void TCustomChartAxis::SetLabelsAngle(int value)
{
    CheckAxisAngle(value, "Axis Labels");
    StoreAndInvalidate(labelsAngle_, value);
}

void TCustomChartAxis::SetLabelsMultiLine(bool value)
{
    StoreAndInvalidate(labelsMultiLine_, value);
}

void TCustomChartAxis::SetLabelsOnAxis(bool value)
{
    StoreAndInvalidate(labelsOnAxis_, value);
}

void TCustomChartAxis::SetLabelsSeparation(int value)
{
    if (value < 0)
        throw AxisException("Labels Separation % must be greater than 0");
    StoreAndInvalidate(labelsSeparation_, value);
}

void TCustomChartAxis::SetLabelsSize(int value)
{
    StoreAndInvalidate(labelsSize_, value);
}

void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle value)
{
    // The only setter that paints at once rather than at the next paint.
    if (StoreChanged(labelStyle_, value))
        RepaintNow();
}

void TCustomChartAxis::SetLogarithmic(bool value)
{
    if (value && !scale_.Logarithmic) {
        RefreshDateTimeScale();
        if (isDateTimeScale_)
            throw AxisException("DateTime Axis cannot be Logarithmic");
        PrepareScale();
        if (!(scale_.Minimum >= 0) || !(scale_.Maximum >= 0))
            throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
    }
    StoreAndInvalidate(scale_.Logarithmic, value);
}

void TCustomChartAxis::SetLogarithmicBase(int value)
{
    if (value < 2)
        throw AxisException("Axis Logarithmic Base should be >= 2");
    StoreAndInvalidate(logarithmicBase_, value);
}

void TCustomChartAxis::SetMaximum(double value)
{
    if (!chart_.IsLoading() && value < minimum_)
        throw AxisException("Axis Maximum Value must be >= Minimum");
    StoreAndInvalidate(maximum_, value);
}

void TCustomChartAxis::SetMinimum(double value)
{
    if (!chart_.IsLoading() && value > maximum_)
        throw AxisException("Axis Minimum Value must be <= Maximum");
    StoreAndInvalidate(minimum_, value);
}

void TCustomChartAxis::SetMinorTickCount(int value)
{
    StoreAndInvalidate(minorTickCount_, value);
}

void TCustomChartAxis::SetMinorTickLength(int value)
{
    StoreAndInvalidate(minorTickLength_, value);
}

void TCustomChartAxis::SetStartPosition(double value)
{
    StoreAndInvalidate(startPosition_, value);
}

void TCustomChartAxis::SetEndPosition(double value)
{
    StoreAndInvalidate(endPosition_, value);
}

void TCustomChartAxis::SetPositionPercent(double value)
{
    StoreAndInvalidate(positionPercent_, value);
}

void TCustomChartAxis::SetRoundFirstLabel(bool value)
{
    StoreAndInvalidate(roundFirstLabel_, value);
}

void TCustomChartAxis::SetTickInnerLength(int value)
{
    StoreAndInvalidate(tickInnerLength_, value);
}

void TCustomChartAxis::SetTickLength(int value)
{
    StoreAndInvalidate(tickLength_, value);
}

void TCustomChartAxis::SetTickOnLabelsOnly(bool value)
{
    StoreAndInvalidate(tickOnLabelsOnly_, value);
}

void TCustomChartAxis::SetTitleSize(int value)
{
    StoreAndInvalidate(titleSize_, value);
}

void TCustomChartAxis::SetVisible(bool value)
{
    StoreAndInvalidate(visible_, value);
}
