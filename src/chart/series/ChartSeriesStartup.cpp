#include "chart/series/ChartSeriesStartup.h"

#include "chart/series/TAddChartFunction.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/TAverageChartFunction.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/TChartSeriesTypes.h"
#include "chart/series/TClassRegistry.h"
#include "chart/series/TDivideChartFunction.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/THighChartFunction.h"
#include "chart/series/THorizBarSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TLowChartFunction.h"
#include "chart/series/TMultiplyChartFunction.h"
#include "chart/series/TPieSeries.h"
#include "chart/series/TPointSeries.h"
#include "chart/series/TSubtractChartFunction.h"

namespace {

int startCount = 0;

void StartChartUnit()
{
    for (const char* name : {"TChartLegend", "TChartGradient", "TChartWall", "TChartTitle"})
        TClassRegistry::Global().RegisterClassName(name);
    RegisterBasicFunction(MetaClassOf<TAddChartFunction>(), "Add");
    RegisterBasicFunction(MetaClassOf<TSubtractChartFunction>(), "Subtract");
    RegisterBasicFunction(MetaClassOf<TMultiplyChartFunction>(), "Multiply");
    RegisterBasicFunction(MetaClassOf<TDivideChartFunction>(), "Divide");
    RegisterBasicFunction(MetaClassOf<THighChartFunction>(), "High");
    RegisterBasicFunction(MetaClassOf<TLowChartFunction>(), "Low");
    RegisterBasicFunction(MetaClassOf<TAverageChartFunction>(), "Average");
}

void StartSeriesUnit()
{
    RegisterSeriesType(MetaClassOf<TLineSeries>(), "Line", "Standard", 2);
    RegisterSeriesType(MetaClassOf<TBarSeries>(), "Bar", "Standard", 2);
    RegisterSeriesType(MetaClassOf<THorizBarSeries>(), "Horiz. Bar", "Standard", 2);
    RegisterSeriesType(MetaClassOf<TAreaSeries>(), "Area", "Standard", 2);
    RegisterSeriesType(MetaClassOf<TPointSeries>(), "Point", "Standard", 2);
    RegisterSeriesType(MetaClassOf<TPieSeries>(), "Pie", "Standard", 1);
    RegisterSeriesType(MetaClassOf<TFastLineSeries>(), "Fast Line", "Standard", 2);
}

}

void RegisterChartSeriesTypes()
{
    if (startCount++ != 0)
        return;
    StartChartUnit();
    StartSeriesUnit();
}

void UnregisterChartSeriesTypes()
{
    if (startCount == 0 || --startCount != 0)
        return;
    FreeRegistry();
}
