#include "chart/series/TAddChartFunction.h"

#include "chart/series/TChartSeries.h"

double TAddChartFunction::Calculate(const TChartSeries& source, int first, int last) const
{
    const TChartValueList& list = ValueList(source);
    if (first == -1)
        return list.Total();
    double sum = 0.0;
    for (int i = first; i <= last; ++i)
        sum += list.ValueAt(i);
    return sum;
}

double TAddChartFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int valueIndex) const
{
    double sum = 0.0;
    for (const TChartSeries* source : sources) {
        const TChartValueList& list = ValueList(*source);
        if (valueIndex < list.ValueCount())
            sum += list.ValueAt(valueIndex);
    }
    return sum;
}
