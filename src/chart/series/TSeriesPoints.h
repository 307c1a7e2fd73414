#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TNotifyEvent.h"
#include "chart/series/TChartValueList.h"
#include "chart/series/TSeriesNotification.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

using TChartValueLists = std::vector<TChartValueList*>;

// The points of a series: an X, a Y and any further value list, one entry per point at the same index,
// and each point's own colour and label. It knows no chart; whoever shows the points hears through the
// events of the changes made on a list directly.
class BHN_CHART_API TSeriesPoints {
public:
    // X is ordered ascending, so it decides where an added point goes; Y keeps no order.
    TSeriesPoints();
    TSeriesPoints(const TSeriesPoints&) = delete;
    TSeriesPoints& operator=(const TSeriesPoints&) = delete;

    TChartValueList& XValues() { return xValues_; }
    const TChartValueList& XValues() const { return xValues_; }
    TChartValueList& YValues() { return yValues_; }
    const TChartValueList& YValues() const { return yValues_; }
    // X, Y, then the further lists in the order they were made.
    const TChartValueLists& Lists() const { return lists_; }
    int Count() const { return xValues_.ValueCount(); }

    // Adds a point where its X belongs, the further lists taking their pending values; it has no colour
    // or label of its own. Returns its index.
    int AddValues(double x, double y)
    {
        const int index = xValues_.AddValue(x);
        yValues_.InsertValue(index, y);
        AddExtraValues(index);
        return index;
    }
    int Add(double x, double y, TColor color, const std::string& label)
    {
        const int index = AddValues(x, y);
        InsertColorAndLabel(index, color, label);
        return index;
    }
    // Inserts the pending values of the lists beyond X and Y at the index.
    void AddExtraValues(int index)
    {
        if (lists_.size() > 2)
            InsertPendingValues(index);
    }
    // Inserts a point's colour and label at the index, padding shorter lists with "none of its own".
    // Points past the end of these lists have the automatic colour and no label, so points that have
    // neither store nothing per point.
    void InsertColorAndLabel(int index, TColor color, const std::string& label)
    {
        const auto at = static_cast<std::size_t>(index);
        if (color != clAutoColor || !label.empty() || at < colors_.size() || at < labels_.size())
            StoreColorAndLabel(index, color, label);
    }
    // Removes the point from every list; its colour and label go with it.
    void Delete(int index);
    // Empties every list and releases its storage.
    void Clear();
    // Exchanges points i and j in every list; a list's sort moves whole points with it.
    void Swap(int i, int j);

    // A point's own colour; clAutoColor when it has none, or for an index outside the points.
    TColor OwnColor(int index) const
    {
        const auto at = static_cast<std::size_t>(index);
        return at < colors_.size() ? colors_[at] : clAutoColor;
    }
    // A null point occupies its index but is not drawn.
    bool IsNull(int index) const { return OwnColor(index) == clNone; }
    // Stores a colour of one point (clAutoColor: none of its own); the point must exist.
    void SetColor(int index, TColor color);
    // The own colours as stored: a point past their end has none.
    const std::vector<TColor>& Colors() const { return colors_; }
    // A point's label; empty when it has none, or for an index outside the points.
    const std::string& Label(int index) const;
    // Whether any point may have a label; false while every point was added without one.
    bool StoresLabels() const { return !labels_.empty(); }

    // A stored value was replaced (snValueChange, its index) or every value reads anew (snRefresh).
    std::function<void(TSeriesNotification code, int index)> OnValuesChanged;
    // A list changed how its values are shown.
    TNotifyEvent OnInvalidateChart;
    // A list was given another field of a data source to take its values from.
    TNotifyEvent OnValueSourceChanged;

private:
    friend class TChartValueList;
    void Register(TChartValueList& list) { lists_.push_back(&list); }
    void Unregister(const TChartValueList& list);
    void ValuesChanged(TSeriesNotification code, int index) const
    {
        if (OnValuesChanged)
            OnValuesChanged(code, index);
    }
    void InvalidateChart() const
    {
        if (OnInvalidateChart)
            OnInvalidateChart();
    }
    void ValueSourceChanged() const
    {
        if (OnValueSourceChanged)
            OnValueSourceChanged();
    }
    void InsertPendingValues(int index);
    void StoreColorAndLabel(int index, TColor color, const std::string& label);

    // Before the lists: they register in it when made and leave it when destroyed.
    TChartValueLists lists_;
    TChartValueList xValues_;
    TChartValueList yValues_;
    std::vector<TColor> colors_;
    std::vector<std::string> labels_;
};
