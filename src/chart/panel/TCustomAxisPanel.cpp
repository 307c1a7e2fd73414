#include "chart/panel/TCustomAxisPanel.h"

#include "chart/axes/TChartAxis.h"
#include "chart/axes/TChartDepthAxis.h"
#include "chart/canvas/SeriesPalette.h"
#include "chart/canvas/SystemColors.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/ChartException.h"
#include "chart/series/TChartSeries.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<TChartSeries*>& list, const TChartSeries* series)
{
    return std::find(list.begin(), list.end(), series) != list.end();
}

// Whether the chain of source series starting at source reaches series.
bool SourceChainReaches(const TChartSeries* source, const TChartSeries* series)
{
    if (source == series)
        return true;
    const std::vector<TChartSeries*>& sources = source->DataSources();
    return std::any_of(sources.begin(), sources.end(), [series](const TChartSeries* s) { return SourceChainReaches(s, series); });
}

} // namespace

TCustomAxisPanel::TCustomAxisPanel(TNotifyEvent onInvalidate)
    : TCustomChartPanelExtended(std::move(onInvalidate))
    , bottomAxis_(std::make_unique<TChartAxis>(*this, TAxisKind::Bottom))
    , topAxis_(std::make_unique<TChartAxis>(*this, TAxisKind::Top))
    , leftAxis_(std::make_unique<TChartAxis>(*this, TAxisKind::Left))
    , rightAxis_(std::make_unique<TChartAxis>(*this, TAxisKind::Right))
    , depthAxis_(std::make_unique<TChartDepthAxis>(*this))
{
}

TCustomAxisPanel::~TCustomAxisPanel()
{
    DestroyAllSeries();
}

void TCustomAxisPanel::EndLoading()
{
    if (loading_ == 0)
        return;
    if (--loading_ != 0)
        return;
    RememberCursor();
    // The data sources read meanwhile were only listed: every series now takes its points from them.
    for (TChartSeries* series : std::vector<TChartSeries*>(seriesList_))
        series->CheckDataSource();
}

int TCustomAxisPanel::ActiveSeriesCount() const
{
    return static_cast<int>(std::count_if(seriesList_.begin(), seriesList_.end(), [](const TChartSeries* s) { return s->Active(); }));
}

TChartSeries* TCustomAxisPanel::FirstActiveSeries() const
{
    const auto found = std::find_if(seriesList_.begin(), seriesList_.end(), [](const TChartSeries* s) { return s->Active(); });
    return found == seriesList_.end() ? nullptr : *found;
}

TChartSeries* TCustomAxisPanel::NthLegendSeries(int index) const
{
    int n = 0;
    for (TChartSeries* series : seriesList_) {
        if (!series->Active() || !series->ShowInLegend())
            continue;
        if (n == index)
            return series;
        ++n;
    }
    return nullptr;
}

std::string TCustomAxisPanel::LegendSeriesText(int index) const
{
    const TChartSeries* series = NthLegendSeries(index);
    if (series == nullptr)
        return {};
    if (!series->Title().empty())
        return series->Title();
    if (!series->Name().empty())
        return series->Name();
    return "Series " + std::to_string(index);
}

void TCustomAxisPanel::AttachSeries(TChartSeries* series)
{
    if (series == nullptr || Contains(seriesList_, series))
        return;
    if (series->SeriesColor() == clAutoColor)
        series->SetSeriesColor(PickSeriesColor());
    // Listed first, so the series' own parent change finds it here and leaves it alone.
    seriesList_.push_back(series);
    series->SetParentChart(this);
    Invalidate();
}

void TCustomAxisPanel::DetachSeries(TChartSeries* series)
{
    const auto found = std::find(seriesList_.begin(), seriesList_.end(), series);
    if (found == seriesList_.end())
        return;
    // Unlisted first, so the series' own parent change finds nothing more to detach.
    seriesList_.erase(found);
    // A series moving to another chart already names that one as its parent.
    if (series->ParentChart() == this)
        series->SetParentChart(nullptr);
    if (Cursor() == series->Cursor())
        SetCursor(OriginalCursor());
    Invalidate();
}

void TCustomAxisPanel::DestroyAllSeries()
{
    while (!seriesList_.empty()) {
        TChartSeries* series = seriesList_.front();
        DetachSeries(series);
        delete series;
    }
}

TColor TCustomAxisPanel::PickSeriesColor() const
{
    const int paletteSize = static_cast<int>(DefaultSeriesPalette.size());
    for (int i = 0; i < paletteSize; ++i) {
        if (ColorIsUnused(Palette(i)))
            return Palette(i);
    }
    return Palette(paletteSize);
}

bool TCustomAxisPanel::ColorIsUnused(TColor color) const
{
    if (color == Color())
        return false;
    return std::none_of(seriesList_.begin(), seriesList_.end(), [color](const TChartSeries* s) { return s->SeriesColor() == color; });
}

void TCustomAxisPanel::CheckDataSourceCycle(TChartSeries* series, TChartSeries* source)
{
    if (source != nullptr && SourceChainReaches(source, series))
        throw ChartException("Circular Series dependences are not allowed");
}

void TCustomAxisPanel::SetBottomAxis(const TChartAxis& value)
{
    bottomAxis_->Assign(value);
}

void TCustomAxisPanel::SetTopAxis(const TChartAxis& value)
{
    topAxis_->Assign(value);
}

void TCustomAxisPanel::SetLeftAxis(const TChartAxis& value)
{
    leftAxis_->Assign(value);
}

void TCustomAxisPanel::SetRightAxis(const TChartAxis& value)
{
    rightAxis_->Assign(value);
}

void TCustomAxisPanel::SetDepthAxis(const TChartDepthAxis& value)
{
    depthAxis_->Assign(value);
}

bool TCustomAxisPanel::AxisIsShown(const TCustomChartAxis& axis) const
{
    if (!axisVisible_ || !axis.Visible())
        return false;
    if (axis.IsDepthAxis())
        return View3D();
    bool asked = false;
    for (const TChartSeries* series : seriesList_) {
        if (!series->Active() || !series->UsesAxes())
            continue;
        if (series->UsesAxis(axis))
            return true;
        asked = true;
    }
    return !asked;
}

double TCustomAxisPanel::MinXValue(const TCustomChartAxis& axis) const
{
    return AxisRange(axis, TValueDimension::X, TRangeEnd::Minimum);
}

double TCustomAxisPanel::MaxXValue(const TCustomChartAxis& axis) const
{
    return AxisRange(axis, TValueDimension::X, TRangeEnd::Maximum);
}

double TCustomAxisPanel::MinYValue(const TCustomChartAxis& axis) const
{
    return AxisRange(axis, TValueDimension::Y, TRangeEnd::Minimum);
}

double TCustomAxisPanel::MaxYValue(const TCustomChartAxis& axis) const
{
    return AxisRange(axis, TValueDimension::Y, TRangeEnd::Maximum);
}

double TCustomAxisPanel::AxisRange(const TCustomChartAxis& axis, TValueDimension dimension, TRangeEnd end) const
{
    const bool isMax = end == TRangeEnd::Maximum;
    if (axis.IsDepthAxis())
        return isMax ? maxZOrder_ + 0.5 : -0.5;

    const bool anyActive = std::any_of(seriesList_.begin(), seriesList_.end(),
        [&axis](const TChartSeries* s) { return s->Active() && s->UsesAxis(axis); });
    const auto counts = [&](const TChartSeries* s) { return s->UsesAxis(axis) && (s->Active() || !anyActive); };

    if (maxPointsPerPage_ > 0 && dimension == TValueDimension::X && axis.IsHorizontal()) {
        const auto first = std::find_if(seriesList_.begin(), seriesList_.end(), counts);
        if (first != seriesList_.end() && (*first)->Count() > 0)
            return PageRange(**first, end);
    }

    bool seeded = false;
    double result = 0;
    for (const TChartSeries* series : seriesList_) {
        if (series->Count() == 0 || !counts(series))
            continue;
        double value;
        if (dimension == TValueDimension::X)
            value = isMax ? series->XMax() : series->XMin();
        else
            value = isMax ? series->YMax() : series->YMin();
        if (!seeded || (isMax ? value > result : value < result))
            result = value;
        seeded = true;
    }
    return result;
}

double TCustomAxisPanel::PageRange(const TChartSeries& series, TRangeEnd end) const
{
    const int perPage = maxPointsPerPage_;
    const int count = series.Count();
    int first = perPage * (page_ - 1);
    if (first >= count)
        first = std::max(0, count / perPage - 1) * perPage;
    int last = first + perPage - 1;
    if (last >= count)
        last = first + count % perPage - 1;
    if (end == TRangeEnd::Minimum)
        return series.XValueAt(first);
    const double firstValue = series.XValueAt(first);
    const double lastValue = series.XValueAt(last);
    const int shown = last - first + 1;
    if (!scaleLastPage_ && shown < perPage)
        return firstValue + (lastValue - firstValue) * perPage / shown;
    return lastValue;
}

void TCustomAxisPanel::SetAxisVisible(bool value)
{
    StoreAndInvalidate(axisVisible_, value);
}

void TCustomAxisPanel::SetView3DWalls(bool value)
{
    StoreAndInvalidate(view3DWalls_, value);
}

void TCustomAxisPanel::SetClipPoints(bool value)
{
    StoreAndInvalidate(clipPoints_, value);
}

void TCustomAxisPanel::SetScaleLastPage(bool value)
{
    StoreAndInvalidate(scaleLastPage_, value);
}

int TCustomAxisPanel::AxisPageCount(const TCustomChartAxis& axis) const
{
    int points = 0;
    for (const TChartSeries* series : seriesList_) {
        if (series->Active() && series->UsesAxis(axis))
            points = std::max(points, series->Count());
    }
    return std::max(1, (points + maxPointsPerPage_ - 1) / maxPointsPerPage_);
}

int TCustomAxisPanel::NumPages() const
{
    if (maxPointsPerPage_ < 1 || seriesList_.empty())
        return 1;
    return std::max(AxisPageCount(*bottomAxis_), AxisPageCount(*topAxis_));
}

void TCustomAxisPanel::SetPage(int value)
{
    value = std::clamp(value, 1, NumPages());
    if (value == page_)
        return;
    page_ = value;
    Invalidate();
    if (OnPageChange)
        OnPageChange();
}

void TCustomAxisPanel::SetMaxPointsPerPage(int value)
{
    if (value < 0)
        throw ChartException("MaxPointsPerPage must be >= 0");
    StoreAndInvalidate(maxPointsPerPage_, value);
    const int pages = NumPages();
    if (page_ > pages)
        SetPage(pages);
}

void TCustomAxisPanel::SetBrushCanvas(TColor color, TBrushStyle style, TColor background)
{
    TChartCanvas3D& canvas = Canvas();
    // A clear brush fills nothing, so it needs neither a visible pattern colour nor a background.
    const bool pattern = style != bsSolid && style != bsClear;
    TColor fill = color;
    if (pattern && fill == background)
        fill = background == clBlack ? clWhite : clBlack;
    canvas.Brush().SetColor(fill);
    canvas.Brush().SetStyle(style);
    if (!pattern) {
        canvas.SetBackMode(bmTransparent);
    } else {
        canvas.SetBackMode(bmOpaque);
        canvas.SetBackColor(ColorToRGB(background));
    }
}

int TCustomAxisPanel::MultiLineTextWidth(std::string_view text, int& numLines)
{
    int widest = 0;
    numLines = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find('\n', start);
        const std::string_view line = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        widest = std::max(widest, Canvas().TextWidth(line));
        ++numLines;
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    return widest;
}
