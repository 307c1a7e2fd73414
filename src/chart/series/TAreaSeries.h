#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TCustomSeries.h"

// A line series filled down to the bottom of its vertical axis.
class BHN_CHART_API TAreaSeries : public TCustomSeries {
public:
    static constexpr const char* ClassNameText = "TAreaSeries";

    TAreaSeries();
};
