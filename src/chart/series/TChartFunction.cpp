#include "chart/series/TChartFunction.h"

#include "chart/canvas/SetterRule.h"
#include "chart/panel/ChartException.h"
#include "chart/series/TChartSeries.h"

#include <algorithm>
#include <cctype>
#include <cmath>

void TChartFunction::SetPeriod(double value)
{
    // NaN is refused with the negatives: it is no period at all.
    if (!(value >= 0))
        throw ChartException("Function Period should be >= 0");
    if (StoreChanged(period_, value))
        Recalculate();
}

void TChartFunction::SetPeriodAlign(TFunctionPeriodAlign value)
{
    if (StoreChanged(periodAlign_, value))
        Recalculate();
}

void TChartFunction::SetPeriodStyle(TFunctionPeriodStyle value)
{
    if (StoreChanged(periodStyle_, value))
        Recalculate();
}

void TChartFunction::Recalculate()
{
    if (parentSeries_ != nullptr)
        parentSeries_->CheckDataSource();
}

const TChartValueList& TChartFunction::ValueList(const TChartSeries& source) const
{
    const std::string name = parentSeries_ != nullptr ? parentSeries_->YValues().ValueSource() : std::string();
    if (!name.empty()) {
        const auto sameName = [&name](const TChartValueList* list) {
            return std::equal(list->Name().begin(), list->Name().end(), name.begin(), name.end(), [](unsigned char a, unsigned char b) { return std::toupper(a) == std::toupper(b); });
        };
        for (const TChartValueList* list : source.ValueLists())
            if (sameName(list))
                return *list;
    }
    return source.YValues();
}

void TChartFunction::AddPeriodPoint(const TChartSeries& source, int first, int last)
{
    const double firstX = source.XValueAt(first);
    const double lastX = source.XValueAt(last);
    double x = firstX;
    if (periodAlign_ == paLast)
        x = lastX;
    else if (periodAlign_ == paCenter)
        x = (firstX + lastX) / 2;
    parentSeries_->AddPoint(x, Calculate(source, first, last));
}

void TChartFunction::AddPoints(const std::vector<TChartSeries*>& sources)
{
    if (parentSeries_ == nullptr || sources.empty())
        return;
    if (sources.size() > 1) {
        int count = 0;
        for (const TChartSeries* source : sources)
            count = std::max(count, source->Count());
        for (int t = 0; t < count; ++t) {
            const auto having = std::find_if(sources.begin(), sources.end(), [t](const TChartSeries* s) { return t < s->Count(); });
            parentSeries_->AddPoint((*having)->XValueAt(t), CalculateMany(sources, t));
        }
        return;
    }
    const TChartSeries& source = *sources.front();
    const int count = source.Count();
    if (count == 0)
        return;
    if (period_ <= 0) {
        const double x = periodAlign_ == paFirst ? source.XValueAt(0)
            : periodAlign_ == paLast            ? source.XValueAt(count - 1)
                                                : (source.XValueAt(0) + source.XValueAt(count - 1)) / 2;
        parentSeries_->AddPoint(x, Calculate(source, -1, -1));
        return;
    }
    // Points per group, rounded; a period beyond the point count (even beyond the int range) is one group.
    const double rounded = std::nearbyint(period_);
    const int step = rounded >= count ? count : std::max(1, static_cast<int>(rounded));
    int first = 0;
    while (first < count) {
        int last = first;
        if (periodStyle_ == psNumPoints) {
            last = first + std::min(step, count - first) - 1;
        } else {
            const double limit = source.XValueAt(first) + period_;
            while (last + 1 < count && source.XValueAt(last + 1) < limit)
                ++last;
        }
        AddPeriodPoint(source, first, last);
        first = last + 1;
    }
}
