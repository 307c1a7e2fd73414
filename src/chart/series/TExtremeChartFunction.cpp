#include "chart/series/TExtremeChartFunction.h"

#include "chart/series/TChartSeries.h"

double TExtremeChartFunction::Calculate(const TChartSeries& source, int first, int last) const
{
    const TChartValueList& list = ValueList(source);
    if (first == -1)
        return WholeList(list);
    if (last < first)
        return 0.0;
    double result = list.ValueAt(first);
    for (int i = first + 1; i <= last; ++i)
        if (Beyond(list.ValueAt(i), result))
            result = list.ValueAt(i);
    return result;
}

double TExtremeChartFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int valueIndex) const
{
    bool started = false;
    double result = 0.0;
    for (const TChartSeries* source : sources) {
        const TChartValueList& list = ValueList(*source);
        if (valueIndex >= list.ValueCount())
            continue;
        const double value = list.ValueAt(valueIndex);
        if (!started || Beyond(value, result))
            result = value;
        started = true;
    }
    return result;
}
