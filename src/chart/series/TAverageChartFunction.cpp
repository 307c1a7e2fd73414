#include "chart/series/TAverageChartFunction.h"

#include "chart/series/TChartSeries.h"

double TAverageChartFunction::Calculate(const TChartSeries& source, int first, int last) const
{
    const TChartValueList& list = ValueList(source);
    if (first == -1)
        return list.ValueCount() == 0 ? 0.0 : list.Total() / list.ValueCount();
    if (last < first)
        return 0.0;
    double sum = 0.0;
    for (int i = first; i <= last; ++i)
        sum += list.ValueAt(i);
    return sum / (last - first + 1);
}

double TAverageChartFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int valueIndex) const
{
    double sum = 0.0;
    int having = 0;
    for (const TChartSeries* source : sources) {
        const TChartValueList& list = ValueList(*source);
        if (valueIndex < list.ValueCount()) {
            sum += list.ValueAt(valueIndex);
            ++having;
        }
    }
    return having == 0 ? 0.0 : sum / having;
}
