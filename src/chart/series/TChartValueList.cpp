#include "chart/series/TChartValueList.h"

#include "chart/canvas/SetterRule.h"
#include "chart/series/EListError.h"
#include "chart/series/SortPoints.h"
#include "chart/series/TSeriesPoints.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <utility>

namespace {

// Each list counts its changes from a start of its own, so that a count names one list's state
// even after another list takes the place of a deleted one.
std::uint64_t NewChangeCountStart()
{
    static std::atomic<std::uint64_t> lists{0};
    return lists.fetch_add(1, std::memory_order_relaxed) << 32;
}

}

TChartValueList::TChartValueList(TSeriesPoints& points, std::string name)
    : points_(points)
    , changeCount_(NewChangeCountStart())
    , name_(std::move(name))
{
    points_.Register(*this);
    RemoveAll();
}

TChartValueList::~TChartValueList()
{
    points_.Unregister(*this);
}

bool TChartValueList::StoredAscending() const
{
    if (ascendingCheckedAt_ != changeCount_) {
        ascendingCheckedAt_ = changeCount_;
        ascending_ = values_.empty() || !std::isnan(values_.front());
        // A value not a number compares false either way, so it ends the run too.
        for (std::size_t i = 1; ascending_ && i < values_.size(); ++i)
            ascending_ = values_[i - 1] <= values_[i];
    }
    return ascending_;
}

void TChartValueList::CheckIndex(int index) const
{
    if (index < 0 || index >= ValueCount())
        throw EListError(index);
}

double TChartValueList::ValueAt(int index) const
{
    CheckIndex(index);
    return values_[static_cast<std::size_t>(index)] * multiplier_;
}

void TChartValueList::SetValueAt(int index, double value)
{
    CheckIndex(index);
    values_[static_cast<std::size_t>(index)] = value;
    Changed();
    points_.ValuesChanged(snValueChange, index);
}

int TChartValueList::InsertInOrder(double value)
{
    int at = ValueCount() - 1;
    if (order_ == loAscending) {
        while (at >= 0 && values_[static_cast<std::size_t>(at)] > value)
            --at;
    } else {
        while (at >= 0 && values_[static_cast<std::size_t>(at)] < value)
            --at;
    }
    values_.insert(values_.begin() + (at + 1), value);
    Changed();
    return at + 1;
}

void TChartValueList::InsertBefore(int index, double value)
{
    CheckIndex(index);
    values_.insert(values_.begin() + index, value);
    Changed();
}

void TChartValueList::DeleteValue(int index)
{
    CheckIndex(index);
    values_.erase(values_.begin() + index);
    Changed();
}

void TChartValueList::RemoveAll()
{
    values_.clear();
    values_.shrink_to_fit();
    Changed();
}

double TChartValueList::LastValue() const
{
    return ValueAt(ValueCount() - 1);
}

int TChartValueList::IndexOfValue(double value) const
{
    for (int i = 0; i < ValueCount(); ++i)
        if (ValueAt(i) == value)
            return i;
    return -1;
}

void TChartValueList::RecalcStatistics() const
{
    if (values_.empty()) {
        maximum_ = minimum_ = total_ = absTotal_ = 0.0;
        statsDirty_ = false;
        return;
    }
    // The values as ValueAt gives them, summed in locals: the members could alias the values.
    const double first = values_.front() * multiplier_;
    double maximum = first;
    double minimum = first;
    double total = first;
    double absTotal = std::fabs(first);
    for (std::size_t i = 1; i < values_.size(); ++i) {
        const double v = values_[i] * multiplier_;
        if (v < minimum)
            minimum = v;
        else if (v > maximum)
            maximum = v;
        total += v;
        absTotal += std::fabs(v);
    }
    maximum_ = maximum;
    minimum_ = minimum;
    total_ = total;
    absTotal_ = absTotal;
    statsDirty_ = false;
}

double TChartValueList::Maximum() const
{
    if (statsDirty_)
        RecalcStatistics();
    return maximum_;
}

double TChartValueList::Minimum() const
{
    if (statsDirty_)
        RecalcStatistics();
    return minimum_;
}

double TChartValueList::Total() const
{
    if (statsDirty_)
        RecalcStatistics();
    return total_;
}

double TChartValueList::AbsTotal() const
{
    if (statsDirty_)
        RecalcStatistics();
    return absTotal_;
}

void TChartValueList::RotateFirstToLast()
{
    if (values_.empty())
        return;
    std::rotate(values_.begin(), values_.begin() + 1, values_.end());
    Changed();
}

void TChartValueList::FillWithIndexes()
{
    for (int i = 0; i < ValueCount(); ++i)
        SetValueAt(i, i);
}

int TChartValueList::CompareValues(int a, int b) const
{
    const double va = values_[static_cast<std::size_t>(a)];
    const double vb = values_[static_cast<std::size_t>(b)];
    const int result = va < vb ? -1 : (va > vb ? 1 : 0);
    return order_ == loDescending ? -result : result;
}

void TChartValueList::SortByValue()
{
    if (order_ == loNone || ValueCount() < 2)
        return;
    SortPoints(
        ValueCount(), [this](int a, int b) { return CompareValues(a, b); }, [this](int a, int b) { points_.Swap(a, b); });
}

void TChartValueList::Exchange(int i, int j)
{
    CheckIndex(i);
    CheckIndex(j);
    std::swap(values_[static_cast<std::size_t>(i)], values_[static_cast<std::size_t>(j)]);
    Changed();
}

void TChartValueList::CopySettingsFrom(const TChartValueList& source)
{
    order_ = source.order_;
    dateTime_ = source.dateTime_;
    multiplier_ = source.multiplier_;
    valueSource_ = source.valueSource_;
    Changed();
}

void TChartValueList::SetMultiplier(double value)
{
    if (!StoreChanged(multiplier_, value))
        return;
    Changed();
    points_.ValuesChanged(snRefresh, 0);
    points_.InvalidateChart();
}

void TChartValueList::SetDateTime(bool value)
{
    StoreAndInvalidate(dateTime_, value, [this] { points_.InvalidateChart(); });
}

void TChartValueList::SetValueSource(const std::string& value)
{
    if (StoreChanged(valueSource_, value))
        points_.ValueSourceChanged();
}
