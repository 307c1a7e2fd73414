#pragma once

#include "chart/series/TCustomBarSeries.h"

// Horizontal bars at each Y; the X list holds the bar values.
class THorizBarSeries : public TCustomBarSeries {
public:
    static constexpr const char* ClassNameText = "THorizBarSeries";

    THorizBarSeries() : TCustomBarSeries(TBarDirection::Horizontal) {}

    TChartValueList& MandatoryList() override { return XValues(); }
};
