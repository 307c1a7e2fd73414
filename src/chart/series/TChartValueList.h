#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TChartListOrder.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class TSeriesPoints;

// One coordinate of every point of a series, in point order, with lazily cached statistics.
class BHN_CHART_API TChartValueList {
public:
    // Registers the list with the points it belongs to (index 0 is X, 1 is Y, further lists after).
    TChartValueList(TSeriesPoints& points, std::string name);
    TChartValueList(const TChartValueList&) = delete;
    TChartValueList& operator=(const TChartValueList&) = delete;
    // Leaves the points, so a list that goes before them is not reached through them.
    ~TChartValueList();

    int ValueCount() const { return static_cast<int>(values_.size()); }
    // The stored value times Multiplier.
    double ValueAt(int index) const;
    double operator[](int index) const { return ValueAt(index); }
    // Stores the value as given (not divided by Multiplier) and tells whoever shows the points.
    void SetValueAt(int index, double value);
    // Inserts by Order, searching from the end; equal values go after those present. Returns the index.
    // A value that belongs at the end, as in a series filled in order, is appended inline.
    int AddValue(double value)
    {
        const int count = ValueCount();
        if (!BelongsAtEnd(value))
            return InsertInOrder(value);
        values_.push_back(value);
        Changed();
        return count;
    }
    void InsertValue(int index, double value)
    {
        if (index != ValueCount()) {
            InsertBefore(index, value);
            return;
        }
        values_.push_back(value);
        Changed();
    }
    void DeleteValue(int index);
    // Empties the list and releases its storage.
    void RemoveAll();
    double LastValue() const;
    int IndexOfValue(double value) const;

    double Maximum() const;
    double Minimum() const;
    double Total() const;
    double AbsTotal() const;
    void RecalcStatistics() const;

    void RotateFirstToLast();
    void FillWithIndexes();
    // Reorders the whole points this list belongs to by its values (nothing when Order is loNone), in
    // O(n log n) time and without recursion whatever their order.
    void SortByValue();
    void CopySettingsFrom(const TChartValueList& source);
    // Exchanges two stored values; the points' Swap calls it for every list.
    void Exchange(int i, int j);

    // The values as stored, before Multiplier: for loops over many points.
    std::span<const double> StoredValues() const { return values_; }
    double Multiplier() const { return multiplier_; }
    void SetMultiplier(double value);
    bool DateTime() const { return dateTime_; }
    void SetDateTime(bool value);
    const std::string& ValueSource() const { return valueSource_; }
    void SetValueSource(const std::string& value);
    const std::string& Name() const { return name_; }
    void SetName(const std::string& value) { name_ = value; }
    TChartListOrder Order() const { return order_; }
    void SetOrder(TChartListOrder value) { order_ = value; }

    // Grows with every change of the values or of Multiplier; never the same for two lists.
    std::uint64_t ChangeCount() const { return changeCount_; }
    // Whether no stored value is below the one before it and none is not a number; the answer is
    // kept until the next change.
    bool StoredAscending() const;

    // The value staged by the series just before an add.
    double PendingValue = 0.0;

private:
    void Changed()
    {
        statsDirty_ = true;
        ++changeCount_;
    }
    bool BelongsAtEnd(double value) const
    {
        return order_ == loNone || values_.empty() || (order_ == loAscending ? values_.back() <= value : values_.back() >= value);
    }
    int InsertInOrder(double value);
    void InsertBefore(int index, double value);
    void CheckIndex(int index) const;
    int CompareValues(int a, int b) const;

    TSeriesPoints& points_;
    std::uint64_t changeCount_;
    bool dateTime_ = false;
    std::vector<double> values_;
    mutable double maximum_ = 0.0;
    mutable double minimum_ = 0.0;
    double multiplier_ = 1.0;
    std::string name_;
    TChartListOrder order_ = loNone;
    mutable double total_ = 0.0;
    mutable double absTotal_ = 0.0;
    std::string valueSource_;
    mutable bool statsDirty_ = true;
    mutable std::uint64_t ascendingCheckedAt_ = ~std::uint64_t{0};
    mutable bool ascending_ = false;
};
