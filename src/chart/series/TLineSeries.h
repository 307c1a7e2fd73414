#pragma once

#include "chart/series/TCustomSeries.h"

// Points joined by lines; markers hidden unless asked for.
class TLineSeries : public TCustomSeries {
public:
    static constexpr const char* ClassNameText = "TLineSeries";

    TLineSeries();

    // Takes the canvas pen from LinePen and the legend fill style from LineBrush.
    void LegendItemPen(int index, TColor& backColor, TBrushStyle& style) override;
};
