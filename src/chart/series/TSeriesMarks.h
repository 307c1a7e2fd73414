#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TChartFont.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TRect.h"
#include "chart/series/TSeriesMarksStyle.h"

#include <vector>

class TChartSeries;

// The text boxes a series can show beside its points.
class BHN_CHART_API TSeriesMarks {
public:
    static constexpr TColor DefaultBackColor = 0x0080FFFF;
    static constexpr int DefaultArrowLength = 8;

    explicit TSeriesMarks(TChartSeries& owner);
    TSeriesMarks(const TSeriesMarks&) = delete;
    TSeriesMarks& operator=(const TSeriesMarks&) = delete;

    // Copies every setting (not the positions); one repaint when anything changed.
    void Assign(const TSeriesMarks& source);

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    TSeriesMarksStyle Style() const { return style_; }
    void SetStyle(TSeriesMarksStyle value);
    TColor BackColor() const { return backColor_; }
    void SetBackColor(TColor value);
    int ArrowLength() const { return arrowLength_; }
    void SetArrowLength(int value);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    bool Clip() const { return clip_; }
    void SetClip(bool value);
    TChartFont& Font() { return font_; }
    void SetFont(const TChartFont& value) { font_.Assign(value); }
    TChartArrowPen& Arrow() { return arrow_; }
    void SetArrow(const TChartPen& value) { arrow_.Assign(value); }
    TChartPen& Frame() { return frame_; }
    void SetFrame(const TChartPen& value) { frame_.Assign(value); }

    // The box of each point's mark as last drawn (an empty rectangle for a point not drawn).
    const std::vector<TRect>& Positions() const { return positions_; }
    void SetPosition(int index, const TRect& rect);
    void DeletePosition(int index);
    void ClearPositions();

private:
    void Changed() const;

    TChartSeries& owner_;
    bool visible_ = false;
    TSeriesMarksStyle style_ = smsLabel;
    TColor backColor_ = DefaultBackColor;
    int arrowLength_ = DefaultArrowLength;
    bool transparent_ = false;
    bool clip_ = false;
    TChartFont font_;
    TChartArrowPen arrow_;
    TChartPen frame_;
    std::vector<TRect> positions_;
};
