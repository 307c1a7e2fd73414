#pragma once

#include "chart/ChartApi.h"
#include "chart/panel/TCustomChart.h"

// The chart control with its published properties.
class BHN_CHART_API TChart : public TCustomChart {
public:
    using TCustomChart::TCustomChart;
};
