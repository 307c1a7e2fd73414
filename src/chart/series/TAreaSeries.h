#pragma once

#include "chart/series/TCustomSeries.h"

// A line series filled down to the bottom of its vertical axis.
class TAreaSeries : public TCustomSeries {
public:
    static constexpr const char* ClassNameText = "TAreaSeries";

    TAreaSeries();
};
