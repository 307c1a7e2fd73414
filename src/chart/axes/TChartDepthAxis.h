#pragma once

#include "chart/axes/TChartAxis.h"

// The depth axis: hidden by default, shown only in 3D, other side.
class TChartDepthAxis : public TChartAxis {
public:
    explicit TChartDepthAxis(TCustomAxisPanel& chart) : TChartAxis(chart, TAxisKind::Depth) {}
};
