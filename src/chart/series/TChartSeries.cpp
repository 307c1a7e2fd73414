#include "chart/series/TChartSeries.h"

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/SeriesPalette.h"
#include "chart/canvas/SetterRule.h"
#include "chart/panel/ChartException.h"
#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/TChartFunction.h"

#include <algorithm>
#include <cctype>
#include <random>
#include <utility>

TChartSeries::TChartSeries()
    : marks_(*this)
{
    points_.OnValuesChanged = [this](TSeriesNotification code, int index) { NotifyDependents(code, index); };
    points_.OnInvalidateChart = [this] { InvalidateChart(); };
    points_.OnValueSourceChanged = [this] { CheckDataSource(); };
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
    XValues().CopySettingsFrom(value);
    InvalidateChart();
}

void TChartSeries::SetYValues(const TChartValueList& value)
{
    YValues().CopySettingsFrom(value);
    InvalidateChart();
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
    XValues().PendingValue = x;
    YValues().PendingValue = y;
    if (OnBeforeAdd && !OnBeforeAdd(*this))
        return -1;
    const int index = points_.Add(x, y, color, label);
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
    if (&MandatoryList() == &YValues())
        return AddPoint(count, value, label, color);
    return AddPoint(value, count, label, color);
}

int TChartSeries::AppendNull(const std::string& label)
{
    return AppendValue(0.0, label, clNone);
}

void TChartSeries::PointAdded(int index)
{
    if (OnAfterAdd)
        OnAfterAdd(*this, index);
    if (!dependents_.empty())
        NotifyDependents(snAdd, index);
    if (active_)
        InvalidateChart();
}

int TChartSeries::AddPointFrom(const TChartSeries& source, int index)
{
    double x = source.XValueAt(index);
    double y = source.YValueAt(index);
    const bool sourceByY = &source.MandatoryList() == &source.YValues();
    const bool selfByY = &MandatoryList() == &YValues();
    if (sourceByY != selfByY)
        std::swap(x, y);
    const TChartValueLists& sourceLists = source.ValueLists();
    const TChartValueLists& lists = points_.Lists();
    for (std::size_t i = 2; i < lists.size(); ++i)
        lists[i]->PendingValue = i < sourceLists.size() ? sourceLists[i]->ValueAt(index) : 0.0;
    return points_.AddValues(x, y);
}

int TChartSeries::CopyPointFrom(const TChartSeries& source, int index)
{
    const int newIndex = AddPointFrom(source, index);
    points_.InsertColorAndLabel(newIndex, source.points_.OwnColor(index), source.PointLabel(index));
    PointAdded(newIndex);
    return newIndex;
}

void TChartSeries::ClearLists()
{
    points_.Clear();
    marks_.ClearPositions();
}

void TChartSeries::ClearPoints()
{
    ClearLists();
    if (OnClearValues)
        OnClearValues(*this);
    NotifyDependents(snClear, 0);
    if (active_)
        InvalidateChart();
}

void TChartSeries::DeletePoint(int index)
{
    points_.Delete(index);
    marks_.DeletePosition(index);
    NotifyDependents(snDelete, index);
    if (active_)
        InvalidateChart();
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
    points_.Swap(i, j);
}

TColor TChartSeries::OwnOrPaletteColor(int index) const
{
    if (index < 0 || index >= Count())
        return seriesColor_;
    const TColor stored = points_.OwnColor(index);
    if (stored != clAutoColor)
        return stored;
    return colorEachPoint_ ? Palette(index) : seriesColor_;
}

void TChartSeries::SetPointColor(int index, TColor color)
{
    points_.SetColor(index, color);
    InvalidateChart();
}

std::string TChartSeries::PointLabel(int index) const
{
    return points_.Label(index);
}

double TChartSeries::XValueAt(int index) const { return XValues().ValueAt(index); }
double TChartSeries::YValueAt(int index) const { return YValues().ValueAt(index); }
double TChartSeries::XMin() const { return XValues().Minimum(); }
double TChartSeries::XMax() const { return XValues().Maximum(); }
double TChartSeries::YMin() const { return YValues().Minimum(); }
double TChartSeries::YMax() const { return YValues().Maximum(); }
double TChartSeries::ZMin() const { return zOrder_; }
double TChartSeries::ZMax() const { return zOrder_; }
double TChartSeries::MarkValue(int index) const { return MandatoryList().ValueAt(index); }
double TChartSeries::OriginValue(int index) const { return MarkValue(index); }
TChartValueList& TChartSeries::MandatoryList() { return YValues(); }

const TChartValueList& TChartSeries::MandatoryList() const
{
    return const_cast<TChartSeries*>(this)->MandatoryList();
}

TChartValueList& TChartSeries::ValueListByName(const std::string& name)
{
    const auto equalNoCase = [](const std::string& a, const std::string& b) {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) { return std::toupper(x) == std::toupper(y); });
    };
    const TChartValueLists& lists = points_.Lists();
    for (std::size_t i = 2; i < lists.size(); ++i)
        if (equalNoCase(lists[i]->Name(), name))
            return *lists[i];
    return YValues();
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
    InvalidateChart();
}

void TChartSeries::SetVertAxis(TVertAxis value)
{
    if (!StoreChanged(vertAxis_, value))
        return;
    RecalcGetAxis();
    InvalidateChart();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* value)
{
    if (!StoreChanged(customHorizAxis_, value))
        return;
    RecalcGetAxis();
    InvalidateChart();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* value)
{
    if (!StoreChanged(customVertAxis_, value))
        return;
    RecalcGetAxis();
    InvalidateChart();
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

void TChartSeries::InvalidateChart() const
{
    if (parentChart_ != nullptr)
        parentChart_->Invalidate();
}

void TChartSeries::SetActive(bool value)
{
    StoreAndInvalidate(active_, value, [this] { InvalidateChart(); });
}

void TChartSeries::SetSeriesColor(TColor value)
{
    StoreAndInvalidate(seriesColor_, value, [this] { InvalidateChart(); });
}

void TChartSeries::SetPercentFormat(const std::string& value)
{
    StoreAndInvalidate(percentFormat_, value, [this] { InvalidateChart(); });
}

void TChartSeries::SetShowInLegend(bool value)
{
    StoreAndInvalidate(showInLegend_, value, [this] { InvalidateChart(); });
}

void TChartSeries::SetTitle(const std::string& value)
{
    StoreAndInvalidate(title_, value, [this] { InvalidateChart(); });
}

void TChartSeries::SetValueFormat(const std::string& value)
{
    StoreAndInvalidate(valueFormat_, value, [this] { InvalidateChart(); });
}

void TChartSeries::SetZOrder(int value)
{
    StoreAndInvalidate(zOrder_, value, [this] { InvalidateChart(); });
}

void TChartSeries::SetClipToAxisRange(bool value)
{
    StoreAndInvalidate(clipToAxisRange_, value, [this] { InvalidateChart(); });
}

void TChartSeries::SetKeepPointPastEdge(bool value)
{
    StoreAndInvalidate(keepPointPastEdge_, value, [this] { InvalidateChart(); });
}

void TChartSeries::SetColorEachPoint(bool value)
{
    if (!StoreChanged(colorEachPoint_, value))
        return;
    InvalidateChart();
    if (value)
        return;
    // Null points keep their clNone: resetting it would turn them into drawn points.
    for (int i = 0; i < static_cast<int>(points_.Colors().size()); ++i)
        if (points_.OwnColor(i) != clNone)
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
