#include "chart/axes/TCustomChartAxis.h"

#include "chart/axes/AxisDateTime.h"
#include "chart/axes/AxisTextLines.h"
#include "chart/axes/TAxisLabelLoops.h"
#include "chart/axes/TAxisTickPositions.h"
#include "chart/axes/TChartAxis.h"
#include "chart/canvas/ChartMath.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "numeric/Extended.h"

namespace {

// Leaves the text alignment at left-top, whatever a text drawing set.
class TResetTextAlign {
public:
    explicit TResetTextAlign(TChartCanvas& canvas) : canvas_(canvas) {}
    TResetTextAlign(const TResetTextAlign&) = delete;
    TResetTextAlign& operator=(const TResetTextAlign&) = delete;
    ~TResetTextAlign() { canvas_.SetTextAlign(TA_LEFT | TA_TOP); }

private:
    TChartCanvas& canvas_;
};

}

int TCustomChartAxis::WallSize(const TCustomChartAxis& axis) const
{
    return chart_.WallSizeForAxis(axis);
}

int TCustomChartAxis::ChartDepth() const
{
    return chart_.Depth3DX();
}

void TCustomChartAxis::DrawAxis()
{
    RefreshDateTimeScale();
    TChartCanvas3D& canvas = chart_.Canvas();
    canvas.Font().Assign(labelsFont_);
    const double inc = ComputeIncrement();
    if (!title_.Caption().empty())
        DrawTitle();
    TAxisTickPositions ticks;
    if (inc > 0 || (isDateTimeScale_ && IsCalendarDateTimeStep(inc)))
        TAxisLabelLoops(*this, ticks, [this](int pos, const std::string& text) { DrawLabel(pos, text); }).Produce(inc);
    DrawAxisLine();
    DrawTicks(ticks_, 1, tickLength_, ticks);
    DrawGrid(ticks);
    DrawTicks(ticksInner_, -1, -tickInnerLength_, ticks);
    DrawMinorTicksAndGrid(ticks);
}

void TCustomChartAxis::SelectTextFont(const TChartFont& font)
{
    TChartCanvas3D& canvas = chart_.Canvas();
    canvas.Font().Assign(font);
    if (chart_.PrintingNow() && font.Color() == clWhite)
        canvas.Font().SetColor(clBlack);
    canvas.Brush().SetColor(chart_.Color());
    canvas.Brush().SetStyle(bsClear);
}

void TCustomChartAxis::DrawTitle()
{
    SelectTextFont(title_.Font());
    if (IsHorizontal())
        DrawAxisText(scale_.PixelCentre(), titlePos_, title_.Angle(), title_.Caption());
    else
        DrawAxisText(titlePos_, scale_.PixelCentre(), title_.Angle(), title_.Caption());
}

void TCustomChartAxis::DrawLabel(int pos, const std::string& text)
{
    SelectTextFont(labelsFont_);
    if (IsDepthAxis()) {
        TChartCanvas3D& canvas = chart_.Canvas();
        const TResetTextAlign reset(canvas);
        canvas.SetTextAlign(TA_LEFT | TA_TOP);
        canvas.TextOut3D(labelsPos_, chart_.PlotRect().Bottom, pos, text);
    } else if (IsHorizontal()) {
        DrawAxisText(pos, labelsPos_, labelsAngle_, text);
    } else {
        DrawAxisText(labelsPos_, pos, labelsAngle_, text);
    }
}

// Angles other than 0, 90, 180 and 270 draw left-top aligned lines, the first one at the anchor.
void TCustomChartAxis::DrawAxisText(int x, int y, int angle, const std::string& text)
{
    TChartCanvas3D& canvas = chart_.Canvas();
    const TResetTextAlign reset(canvas);
    const int h = canvas.FontHeight();
    const int half = h / 2;
    const std::vector<std::string_view> lines = AxisTextLines(text);
    const Extended n = static_cast<Extended>(lines.size());
    const int z = IsOtherSide() ? ChartDepth() : 0;
    const bool near = !IsOtherSide();

    unsigned align = TA_LEFT | TA_TOP;
    switch (angle) {
    case 0:
        if (IsHorizontal())
            align = near ? TA_CENTER : TA_CENTER | TA_BOTTOM;
        else
            align = near ? TA_RIGHT : TA_LEFT;
        if (!IsHorizontal())
            y -= half;
        break;
    case 90:
        if (IsHorizontal()) {
            align = near ? TA_RIGHT : TA_LEFT;
            x -= half;
        } else {
            align = near ? TA_CENTER | TA_BOTTOM : TA_CENTER;
        }
        break;
    case 180:
        if (IsHorizontal()) {
            align = near ? TA_CENTER | TA_BOTTOM : TA_CENTER;
        } else {
            align = near ? TA_LEFT : TA_RIGHT;
            y += half;
        }
        break;
    case 270:
        if (IsHorizontal()) {
            align = near ? TA_LEFT : TA_RIGHT;
            x += half;
        } else {
            align = near ? TA_CENTER : TA_CENTER | TA_BOTTOM;
        }
        break;
    default:
        break;
    }
    canvas.SetTextAlign(align);

    const int s = angle == 180 || angle == 270 ? -h : h;
    const int allLines = Round(n * s);
    const int halfBlock = Round(s * 0.5_ext * (n + 1));
    if (IsHorizontal()) {
        if (angle == 0)
            y -= near ? s : allLines;
        else if (angle == 90 || angle == 270)
            x -= halfBlock;
        else if (angle == 180)
            y -= near ? allLines : s;
        else
            y -= s;
    } else {
        if (angle == 0 || angle == 180)
            y -= halfBlock;
        else if (angle == 90)
            x -= near ? allLines : s;
        else if (angle == 270)
            x -= near ? s : allLines;
        else
            y -= s;
    }

    for (std::string_view line : lines) {
        if (angle == 90 || angle == 270)
            x += s;
        else
            y += s;
        if (angle == 0)
            canvas.TextOut3D(x, y, z, line);
        else
            canvas.RotatedText(x, y, z, angle, line);
    }
}

void TCustomChartAxis::DrawAxisLine()
{
    if (!axis_.Visible())
        return;
    TChartCanvas3D& canvas = chart_.Canvas();
    canvas.SelectChartPen(axis_);
    const int w = WallSize(*this);
    if (IsDepthAxis()) {
        const TRect plot = chart_.PlotRect();
        canvas.ZLine3D(plot.Right, plot.Bottom, scale_.PixelStart, scale_.PixelEnd);
    } else if (IsHorizontal()) {
        if (IsOtherSide())
            canvas.HorizLine3D(scale_.PixelStart, scale_.PixelEnd, linePos_, ChartDepth());
        else
            canvas.HorizLine3D(scale_.PixelStart - WallSize(chart_.LeftAxis()), scale_.PixelEnd, linePos_ + w, 0);
    } else {
        if (IsOtherSide())
            canvas.VertLine3D(linePos_, scale_.PixelStart, scale_.PixelEnd, ChartDepth());
        else
            canvas.VertLine3D(linePos_ - w, scale_.PixelStart, scale_.PixelEnd + WallSize(chart_.BottomAxis()), 0);
    }
}

void TCustomChartAxis::DrawTick(int pos, int direction, int length)
{
    TChartCanvas3D& canvas = chart_.Canvas();
    const int w = WallSize(*this);
    if (IsHorizontal()) {
        if (IsOtherSide())
            canvas.VertLine3D(pos, linePos_ - direction, linePos_ - direction - length, ChartDepth());
        else
            canvas.VertLine3D(pos, linePos_ + direction + w, linePos_ + direction + w + length, 0);
    } else {
        if (IsOtherSide())
            canvas.HorizLine3D(linePos_ + direction, linePos_ + direction + length, pos, ChartDepth());
        else
            canvas.HorizLine3D(linePos_ - direction - w, linePos_ - direction - w - length, pos, 0);
    }
}

void TCustomChartAxis::DrawTicks(const TChartPen& pen, int direction, int length, const TAxisTickPositions& ticks)
{
    // A zero length paints nothing; the depth axis has no ticks of its own.
    if (!pen.Visible() || length == 0 || IsDepthAxis())
        return;
    chart_.Canvas().SelectChartPen(pen);
    for (int pos : ticks.Positions())
        DrawTick(pos, direction, length);
}

void TCustomChartAxis::DrawGridLine(int pos)
{
    TChartCanvas3D& canvas = chart_.Canvas();
    const TRect plot = chart_.PlotRect();
    const int z = ChartDepth();
    if (IsHorizontal())
        canvas.VertLine3D(pos, plot.Top, plot.Bottom, z);
    else
        canvas.HorizLine3D(plot.Left, plot.Right, pos, z);
}

void TCustomChartAxis::DrawGrid(const TAxisTickPositions& ticks)
{
    if (!grid_.Visible() || IsDepthAxis())
        return;
    TChartCanvas3D& canvas = chart_.Canvas();
    canvas.Brush().SetStyle(bsClear);
    canvas.SetBackMode(bmTransparent);
    TChartPen pen;
    pen.Assign(grid_);
    if (chart_.PrintingNow() && pen.Style() != psSolid && pen.Width() == 1)
        pen.SetWidth(0);
    if (pen.Color() == clAutoColor)
        pen.SetColor(clGray);
    canvas.SelectChartPen(pen);
    const std::span<const int> t = ticks.Positions();
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (!gridCentered_)
            DrawGridLine(t[i]);
        else if (i >= 1)
            DrawGridLine(Round((static_cast<Extended>(t[i]) + t[i - 1]) * 0.5_ext));
    }
    canvas.SetBackMode(bmOpaque);
}

template <typename Draw>
void TCustomChartAxis::ForEachMinorPosition(const TAxisTickPositions& ticks, Draw draw) const
{
    const std::span<const int> t = ticks.Positions();
    const std::size_t m = t.size();
    const int k = minorTickCount_;
    const auto keep = [&](int q) {
        if (scale_.PixelStart < q && q < scale_.PixelEnd)
            draw(q);
    };
    if (!scale_.Logarithmic && m > 1) {
        const Extended d = (t[1] - t[0]) / static_cast<Extended>(k + 1);
        for (int j = 1; j <= k; ++j) {
            keep(t[0] - Round(d * j));
            keep(t[m - 1] + Round(d * j));
        }
    }
    for (std::size_t i = 1; i < m; ++i) {
        if (scale_.Logarithmic) {
            double v = PixelToValue(t[i - 1]);
            const double step = (logarithmicBase_ * v - v) / (k + 1);
            for (int j = 1; j <= k; ++j) {
                v += step;
                if (v > scale_.Maximum)
                    break;
                keep(ValueToPixel(v));
            }
        } else {
            const Extended d = (t[i] - t[i - 1]) / static_cast<Extended>(k + 1);
            for (int j = 1; j <= k; ++j)
                keep(t[i] - Round(j * d));
        }
    }
}

void TCustomChartAxis::DrawMinorTicksAndGrid(const TAxisTickPositions& ticks)
{
    if (ticks.Empty() || IsDepthAxis())
        return;
    TChartCanvas3D& canvas = chart_.Canvas();
    if (minorTicks_.Visible()) {
        canvas.SelectChartPen(minorTicks_);
        ForEachMinorPosition(ticks, [&](int q) { DrawTick(q, 1, minorTickLength_); });
    }
    if (minorGrid_.Visible()) {
        canvas.SelectChartPen(minorGrid_);
        ForEachMinorPosition(ticks, [&](int q) { DrawGridLine(q); });
    }
}
