#include "chart/frame/TChartLegend.h"

#include "chart/canvas/TChartCanvas3D.h"
#include "chart/frame/LegendException.h"
#include "chart/panel/TCustomChart.h"
#include "chart/series/TChartSeries.h"

#include <algorithm>

TChartLegend::TChartLegend(TCustomChart& chart)
    : TChartFontObject(chart), chart_(chart), brush_(clAutoColor, bsSolid)
{
    brush_.SetOnChange([this] { InvalidateChart(); });
    dividingLines_.SetOnChange([this] { InvalidateChart(); });
    frame_.SetOnChange([this] { InvalidateChart(); });
}

void TChartLegend::Assign(const TChartLegend& source)
{
    SetAlignment(source.alignment_);
    SetBrush(source.brush_);
    SetColor(source.color_);
    SetColorWidth(source.colorWidth_);
    SetDividingLines(source.dividingLines_);
    SetFirstValue(source.firstValue_);
    SetFont(source.Font());
    SetFrame(source.frame_);
    SetHorizMargin(source.horizMargin_);
    SetInverted(source.inverted_);
    SetLegendStyle(source.legendStyle_);
    SetMaxNumRows(source.maxNumRows_);
    SetResizeChart(source.resizeChart_);
    SetShadowColor(source.shadowColor_);
    SetShadowSize(source.shadowSize_);
    SetTextStyle(source.textStyle_);
    SetTopPos(source.topPos_);
    SetVertMargin(source.vertMargin_);
    SetVisible(source.visible_);
}

void TChartLegend::SetAlignment(TLegendAlignment value)
{
    StoreAndInvalidate(alignment_, value);
}

void TChartLegend::SetColor(TColor value)
{
    StoreAndInvalidate(color_, value);
}

void TChartLegend::SetColorWidth(int value)
{
    if (value < 0 || value > 100)
        throw LegendException("Legend Color Width must be between 0 and 100 %");
    StoreAndInvalidate(colorWidth_, value);
}

void TChartLegend::SetFirstValue(int value)
{
    if (value < 0)
        throw LegendException("First Legend Value must be > 0");
    StoreAndInvalidate(firstValue_, value);
}

void TChartLegend::SetHorizMargin(int value)
{
    StoreAndInvalidate(horizMargin_, value);
}

void TChartLegend::SetInverted(bool value)
{
    StoreAndInvalidate(inverted_, value);
}

void TChartLegend::SetLegendStyle(TLegendStyle value)
{
    StoreAndInvalidate(legendStyle_, value);
}

void TChartLegend::SetMaxNumRows(int value)
{
    StoreAndInvalidate(maxNumRows_, value);
}

void TChartLegend::SetResizeChart(bool value)
{
    StoreAndInvalidate(resizeChart_, value);
}

void TChartLegend::SetShadowColor(TColor value)
{
    StoreAndInvalidate(shadowColor_, value);
}

void TChartLegend::SetShadowSize(int value)
{
    StoreAndInvalidate(shadowSize_, value);
}

void TChartLegend::SetTextStyle(TLegendTextStyle value)
{
    StoreAndInvalidate(textStyle_, value);
}

void TChartLegend::SetTopPos(int value)
{
    if (value < 0 || value > 100)
        throw LegendException("Top Legend Position must be between 0 and 100 %");
    StoreAndInvalidate(topPos_, value);
}

void TChartLegend::SetVertMargin(int value)
{
    StoreAndInvalidate(vertMargin_, value);
}

void TChartLegend::SetVisible(bool value)
{
    StoreAndInvalidate(visible_, value);
}

TLegendStyle TChartLegend::EffectiveLegendStyle() const
{
    if (legendStyle_ != lsAuto)
        return legendStyle_;
    return chart_.ActiveSeriesCount() < 2 ? lsValues : lsSeries;
}

int TChartLegend::LegendEntryCount() const
{
    int count = 0;
    if (EffectiveLegendStyle() == lsValues) {
        const TChartSeries* series = chart_.FirstActiveSeries();
        if (series != nullptr && series->ShowInLegend())
            count = series->LegendItemCount();
    } else {
        count = static_cast<int>(std::count_if(chart_.SeriesList().begin(), chart_.SeriesList().end(),
            [](const TChartSeries* s) { return s->Active() && s->ShowInLegend(); }));
    }
    return std::max(0, count - firstValue_);
}

std::string TChartLegend::ItemText(int index) const
{
    const TLegendStyle style = EffectiveLegendStyle();
    std::string text;
    if (style == lsSeries) {
        text = chart_.LegendSeriesText(index);
    } else {
        const TChartSeries* series = style == lsValues ? chart_.FirstActiveSeries() : chart_.NthLegendSeries(index);
        if (series != nullptr) {
            const int point = style == lsValues ? index : series->Count() - 1;
            // A series without points has no last value to show.
            if (point >= 0)
                text = series->LegendText(point, textStyle_);
        }
        std::replace(text.begin(), text.end(), '\r', ' ');
    }
    if (chart_.OnGetLegendText)
        chart_.OnGetLegendText(chart_, style, index, text);
    return text;
}

int TChartLegend::WidestItemText(int count) const
{
    if (count == -1)
        count = LegendEntryCount();
    TChartCanvas3D& canvas = chart_.Canvas();
    const TChartSeries* series = chart_.FirstActiveSeries();
    // A series' values may be many; what an event handler answers cannot be kept.
    if (EffectiveLegendStyle() == lsValues && series != nullptr && !chart_.OnGetLegendText)
        return valueWidths_.Widest(*series, textStyle_, firstValue_, count, canvas, [this](int i) { return ItemText(i); });
    int widest = 0;
    for (int i = firstValue_; i < firstValue_ + count; ++i)
        widest = std::max(widest, canvas.TextWidth(ItemText(i)));
    return widest;
}

int TChartLegend::ItemAt(int x, int y) const
{
    if (!visible_ || chart_.ActiveSeriesCount() == 0 || !legendBox_.Contains({x, y}))
        return -1;
    const auto rowAt = [this, y](int rowHeight) {
        for (int row = 0; row < rowCount_; ++row) {
            const int rowTop = legendBox_.Top + row * rowHeight + 1;
            if (rowTop <= y && y <= rowTop + rowHeight)
                return row;
        }
        return -1;
    };
    if (IsVertical())
        return rowAt(rowCount_ > 0 ? legendBox_.Height() / rowCount_ : -1);

    const int columnWidth = columnCount_ > 0 ? legendBox_.Width() / columnCount_ : -1;
    TChartCanvas3D& canvas = chart_.Canvas();
    canvas.Font().Assign(Font());
    const int rowHeight = canvas.FontHeight();
    for (int column = 0; column < columnCount_; ++column) {
        const int columnLeft = legendBox_.Left + columnWidth * column + 1;
        if (columnLeft <= x && x <= columnLeft + columnWidth) {
            const int row = rowAt(rowHeight);
            if (row >= 0)
                return column + row * columnCount_;
        }
    }
    return -1;
}
