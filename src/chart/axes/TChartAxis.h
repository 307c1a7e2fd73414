#pragma once

#include "chart/axes/TCustomChartAxis.h"

// The axis the chart publishes as BottomAxis, TopAxis, LeftAxis and RightAxis.
class TChartAxis : public TCustomChartAxis {
public:
    using TCustomChartAxis::TCustomChartAxis;
};
