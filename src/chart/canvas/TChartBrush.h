#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/BrushTypes.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TNotifyEvent.h"

// A fill: colour and style. Setters compare, store and notify.
class BHN_CHART_API TChartBrush {
public:
    TChartBrush() = default;
    TChartBrush(TColor color, TBrushStyle style);
    TChartBrush(const TChartBrush&) = delete;
    TChartBrush& operator=(const TChartBrush&) = delete;

    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle value);

    // Copies colour and style; notifies once when anything changed.
    void Assign(const TChartBrush& source);

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler);

private:
    void Changed() const;

    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    TNotifyEvent onChange_;
};
