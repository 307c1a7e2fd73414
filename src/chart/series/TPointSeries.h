#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TCustomSeries.h"

// Markers only, no lines.
class BHN_CHART_API TPointSeries : public TCustomSeries {
public:
    static constexpr const char* ClassNameText = "TPointSeries";

    TPointSeries();

    // Turning per-point colours on also lets the pointer brush take each point's colour.
    void SetColorEachPoint(bool value) override;
};
