#pragma once

#include "chart/ChartApi.h"
#include "chart/axes/TCustomChartAxis.h"

// The axis the chart publishes as BottomAxis, TopAxis, LeftAxis and RightAxis.
class BHN_CHART_API TChartAxis : public TCustomChartAxis {
public:
    TChartAxis(TCustomAxisPanel& chart, TAxisKind kind) : TCustomChartAxis(chart, kind) {}
};
