#pragma once

#include "chart/ChartApi.h"
#include "chart/axes/TChartAxis.h"

// The depth axis: hidden by default, shown only in 3D, other side.
class BHN_CHART_API TChartDepthAxis : public TChartAxis {
public:
    explicit TChartDepthAxis(TCustomAxisPanel& chart) : TChartAxis(chart, TAxisKind::Depth) {}
};
