#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TCustomBarSeries.h"

// Horizontal bars at each Y; the X list holds the bar values.
class BHN_CHART_API THorizBarSeries : public TCustomBarSeries {
public:
    static constexpr const char* ClassNameText = "THorizBarSeries";

    THorizBarSeries() : TCustomBarSeries(TBarDirection::Horizontal) {}

    TChartValueList& MandatoryList() override { return XValues(); }
};
