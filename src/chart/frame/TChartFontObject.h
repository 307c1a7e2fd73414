#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/SetterRule.h"
#include "chart/canvas/TChartFont.h"

class TCustomAxisPanel;

// A part of the chart that draws text in a font of its own; a change of the font repaints the chart.
class BHN_CHART_API TChartFontObject {
public:
    explicit TChartFontObject(TCustomAxisPanel& chart);
    TChartFontObject(const TChartFontObject&) = delete;
    TChartFontObject& operator=(const TChartFontObject&) = delete;
    virtual ~TChartFontObject() = default;

    TCustomAxisPanel& ParentChart() const { return chart_; }

    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }
    void SetFont(const TChartFont& value) { font_.Assign(value); }

protected:
    // Marks the owning chart for the next paint.
    void InvalidateChart() const;
    // The setter rule: a changed value is stored and the chart invalidated; an equal one costs nothing.
    template <typename T>
    void StoreAndInvalidate(T& field, T value)
    {
        ::StoreAndInvalidate(field, value, [this] { InvalidateChart(); });
    }

private:
    TCustomAxisPanel& chart_;
    TChartFont font_;
};
