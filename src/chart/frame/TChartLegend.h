#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TRect.h"
#include "chart/frame/TChartFontObject.h"
#include "chart/frame/TLegendAlignment.h"
#include "chart/frame/TLegendStyle.h"
#include "chart/frame/TLegendValueWidths.h"
#include "chart/series/TLegendTextStyle.h"

#include <string>

class TCustomChart;

// The box beside, above or below the plot that lists the series (or the values of one series).
class BHN_CHART_API TChartLegend : public TChartFontObject {
public:
    explicit TChartLegend(TCustomChart& chart);

    // Copies every published property; the owning chart stays.
    void Assign(const TChartLegend& source);

    TLegendAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment value);
    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }
    void SetBrush(const TChartBrush& value) { brush_.Assign(value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    int ColorWidth() const { return colorWidth_; }
    // Refuses a value outside 0..100 with a LegendException.
    void SetColorWidth(int value);
    TChartHiddenPen& DividingLines() { return dividingLines_; }
    const TChartHiddenPen& DividingLines() const { return dividingLines_; }
    void SetDividingLines(const TChartPen& value) { dividingLines_.Assign(value); }
    int FirstValue() const { return firstValue_; }
    // Refuses a negative value with a LegendException.
    void SetFirstValue(int value);
    TChartPen& Frame() { return frame_; }
    const TChartPen& Frame() const { return frame_; }
    void SetFrame(const TChartPen& value) { frame_.Assign(value); }
    int HorizMargin() const { return horizMargin_; }
    void SetHorizMargin(int value);
    bool Inverted() const { return inverted_; }
    void SetInverted(bool value);
    TLegendStyle LegendStyle() const { return legendStyle_; }
    void SetLegendStyle(TLegendStyle value);
    int MaxNumRows() const { return maxNumRows_; }
    void SetMaxNumRows(int value);
    bool ResizeChart() const { return resizeChart_; }
    void SetResizeChart(bool value);
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor value);
    int ShadowSize() const { return shadowSize_; }
    void SetShadowSize(int value);
    TLegendTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(TLegendTextStyle value);
    int TopPos() const { return topPos_; }
    // Refuses a value outside 0..100 with a LegendException.
    void SetTopPos(int value);
    int VertMargin() const { return vertMargin_; }
    void SetVertMargin(int value);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // LegendStyle, with lsAuto resolved against the chart's active series.
    TLegendStyle EffectiveLegendStyle() const;
    // Layout of the last draw, used by the hit test.
    int ColorBoxWidth() const { return colorBoxWidth_; }
    int ColumnCount() const { return columnCount_; }
    int RowCount() const { return rowCount_; }
    TRect LegendBox() const { return legendBox_; }

    // The number of items to list, FirstValue skipped; never negative.
    int LegendEntryCount() const;
    // The text of item index (FirstValue counted), after OnGetLegendText.
    std::string ItemText(int index) const;
    // The widest canvas text of count items from FirstValue (all items for -1); the legend font must be selected.
    int WidestItemText(int count) const;

    // The position (from the first drawn item) of the item under the point, or -1.
    int ItemAt(int x, int y) const;

    // What Paint needs from the layout.
    struct TLayout {
        TLegendStyle Style = lsAuto;
        // The number of items drawn; none when not even one fits.
        int ShownCount = 0;
        int Top = 0;
        int XColor = 0;
        int XText = 0;
        int ItemWidth = 0;
        int ItemHeight = 0;
    };

    // Places the box and the items (LegendBox, ColumnCount, RowCount) and, when an item fits, takes their
    // room from PlotRect; nothing is drawn.
    TLayout LayOut();
    // Draws the box and the items where LayOut put them.
    void Paint(const TLayout& layout);

private:
    bool IsVertical() const { return alignment_ == laLeft || alignment_ == laRight; }
    // Places the box and the item columns; returns how many items fit.
    int PlaceBox(TLayout& place, int entryCount);
    // Columns and rows of a top or bottom legend.
    void CalcColumnsRows(int itemWidth, int entryCount);
    // Frame, shadow and background around LegendBox.
    void DrawBox();
    void DrawItems(const TLayout& place);
    // Takes the legend's box and margin from PlotRect.
    void TakeSpace();

    TCustomChart& chart_;
    TLegendAlignment alignment_ = laRight;
    TChartBrush brush_;
    TColor color_ = clWhite;
    int colorWidth_ = 12;
    TChartHiddenPen dividingLines_;
    int firstValue_ = 0;
    TChartPen frame_;
    int horizMargin_ = 0;
    bool inverted_ = false;
    TLegendStyle legendStyle_ = lsAuto;
    int maxNumRows_ = 10;
    bool resizeChart_ = true;
    TColor shadowColor_ = clBlack;
    int shadowSize_ = 3;
    TLegendTextStyle textStyle_ = ltsLeftValue;
    int topPos_ = 10;
    int vertMargin_ = 0;
    bool visible_ = true;

    int colorBoxWidth_ = 0;
    int columnCount_ = 0;
    int rowCount_ = 0;
    TRect legendBox_;
    mutable TLegendValueWidths valueWidths_;
};
