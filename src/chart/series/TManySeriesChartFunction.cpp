#include "chart/series/TManySeriesChartFunction.h"

#include "chart/series/TChartSeries.h"

double TManySeriesChartFunction::Calculate(const TChartSeries& source, int first, int last) const
{
    const TChartValueList& list = ValueList(source);
    if (first == -1) {
        first = 0;
        last = list.ValueCount() - 1;
    }
    if (last < first)
        return 0.0;
    double result = list.ValueAt(first);
    for (int i = first + 1; i <= last; ++i)
        result = Combine(result, list.ValueAt(i));
    return result;
}

double TManySeriesChartFunction::CalculateMany(const std::vector<TChartSeries*>& sources, int valueIndex) const
{
    bool started = false;
    double result = 0.0;
    for (const TChartSeries* source : sources) {
        const TChartValueList& list = ValueList(*source);
        if (valueIndex >= list.ValueCount())
            continue;
        const double value = list.ValueAt(valueIndex);
        result = started ? Combine(result, value) : value;
        started = true;
    }
    return result;
}
