#include "chart/series/TChartSeries.h"

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/SeriesPalette.h"
#include "chart/canvas/SetterRule.h"
#include "chart/panel/ChartException.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/EListError.h"
#include "chart/series/TChartFunction.h"

#include <algorithm>
#include <cctype>
#include <random>
#include <utility>

TChartSeries::TChartSeries()
    : marks_(*this)
    , xValues_(*this, "X")
    , yValues_(*this, "Y")
{
    xValues_.SetOrder(loAscending);
}

TChartSeries::~TChartSeries()
{
    function_.reset();
    RemoveDataSources();
    for (TChartSeries* dependent : dependents_)
        std::erase(dependent->dataSources_, this);
    dependents_.clear();
    ClearPoints();
    SetParentChart(nullptr);
}

void TChartSeries::SetXValues(const TChartValueList& value)
{
    xValues_.CopySettingsFrom(value);
    RequestRepaint();
}

void TChartSeries::SetYValues(const TChartValueList& value)
{
    yValues_.CopySettingsFrom(value);
    RequestRepaint();
}

void TChartSeries::StoreColorAndLabel(int index, TColor color, const std::string& label)
{
    const auto at = static_cast<std::size_t>(index);
    if (color != clAutoColor || at < colors_.size()) {
        if (colors_.size() < at)
            colors_.resize(at, clAutoColor);
        colors_.insert(colors_.begin() + index, color);
    }
    if (!label.empty() || at < labels_.size()) {
        if (labels_.size() < at)
            labels_.resize(at);
        labels_.insert(labels_.begin() + index, label);
    }
}

namespace {

const std::string NoLabel;

}

int TChartSeries::AddPoint(double x, double y)
{
    return AddPoint(x, y, NoLabel, clAutoColor);
}

int TChartSeries::AddPoint(double x, double y, const std::string& label, TColor color)
{
    xValues_.PendingValue = x;
    yValues_.PendingValue = y;
    if (OnBeforeAdd && !OnBeforeAdd(*this))
        return -1;
    const int index = xValues_.AddValue(x);
    yValues_.InsertValue(index, y);
    AddExtraValues(index);
    InsertColorAndLabel(index, color, label);
    PointAdded(index);
    return index;
}

int TChartSeries::AddNullPoint(double x, double y, const std::string& label)
{
    return AddPoint(x, y, label, clNone);
}

int TChartSeries::AppendValue(double value, const std::string& label, TColor color)
{
    const double count = PointCount();
    if (&MandatoryList() == &yValues_)
        return AddPoint(count, value, label, color);
    return AddPoint(value, count, label, color);
}

int TChartSeries::AppendNull(const std::string& label)
{
    return AppendValue(0.0, label, clNone);
}

void TChartSeries::InsertExtraValues(int index)
{
    for (std::size_t i = 2; i < valueLists_.size(); ++i)
        valueLists_[i]->InsertValue(index, valueLists_[i]->PendingValue);
}

void TChartSeries::PointAdded(int index)
{
    if (OnAfterAdd)
        OnAfterAdd(*this, index);
    if (!dependents_.empty())
        NotifyDependents(snAdd, index);
    if (active_)
        RequestRepaint();
}

int TChartSeries::AddPointFrom(const TChartSeries& source, int index)
{
    double x = source.XValueAt(index);
    double y = source.YValueAt(index);
    const bool sourceByY = &source.MandatoryList() == &source.YValues();
    const bool selfByY = &MandatoryList() == &yValues_;
    if (sourceByY != selfByY)
        std::swap(x, y);
    const TChartValueLists& sourceLists = source.ValueLists();
    for (std::size_t i = 2; i < valueLists_.size(); ++i)
        valueLists_[i]->PendingValue = i < sourceLists.size() ? sourceLists[i]->ValueAt(index) : 0.0;
    const int newIndex = xValues_.AddValue(x);
    yValues_.InsertValue(newIndex, y);
    AddExtraValues(newIndex);
    return newIndex;
}

int TChartSeries::CopyPointFrom(const TChartSeries& source, int index)
{
    const int newIndex = AddPointFrom(source, index);
    const TColor color = static_cast<std::size_t>(index) < source.colors_.size() ? source.colors_[static_cast<std::size_t>(index)] : clAutoColor;
    InsertColorAndLabel(newIndex, color, source.PointLabel(index));
    PointAdded(newIndex);
    return newIndex;
}

void TChartSeries::ClearLists()
{
    for (TChartValueList* list : valueLists_)
        list->RemoveAll();
    colors_.clear();
    colors_.shrink_to_fit();
    labels_.clear();
    labels_.shrink_to_fit();
    marks_.ClearPositions();
}

void TChartSeries::ClearPoints()
{
    ClearLists();
    if (OnClearValues)
        OnClearValues(*this);
    NotifyDependents(snClear, 0);
    if (active_)
        RequestRepaint();
}

void TChartSeries::DeletePoint(int index)
{
    for (TChartValueList* list : valueLists_)
        list->DeleteValue(index);
    if (static_cast<std::size_t>(index) < colors_.size())
        colors_.erase(colors_.begin() + index);
    if (static_cast<std::size_t>(index) < labels_.size())
        labels_.erase(labels_.begin() + index);
    marks_.DeletePosition(index);
    NotifyDependents(snDelete, index);
    if (active_)
        RequestRepaint();
}

void TChartSeries::DeleteFromSource(TChartSeries& source, int index)
{
    // Without the point (it did not follow every addition) the series cannot delete in step: it takes
    // the source's points afresh, so the source's deletion still happens whole.
    if (index < 0 || index >= Count()) {
        CopyAllFrom(source);
        return;
    }
    DeletePoint(index);
}

void TChartSeries::FillSamples(int numValues)
{
    if (numValues <= 0)
        throw ChartException("FillSampleValues NumValues must be > 0");
    ClearPoints();
    std::minstd_rand random(static_cast<unsigned>(numValues));
    std::uniform_int_distribution<int> step(-50, 50);
    double value = 500.0;
    for (int i = 0; i < numValues; ++i) {
        value += step(random);
        AppendValue(value);
    }
}

void TChartSeries::PrepareForGallery(bool second)
{
    FillSamples(4);
    marks_.SetVisible(false);
    SetColorEachPoint(false);
    if (!second)
        SetSeriesColor(clSilver);
}

void TChartSeries::SetView3DAndClip(bool on)
{
    if (parentChart_ == nullptr)
        return;
    parentChart_->SetView3D(on);
    parentChart_->SetClipPoints(!on);
}

void TChartSeries::SwapPoints(int i, int j)
{
    for (TChartValueList* list : valueLists_)
        list->Exchange(i, j);
    const auto a = static_cast<std::size_t>(i);
    const auto b = static_cast<std::size_t>(j);
    // A point past the end of a list holds the default; it is stored before being swapped with one that is not.
    const std::size_t last = std::max(a, b);
    if (std::min(a, b) < colors_.size()) {
        if (colors_.size() <= last)
            colors_.resize(last + 1, clAutoColor);
        std::swap(colors_[a], colors_[b]);
    }
    if (std::min(a, b) < labels_.size()) {
        if (labels_.size() <= last)
            labels_.resize(last + 1);
        std::swap(labels_[a], labels_[b]);
    }
}

bool TChartSeries::IsNullPoint(int index) const
{
    return index >= 0 && static_cast<std::size_t>(index) < colors_.size() && colors_[static_cast<std::size_t>(index)] == clNone;
}

TColor TChartSeries::OwnOrPaletteColor(int index) const
{
    if (index < 0 || index >= Count())
        return seriesColor_;
    const auto at = static_cast<std::size_t>(index);
    const TColor stored = at < colors_.size() ? colors_[at] : clAutoColor;
    if (stored != clAutoColor)
        return stored;
    return colorEachPoint_ ? Palette(index) : seriesColor_;
}

void TChartSeries::SetPointColor(int index, TColor color)
{
    if (index < 0 || index >= Count())
        throw EListError(index);
    if (colors_.size() <= static_cast<std::size_t>(index))
        colors_.resize(static_cast<std::size_t>(index) + 1, clAutoColor);
    colors_[static_cast<std::size_t>(index)] = color;
    RequestRepaint();
}

std::string TChartSeries::PointLabel(int index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= labels_.size())
        return {};
    return labels_[static_cast<std::size_t>(index)];
}

double TChartSeries::XValueAt(int index) const { return xValues_.ValueAt(index); }
double TChartSeries::YValueAt(int index) const { return yValues_.ValueAt(index); }
double TChartSeries::XMin() const { return xValues_.Minimum(); }
double TChartSeries::XMax() const { return xValues_.Maximum(); }
double TChartSeries::YMin() const { return yValues_.Minimum(); }
double TChartSeries::YMax() const { return yValues_.Maximum(); }
double TChartSeries::ZMin() const { return zOrder_; }
double TChartSeries::ZMax() const { return zOrder_; }
double TChartSeries::MarkValue(int index) const { return MandatoryList().ValueAt(index); }
double TChartSeries::OriginValue(int index) const { return MarkValue(index); }
TChartValueList& TChartSeries::MandatoryList() { return yValues_; }

const TChartValueList& TChartSeries::MandatoryList() const
{
    return const_cast<TChartSeries*>(this)->MandatoryList();
}

TChartValueList& TChartSeries::ValueListByName(const std::string& name)
{
    const auto equalNoCase = [](const std::string& a, const std::string& b) {
        return std::ranges::equal(a, b, [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
    };
    for (std::size_t i = 2; i < valueLists_.size(); ++i)
        if (equalNoCase(valueLists_[i]->Name(), name))
            return *valueLists_[i];
    return yValues_;
}

void TChartSeries::RecalcGetAxis()
{
    if (parentChart_ == nullptr) {
        horizAxisRef_ = vertAxisRef_ = nullptr;
        return;
    }
    horizAxisRef_ = &parentChart_->BottomAxis();
    if (horizAxis_ == aTopAxis)
        horizAxisRef_ = &parentChart_->TopAxis();
    else if (horizAxis_ == aCustomHorizAxis && customHorizAxis_ != nullptr)
        horizAxisRef_ = customHorizAxis_;
    vertAxisRef_ = &parentChart_->LeftAxis();
    if (vertAxis_ == aRightAxis)
        vertAxisRef_ = &parentChart_->RightAxis();
    else if (vertAxis_ == aCustomVertAxis && customVertAxis_ != nullptr)
        vertAxisRef_ = customVertAxis_;
}

bool TChartSeries::UsesAxis(const TCustomChartAxis& axis) const
{
    if (!UsesAxes() || axis.IsDepthAxis())
        return false;
    if (axis.IsHorizontal())
        return horizAxis_ == aBothHorizAxis || &axis == horizAxisRef_;
    return vertAxis_ == aBothVertAxis || &axis == vertAxisRef_;
}

void TChartSeries::SetHorizAxis(THorizAxis value)
{
    if (!StoreChanged(horizAxis_, value))
        return;
    RecalcGetAxis();
    RequestRepaint();
}

void TChartSeries::SetVertAxis(TVertAxis value)
{
    if (!StoreChanged(vertAxis_, value))
        return;
    RecalcGetAxis();
    RequestRepaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* value)
{
    if (!StoreChanged(customHorizAxis_, value))
        return;
    RecalcGetAxis();
    RequestRepaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* value)
{
    if (!StoreChanged(customVertAxis_, value))
        return;
    RecalcGetAxis();
    RequestRepaint();
}

void TChartSeries::SetParentChart(TCustomAxisPanel* value)
{
    if (value == parentChart_)
        return;
    TCustomAxisPanel* old = parentChart_;
    parentChart_ = value;
    RecalcGetAxis();
    if (old != nullptr)
        old->DetachSeries(this);
    if (value != nullptr)
        value->AttachSeries(this);
}

TChartCanvas3D& TChartSeries::Canvas() const
{
    return parentChart_->Canvas();
}

void TChartSeries::RequestRepaint() const
{
    if (parentChart_ != nullptr)
        parentChart_->Invalidate();
}

void TChartSeries::SetActive(bool value)
{
    StoreAndRepaint(active_, value, [this] { RequestRepaint(); });
}

void TChartSeries::SetSeriesColor(TColor value)
{
    StoreAndRepaint(seriesColor_, value, [this] { RequestRepaint(); });
}

void TChartSeries::SetPercentFormat(const std::string& value)
{
    StoreAndRepaint(percentFormat_, value, [this] { RequestRepaint(); });
}

void TChartSeries::SetShowInLegend(bool value)
{
    StoreAndRepaint(showInLegend_, value, [this] { RequestRepaint(); });
}

void TChartSeries::SetTitle(const std::string& value)
{
    StoreAndRepaint(title_, value, [this] { RequestRepaint(); });
}

void TChartSeries::SetValueFormat(const std::string& value)
{
    StoreAndRepaint(valueFormat_, value, [this] { RequestRepaint(); });
}

void TChartSeries::SetZOrder(int value)
{
    StoreAndRepaint(zOrder_, value, [this] { RequestRepaint(); });
}

void TChartSeries::SetClipToAxisRange(bool value)
{
    StoreAndRepaint(clipToAxisRange_, value, [this] { RequestRepaint(); });
}

void TChartSeries::SetKeepPointPastEdge(bool value)
{
    StoreAndRepaint(keepPointPastEdge_, value, [this] { RequestRepaint(); });
}

void TChartSeries::SetColorEachPoint(bool value)
{
    if (!StoreChanged(colorEachPoint_, value))
        return;
    RequestRepaint();
    if (value)
        return;
    // Null points keep their clNone: resetting it would turn them into drawn points.
    for (int i = 0; i < static_cast<int>(colors_.size()); ++i)
        if (colors_[static_cast<std::size_t>(i)] != clNone)
            SetPointColor(i, clAutoColor);
}

void TChartSeries::SetColorSource(const std::string& value)
{
    if (StoreChanged(colorSource_, value))
        CheckDataSource();
}

void TChartSeries::SetXLabelsSource(const std::string& value)
{
    if (StoreChanged(xLabelsSource_, value))
        CheckDataSource();
}

bool TChartSeries::DoSeriesClick(TSeriesClickKind kind, int valueIndex, int x, int y)
{
    const auto& handler = kind == sckDoubleClick ? OnDblClick : OnClick;
    if (!handler)
        return false;
    handler(*this, valueIndex, x, y);
    return true;
}
