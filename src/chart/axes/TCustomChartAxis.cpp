#include "chart/axes/TCustomChartAxis.h"

#include "chart/axes/AxisException.h"
#include "chart/axes/CheckAxisAngle.h"
#include "chart/canvas/ChartMath.h"
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

template <typename T>
bool Store(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

}

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel& chart, TAxisKind kind)
    : chart_(chart)
    , kind_(kind)
    , title_(chart, DefaultTitleAngleOf(kind))
    , isHorizontal_(kind == TAxisKind::Bottom || kind == TAxisKind::Top)
    , isOtherSide_(kind == TAxisKind::Top || kind == TAxisKind::Right || kind == TAxisKind::Depth)
    , isDepthAxis_(kind == TAxisKind::Depth)
{
    if (isDepthAxis_)
        visible_ = false;
    const TNotifyEvent changed = [this] { Changed(); };
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

void TCustomChartAxis::Changed() const
{
    chart_.Invalidate();
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
    inverted_ = source.inverted_;
    labels_ = source.labels_;
    labelsAngle_ = source.labelsAngle_;
    labelsFont_.Assign(source.labelsFont_);
    labelsMultiLine_ = source.labelsMultiLine_;
    labelsOnAxis_ = source.labelsOnAxis_;
    labelsSeparation_ = source.labelsSeparation_;
    labelsSize_ = source.labelsSize_;
    labelStyle_ = source.labelStyle_;
    logarithmic_ = source.logarithmic_;
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
    isHorizontal_ = source.isHorizontal_;
    isOtherSide_ = source.isOtherSide_;
    isDepthAxis_ = source.isDepthAxis_;
    Changed();
}

void TCustomChartAxis::SetAutomatic(bool value)
{
    bool changed = Store(automatic_, value);
    if (!chart_.IsLoading()) {
        changed |= Store(automaticMinimum_, value);
        changed |= Store(automaticMaximum_, value);
    }
    if (changed)
        Changed();
}

void TCustomChartAxis::SetAutomaticMaximum(bool value)
{
    bool changed = Store(automaticMaximum_, value);
    if (!value || automaticMinimum_)
        changed |= Store(automatic_, value);
    if (changed)
        Changed();
}

void TCustomChartAxis::SetAutomaticMinimum(bool value)
{
    bool changed = Store(automaticMinimum_, value);
    if (!value || automaticMaximum_)
        changed |= Store(automatic_, value);
    if (changed)
        Changed();
}

void TCustomChartAxis::SetAxisValuesFormat(const std::string& value)
{
    if (Store(axisValuesFormat_, value))
        Changed();
}

void TCustomChartAxis::SetDateTimeFormat(const std::string& value)
{
    if (Store(dateTimeFormat_, value))
        Changed();
}

void TCustomChartAxis::SetExactDateTime(bool value)
{
    if (Store(exactDateTime_, value))
        Changed();
}

void TCustomChartAxis::SetGridCentered(bool value)
{
    if (Store(gridCentered_, value))
        Changed();
}

void TCustomChartAxis::SetIncrement(double value)
{
    if (!(value >= 0))
        throw AxisException("Axis increment must be >= 0");
    if (Store(increment_, value))
        Changed();
}

void TCustomChartAxis::SetInverted(bool value)
{
    if (Store(inverted_, value))
        Changed();
}

void TCustomChartAxis::SetLabels(bool value)
{
    if (Store(labels_, value))
        Changed();
}

void TCustomChartAxis::SetLabelsAngle(int value)
{
    CheckAxisAngle(value, "Axis Labels");
    if (Store(labelsAngle_, value))
        Changed();
}

void TCustomChartAxis::SetLabelsMultiLine(bool value)
{
    if (Store(labelsMultiLine_, value))
        Changed();
}

void TCustomChartAxis::SetLabelsOnAxis(bool value)
{
    if (Store(labelsOnAxis_, value))
        Changed();
}

void TCustomChartAxis::SetLabelsSeparation(int value)
{
    if (value < 0)
        throw AxisException("Labels Separation % must be greater than 0");
    if (Store(labelsSeparation_, value))
        Changed();
}

void TCustomChartAxis::SetLabelsSize(int value)
{
    if (Store(labelsSize_, value))
        Changed();
}

void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle value)
{
    if (Store(labelStyle_, value))
        Changed();
}

void TCustomChartAxis::SetLogarithmic(bool value)
{
    if (value && !logarithmic_) {
        RefreshDateTimeScale();
        if (isDateTimeScale_)
            throw AxisException("DateTime Axis cannot be Logarithmic");
        PrepareScale();
        if (!(scaleMinimum_ >= 0) || !(scaleMaximum_ >= 0))
            throw AxisException("Logarithmic Axis Min and Max values should be >= 0");
    }
    if (Store(logarithmic_, value))
        Changed();
}

void TCustomChartAxis::SetLogarithmicBase(int value)
{
    if (value < 2)
        throw AxisException("Axis Logarithmic Base should be >= 2");
    if (Store(logarithmicBase_, value))
        Changed();
}

void TCustomChartAxis::SetMaximum(double value)
{
    if (!chart_.IsLoading() && value < minimum_)
        throw AxisException("Axis Maximum Value must be >= Minimum");
    if (Store(maximum_, value))
        Changed();
}

void TCustomChartAxis::SetMinimum(double value)
{
    if (!chart_.IsLoading() && value > maximum_)
        throw AxisException("Axis Minimum Value must be <= Maximum");
    if (Store(minimum_, value))
        Changed();
}

void TCustomChartAxis::SetMinorTickCount(int value)
{
    if (Store(minorTickCount_, value))
        Changed();
}

void TCustomChartAxis::SetMinorTickLength(int value)
{
    if (Store(minorTickLength_, value))
        Changed();
}

void TCustomChartAxis::SetStartPosition(double value)
{
    if (Store(startPosition_, value))
        Changed();
}

void TCustomChartAxis::SetEndPosition(double value)
{
    if (Store(endPosition_, value))
        Changed();
}

void TCustomChartAxis::SetPositionPercent(double value)
{
    if (Store(positionPercent_, value))
        Changed();
}

void TCustomChartAxis::SetRoundFirstLabel(bool value)
{
    if (Store(roundFirstLabel_, value))
        Changed();
}

void TCustomChartAxis::SetTickInnerLength(int value)
{
    if (Store(tickInnerLength_, value))
        Changed();
}

void TCustomChartAxis::SetTickLength(int value)
{
    if (Store(tickLength_, value))
        Changed();
}

void TCustomChartAxis::SetTickOnLabelsOnly(bool value)
{
    if (Store(tickOnLabelsOnly_, value))
        Changed();
}

void TCustomChartAxis::SetTitleSize(int value)
{
    if (Store(titleSize_, value))
        Changed();
}

void TCustomChartAxis::SetVisible(bool value)
{
    if (Store(visible_, value))
        Changed();
}
