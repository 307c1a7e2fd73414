#include "chart/series/TExtremeChartFunction.h"

#include "chart/series/TChartSeries.h"

double TExtremeChartFunction::Calculate(const TChartSeries& source, int first, int last) const
{
    if (first == -1)
        return WholeList(ValueList(source));
    return TManySeriesChartFunction::Calculate(source, first, last);
}
