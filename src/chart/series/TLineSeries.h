#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TCustomSeries.h"

// Points joined by lines; markers hidden unless asked for.
class BHN_CHART_API TLineSeries : public TCustomSeries {
public:
    static constexpr const char* ClassNameText = "TLineSeries";

    TLineSeries();

    // Takes the canvas pen from LinePen and the legend fill style from LineBrush.
    void LegendItemPen(int index, TColor& backColor, TBrushStyle& style) override;
};
