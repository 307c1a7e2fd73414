#pragma once

#include "chart/panel/TCustomChart.h"

// The chart control with its published properties.
class TChart : public TCustomChart {
public:
    using TCustomChart::TCustomChart;
};
