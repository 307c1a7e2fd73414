#include "chart/frame/TChartTitle.h"

#include "chart/canvas/CanvasGuards.h"
#include "chart/canvas/SystemColors.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"

#include <algorithm>

namespace {

// The room between a title and the plot (and between the plot and a foot).
constexpr int TitleFootGap = 5;

} // namespace

TChartTitle::TChartTitle(TCustomAxisPanel& chart)
    : TChartFontObject(chart), brush_(clAutoColor, bsSolid)
{
    Font().SetColor(DefaultFontColor);
    brush_.SetOnChange([this] { InvalidateChart(); });
    frame_.SetOnChange([this] { InvalidateChart(); });
}

void TChartTitle::Assign(const TChartTitle& source)
{
    SetAdjustFrame(source.adjustFrame_);
    SetAlignment(source.alignment_);
    SetBrush(source.brush_);
    SetColor(source.color_);
    SetFont(source.Font());
    SetFrame(source.frame_);
    SetText(source.text_);
    SetVisible(source.visible_);
}

void TChartTitle::SetAdjustFrame(bool value)
{
    StoreAndInvalidate(adjustFrame_, value);
}

void TChartTitle::SetAlignment(TAlignment value)
{
    StoreAndInvalidate(alignment_, value);
}

void TChartTitle::SetColor(TColor value)
{
    StoreAndInvalidate(color_, value);
}

void TChartTitle::SetText(const std::vector<std::string>& lines)
{
    StoreAndInvalidate(text_, lines);
}

void TChartTitle::SetVisible(bool value)
{
    StoreAndInvalidate(visible_, value);
}

bool TChartTitle::IsFontStored() const
{
    const TChartFont& font = Font();
    return font.Name() != TChartFont::DefaultName || font.Size() != TChartFont::DefaultSize
        || font.Color() != DefaultFontColor || !font.Style().IsEmpty();
}

bool TChartTitle::TitleContains(int x, int y) const
{
    return visible_ && titleBox_.Contains({x, y});
}

void TChartTitle::AdoptBrushColor()
{
    // A brush colour of its own becomes the title's Color, so the stored settings show what is drawn.
    if (color_ == clAutoColor && brush_.Style() == bsSolid && brush_.Color() != clAutoColor)
        SetColor(brush_.Color());
}

bool TChartTitle::FillsBox() const
{
    return brush_.Style() == bsSolid ? color_ != clAutoColor : brush_.Style() != bsClear;
}

TChartTitle::TLayout TChartTitle::LayOut(TTitleRole role)
{
    AdoptBrushColor();
    const bool isTitle = role == TTitleRole::Title;
    TCustomAxisPanel& chart = ParentChart();
    TChartCanvas3D& canvas = chart.Canvas();
    canvas.Font().Assign(Font());

    TLayout layout;
    layout.Role = role;
    layout.LineHeight = canvas.FontHeight();
    layout.FrameOn = frame_.Visible() && frame_.Color() != clAutoColor;
    const int frameWidth = layout.FrameOn ? frame_.Width() : 0;
    TRect plot = chart.PlotRect();
    layout.Left = plot.Left + frameWidth;
    layout.Right = plot.Right - frameWidth;
    const int lineCount = static_cast<int>(text_.size());
    const int linesHeight = lineCount * layout.LineHeight;
    // Without lines the gap is not taken either.
    const int taken = lineCount > 0 ? linesHeight + TitleFootGap : 0;
    if (isTitle) {
        const int topY = plot.Top + frameWidth;
        layout.TopY = topY;
        titleBox_ = {layout.Left, topY, layout.Right, topY + linesHeight};
        plot.Top = topY + taken + frameWidth;
    } else {
        const int bottomY = plot.Bottom - frameWidth;
        layout.TopY = bottomY - linesHeight;
        titleBox_ = {layout.Left, bottomY - linesHeight, layout.Right, bottomY};
        plot.Bottom = bottomY - taken - frameWidth;
    }
    titleBox_ = titleBox_.Inflate(frameWidth, frameWidth);

    layout.WWidth = canvas.TextWidth("W");
    layout.DrawBox = layout.FrameOn || FillsBox();
    if (layout.DrawBox && adjustFrame_) {
        int widest = 0;
        for (const std::string& line : text_)
            widest = std::max(widest, canvas.TextWidth(line));
        const int boxWidth = widest + layout.WWidth;
        switch (alignment_) {
        case taLeftJustify:
            titleBox_.Right = titleBox_.Left + boxWidth;
            break;
        case taRightJustify:
            titleBox_.Left = titleBox_.Right - boxWidth;
            break;
        case taCenter: {
            const int mid = (titleBox_.Left + titleBox_.Right) / 2;
            titleBox_.Left = mid - boxWidth / 2;
            titleBox_.Right = mid + boxWidth / 2;
            break;
        }
        }
    }
    chart.SetPlotRect(plot);
    return layout;
}

void TChartTitle::Paint(const TLayout& layout)
{
    TChartCanvas3D& canvas = ParentChart().Canvas();
    canvas.Font().Assign(Font());
    if (brush_.Style() == bsSolid) {
        canvas.Brush().SetColor(color_);
        canvas.Brush().SetStyle(color_ == clAutoColor ? bsClear : bsSolid);
    } else {
        canvas.Brush().Assign(brush_);
        if (color_ == clAutoColor) {
            canvas.SetBackMode(bmTransparent);
        } else {
            canvas.SetBackMode(bmOpaque);
            canvas.SetBackColor(ColorToRGB(color_));
        }
    }
    if (layout.FrameOn)
        canvas.SelectChartPen(frame_);
    else
        canvas.Pen().SetStyle(psClear);
    if (layout.DrawBox)
        canvas.Rectangle(titleBox_);

    canvas.SetBackMode(bmTransparent);
    const TTextAlignGuard align(canvas, TA_LEFT | TA_TOP);
    const int lineCount = static_cast<int>(text_.size());
    // The foot draws its lowest line first.
    const bool isTitle = layout.Role == TTitleRole::Title;
    for (int i = 0; i < lineCount; ++i) {
        const int index = isTitle ? i : lineCount - 1 - i;
        const std::string& line = text_[static_cast<std::size_t>(index)];
        const int textWidth = canvas.TextWidth(line);
        int x = 0;
        switch (alignment_) {
        case taLeftJustify:
            x = layout.Left + layout.WWidth / 2;
            break;
        case taRightJustify:
            x = layout.Right - textWidth - layout.WWidth / 2;
            break;
        case taCenter:
            x = (layout.Left + layout.Right) / 2 - textWidth / 2;
            break;
        }
        canvas.TextOut(x, layout.TopY + index * layout.LineHeight, line);
    }
}
