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
    brush_.SetOnChange([this] { Repaint(); });
    frame_.SetOnChange([this] { Repaint(); });
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
    Store(adjustFrame_, value);
}

void TChartTitle::SetAlignment(TAlignment value)
{
    Store(alignment_, value);
}

void TChartTitle::SetColor(TColor value)
{
    Store(color_, value);
}

void TChartTitle::SetText(const std::vector<std::string>& lines)
{
    Store(text_, lines);
}

void TChartTitle::SetVisible(bool value)
{
    Store(visible_, value);
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

void TChartTitle::PaintTitle(TTitleRole role)
{
    const bool isTitle = role == TTitleRole::Title;
    TCustomAxisPanel& chart = ParentChart();
    TChartCanvas3D& canvas = chart.Canvas();
    canvas.Font().Assign(Font());
    const int lineHeight = canvas.FontHeight();

    // A brush colour of its own becomes the title's Color, so the stored settings show what is drawn.
    if (color_ == clAutoColor && brush_.Style() == bsSolid && brush_.Color() != clAutoColor)
        SetColor(brush_.Color());
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

    // A clear brush of the title's own fills nothing either, so neither does it narrow the box.
    const bool brushClear = canvas.Brush().Style() == bsClear;
    const bool frameOn = frame_.Visible() && frame_.Color() != clAutoColor;
    const int frameWidth = frameOn ? frame_.Width() : 0;
    const TRect plot = chart.PlotRect();
    const int left = plot.Left + frameWidth;
    const int right = plot.Right - frameWidth;
    int topY = 0;
    int bottomY = 0;
    if (isTitle) {
        topY = plot.Top + frameWidth;
        bottomY = topY - TitleFootGap;
    } else {
        bottomY = plot.Bottom - frameWidth;
        topY = bottomY + TitleFootGap;
    }
    const int lineCount = static_cast<int>(text_.size());
    titleBox_ = {left, topY, right, bottomY};
    if (isTitle)
        titleBox_.Bottom = topY + lineCount * lineHeight;
    else
        titleBox_.Top = bottomY - lineCount * lineHeight;

    int penWidth = 0;
    if (frameOn) {
        canvas.SelectChartPen(frame_);
        penWidth = frame_.Width();
    } else {
        canvas.Pen().SetStyle(psClear);
    }
    titleBox_ = titleBox_.Inflate(penWidth, penWidth);

    const int wWidth = canvas.TextWidth("W");
    if (frameOn || !brushClear) {
        if (adjustFrame_) {
            int widest = 0;
            for (const std::string& line : text_)
                widest = std::max(widest, canvas.TextWidth(line));
            const int boxWidth = widest + wWidth;
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
        canvas.Rectangle(titleBox_);
    }

    canvas.SetBackMode(bmTransparent);
    const TTextAlignGuard align(canvas, TA_LEFT | TA_TOP);
    for (int i = 0; i < lineCount; ++i) {
        const std::string& line = text_[static_cast<std::size_t>(isTitle ? i : lineCount - 1 - i)];
        const int textWidth = canvas.TextWidth(line);
        int x = 0;
        switch (alignment_) {
        case taLeftJustify:
            x = left + wWidth / 2;
            break;
        case taRightJustify:
            x = right - textWidth - wWidth / 2;
            break;
        case taCenter:
            x = (left + right) / 2 - textWidth / 2;
            break;
        }
        if (isTitle) {
            canvas.TextOut(x, topY, line);
            topY += lineHeight;
            bottomY = topY;
        } else {
            const int y = bottomY - lineHeight;
            canvas.TextOut(x, y, line);
            bottomY = y;
            topY = y;
        }
    }

    TRect newPlot = chart.PlotRect();
    if (isTitle)
        newPlot.Top = bottomY + penWidth + TitleFootGap;
    else
        newPlot.Bottom = topY - penWidth - TitleFootGap;
    chart.SetPlotRect(newPlot);
}
