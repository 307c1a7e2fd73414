#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TCustomBarSeries.h"

// Vertical bars at each X.
class BHN_CHART_API TBarSeries : public TCustomBarSeries {
public:
    static constexpr const char* ClassNameText = "TBarSeries";

    TBarSeries() : TCustomBarSeries(TBarDirection::Vertical) {}
};
