#pragma once

#include "chart/series/TCustomBarSeries.h"

// Vertical bars at each X.
class TBarSeries : public TCustomBarSeries {
public:
    static constexpr const char* ClassNameText = "TBarSeries";

    TBarSeries() : TCustomBarSeries(TBarDirection::Vertical) {}
};
