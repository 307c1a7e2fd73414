#include "chart/series/TChartSeries.h"

#include "chart/axes/FormatFloat.h"
#include "chart/axes/TChartAxis.h"
#include "chart/canvas/CanvasGuards.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/TCustomAxisPanel.h"

void TChartSeries::SetVisibleRange(int first, int last)
{
    firstVisible_ = first;
    lastVisible_ = last;
}

void TChartSeries::CalcFirstLastVisible()
{
    SetVisibleRange(-1, -1);
    const int count = Count();
    if (count == 0)
        return;
    const TChartAxis* axis = GetHorizAxis();
    if (!clipToAxisRange_ || XValues().Order() == loNone || axis == nullptr) {
        SetVisibleRange(0, count - 1);
        return;
    }
    const TRect plot = parentChart_->PlotRect();
    const double lo = axis->PixelToValue(axis->Inverted() ? plot.Right : plot.Left);
    const double hi = axis->PixelToValue(axis->Inverted() ? plot.Left : plot.Right);
    int first = 0;
    while (first < count && XValueAt(first) < lo)
        ++first;
    if (first == count)
        return;
    if (XValueAt(count - 1) <= hi) {
        SetVisibleRange(first, count - 1);
        return;
    }
    int last = first;
    while (XValueAt(last) < hi)
        ++last;
    if (!keepPointPastEdge_ && XValueAt(last) > hi)
        --last;
    SetVisibleRange(first, last);
}

void TChartSeries::DoBeforeDrawValues()
{
    if (BeforeDrawValues)
        BeforeDrawValues(*this);
}

void TChartSeries::DoAfterDrawValues()
{
    if (AfterDrawValues)
        AfterDrawValues(*this);
}

void TChartSeries::DrawAllPoints()
{
    if (firstVisible_ < 0 || lastVisible_ < 0)
        return;
    if (DrawForward()) {
        for (int i = firstVisible_; i <= lastVisible_; ++i)
            DrawPoint(i);
    } else {
        for (int i = lastVisible_; i >= firstVisible_; --i)
            DrawPoint(i);
    }
}

void TChartSeries::DrawPoint(int)
{
}

int TChartSeries::CalcXPixel(int index) const
{
    return horizAxisRef_ == nullptr ? 0 : horizAxisRef_->XValueToPixel(XValueAt(index));
}

int TChartSeries::CalcYPixel(int index) const
{
    return vertAxisRef_ == nullptr ? 0 : vertAxisRef_->YValueToPixel(YValueAt(index));
}

void TChartSeries::HorizMargins(int&, int&)
{
}

void TChartSeries::VertMargins(int&, int&)
{
}

int TChartSeries::PointAtPixel(int, int)
{
    return -1;
}

std::string TChartSeries::FormatValue(double value) const
{
    return FormatFloat(valueFormat_, value, AxisFormatSettings());
}

std::string TChartSeries::FormatPercent(double percent) const
{
    return FormatFloat(percentFormat_, percent, AxisFormatSettings());
}

std::string TChartSeries::MarkText(int index) const
{
    const double value = MarkValue(index);
    const double absTotal = MandatoryList().AbsTotal();
    const std::string percent = FormatPercent(absTotal == 0 ? 100.0 : value * 100.0 / absTotal);
    const std::string label = PointLabel(index);
    const std::string labelOrValue = label.empty() ? FormatValue(value) : label;
    const std::string percentTotal = percent + " of " + FormatValue(MandatoryList().Total());
    std::string text;
    switch (marks_.Style()) {
    case smsValue: text = FormatValue(value); break;
    case smsPercent: text = percent; break;
    case smsLabel:
    case smsLegend: text = labelOrValue; break;
    case smsLabelPercent: text = labelOrValue + " " + percent; break;
    case smsLabelValue: text = labelOrValue + " " + FormatValue(value); break;
    case smsPercentTotal: text = percentTotal; break;
    case smsLabelPercentTotal: text = labelOrValue + " " + percentTotal; break;
    case smsXValue: text = FormatValue(XValueAt(index)); break;
    }
    if (OnGetMarkText)
        OnGetMarkText(const_cast<TChartSeries&>(*this), index, text);
    return text;
}

void TChartSeries::DrawMarks()
{
    if (firstVisible_ < 0 || parentChart_ == nullptr)
        return;
    TChartCanvas3D& canvas = Canvas();
    canvas.Font().Assign(marks_.Font());
    for (int i = firstVisible_; i <= lastVisible_; ++i) {
        if (IsNullPoint(i))
            continue;
        const std::string text = MarkText(i);
        if (text.empty())
            continue;
        const int width = canvas.TextWidth(text) + 4;
        const int height = canvas.FontHeight() + 2;
        const int x = CalcXPixel(i);
        const int bottom = CalcYPixel(i) - marks_.ArrowLength();
        const TRect box{x - width / 2, bottom - height, x - width / 2 + width, bottom};
        DrawMark(i, text, box);
    }
}

void TChartSeries::DrawMark(int index, const std::string& text, const TRect& position)
{
    TChartCanvas3D& canvas = Canvas();
    const int x = CalcXPixel(index);
    const int y = CalcYPixel(index);
    // The arrow leaves the point beyond the edge of its marker, on the side of the mark, so its pen (white
    // by default) never runs through the marker; an arrow the marker would hide is not drawn.
    const int arrowLength = marks_.ArrowLength();
    const int reach = MarkerHalfHeight() + 1;
    const int start = arrowLength > 0 ? y - reach : y + reach;
    if (arrowLength > 0 ? start > position.Bottom : (arrowLength < 0 && start < position.Bottom)) {
        canvas.SelectChartPen(marks_.Arrow());
        canvas.Line(x, start, x, position.Bottom);
    }
    canvas.SelectChartPen(marks_.Frame());
    canvas.Brush().SetColor(marks_.BackColor());
    canvas.Brush().SetStyle(marks_.Transparent() ? bsClear : bsSolid);
    canvas.Rectangle(position);
    canvas.SetBackMode(bmTransparent);
    TTextAlignGuard align(canvas, TA_CENTER | TA_TOP);
    canvas.TextOut((position.Left + position.Right) / 2, position.Top + 1, text);
    marks_.SetPosition(index, position);
}

std::string TChartSeries::LegendText(int index, TLegendTextStyle style) const
{
    index = MapIndex(index);
    const std::string text = PointLabel(index);
    if (style == ltsPlain)
        return text;
    if (style == ltsXValue) {
        const double x = XValueAt(index);
        return horizAxisRef_ != nullptr ? horizAxisRef_->LabelText(x) : FormatValue(x);
    }
    const double value = MarkValue(index);
    const double absTotal = YValues().AbsTotal();
    const std::string valueText = FormatValue(value);
    const std::string percentText = FormatPercent(absTotal == 0 ? 100.0 : value * 100.0 / absTotal);
    switch (style) {
    case ltsLeftValue: return text + " " + valueText;
    case ltsRightValue: return valueText + " " + text;
    case ltsLeftPercent: return text + " " + percentText;
    case ltsRightPercent: return percentText + " " + text;
    default: return text;
    }
}

void TChartSeries::DrawLegendItem(int index, const TRect& rect, TColor legendColor)
{
    if (parentChart_ == nullptr || (index == -1 && colorEachPoint_))
        return;
    const TColor color = index == -1 ? seriesColor_ : LegendColor(index);
    Canvas().Brush().SetColor(color);
    if (color == clNone)
        return;
    TColor background = legendColor;
    TBrushStyle style = bsSolid;
    LegendItemPen(index, background, style);
    if (background == clAutoColor) {
        background = legendColor;
        if (background == clAutoColor)
            background = parentChart_->Color();
    }
    parentChart_->SetBrushCanvas(color, style, background);
    DrawLegendSymbol(index, rect, legendColor);
}

void TChartSeries::LegendItemPen(int, TColor&, TBrushStyle&)
{
}

void TChartSeries::DrawLegendSymbol(int, const TRect& rect, TColor legendColor)
{
    DrawBaseLegendSymbol(rect, legendColor);
}

void TChartSeries::DrawBaseLegendSymbol(const TRect& rect, TColor legendColor)
{
    TChartCanvas3D& canvas = Canvas();
    canvas.Rectangle(rect);
    const TColor brushColor = canvas.Brush().Color();
    if (brushColor == legendColor) {
        if (brushColor == clBlack)
            canvas.Pen().SetColor(clWhite);
        canvas.Brush().SetStyle(bsClear);
        canvas.Rectangle(rect);
    }
    canvas.Pen().SetColor(clBlack);
}
