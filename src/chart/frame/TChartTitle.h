#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TRect.h"
#include "chart/frame/TAlignment.h"
#include "chart/frame/TChartFontObject.h"
#include "chart/frame/TTitleRole.h"

#include <string>
#include <vector>

// Lines of text above the plot (the title) or below it (the foot); each takes its height from PlotRect.
class BHN_CHART_API TChartTitle : public TChartFontObject {
public:
    static constexpr TColor DefaultFontColor = clBlue;

    explicit TChartTitle(TCustomAxisPanel& chart);

    // Copies every published property; the owning chart stays.
    void Assign(const TChartTitle& source);

    bool AdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);
    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }
    void SetBrush(const TChartBrush& value) { brush_.Assign(value); }
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TChartHiddenPen& Frame() { return frame_; }
    const TChartHiddenPen& Frame() const { return frame_; }
    void SetFrame(const TChartPen& value) { frame_.Assign(value); }
    const std::vector<std::string>& Text() const { return text_; }
    void SetText(const std::vector<std::string>& lines);
    bool Visible() const { return visible_; }
    void SetVisible(bool value);

    // The font is written to a form description only when it differs from the title's own defaults.
    bool IsFontStored() const;

    // The rectangle of the last drawing, for hit testing.
    TRect TitleBox() const { return titleBox_; }
    bool TitleContains(int x, int y) const;

    // What Paint needs from the layout.
    struct TLayout {
        TTitleRole Role = TTitleRole::Title;
        // The plot's edges inside the frame; lines are aligned between them.
        int Left = 0;
        int Right = 0;
        // The first line's top; each next line is LineHeight lower.
        int TopY = 0;
        int LineHeight = 0;
        int WWidth = 0;
        bool FrameOn = false;
        bool DrawBox = false;
    };

    // Places the title at the top of PlotRect or the foot at its bottom (TitleBox), and takes that room
    // from PlotRect; nothing is drawn.
    TLayout LayOut(TTitleRole role);
    // Draws the box and lines where LayOut put them.
    void Paint(const TLayout& layout);

private:
    // A brush colour of its own becomes Color.
    void AdoptBrushColor();
    // Whether the brush fills the box.
    bool FillsBox() const;

    bool adjustFrame_ = true;
    TAlignment alignment_ = taCenter;
    TChartBrush brush_;
    TColor color_ = clAutoColor;
    TChartHiddenPen frame_;
    std::vector<std::string> text_;
    bool visible_ = true;
    TRect titleBox_;
};
