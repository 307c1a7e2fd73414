#include "chart/series/TSeriesPoints.h"

#include "chart/series/EListError.h"

#include <algorithm>
#include <utility>

TSeriesPoints::TSeriesPoints()
    : xValues_(*this, "X")
    , yValues_(*this, "Y")
{
    xValues_.SetOrder(loAscending);
}

void TSeriesPoints::Unregister(const TChartValueList& list)
{
    std::erase(lists_, &list);
}

void TSeriesPoints::InsertPendingValues(int index)
{
    for (std::size_t i = 2; i < lists_.size(); ++i)
        lists_[i]->InsertValue(index, lists_[i]->PendingValue);
}

void TSeriesPoints::StoreColorAndLabel(int index, TColor color, const std::string& label)
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

void TSeriesPoints::Delete(int index)
{
    for (TChartValueList* list : lists_)
        list->DeleteValue(index);
    if (static_cast<std::size_t>(index) < colors_.size())
        colors_.erase(colors_.begin() + index);
    if (static_cast<std::size_t>(index) < labels_.size())
        labels_.erase(labels_.begin() + index);
}

void TSeriesPoints::Clear()
{
    for (TChartValueList* list : lists_)
        list->RemoveAll();
    colors_.clear();
    colors_.shrink_to_fit();
    labels_.clear();
    labels_.shrink_to_fit();
}

void TSeriesPoints::Swap(int i, int j)
{
    for (TChartValueList* list : lists_)
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

void TSeriesPoints::SetColor(int index, TColor color)
{
    if (index < 0 || index >= Count())
        throw EListError(index);
    if (colors_.size() <= static_cast<std::size_t>(index))
        colors_.resize(static_cast<std::size_t>(index) + 1, clAutoColor);
    colors_[static_cast<std::size_t>(index)] = color;
}

const std::string& TSeriesPoints::Label(int index) const
{
    static const std::string none;
    const auto at = static_cast<std::size_t>(index);
    return at < labels_.size() ? labels_[at] : none;
}
