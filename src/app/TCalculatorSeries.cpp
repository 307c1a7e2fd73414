#include "app/TCalculatorSeries.h"

#include "chart/panel/TCustomAxisPanel.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "platform/form/EFormError.h"

#include <initializer_list>
#include <string>

namespace {

template <class T>
void BindSeries(TCustomAxisPanel& chart, T*& field, const char* name)
{
    for (TChartSeries* series : chart.SeriesList()) {
        if (series->Name() == name) {
            field = dynamic_cast<T*>(series);
        }
    }
    if (field == nullptr) {
        throw EFormError(std::string("the chart has no series ") + name + " of the expected class");
    }
}

}  // namespace

TCalculatorSeries::TCalculatorSeries(TCustomAxisPanel& chart)
{
    BindSeries(chart, Series1, "Series1");
    BindSeries(chart, Series2, "Series2");
    BindSeries(chart, Series3, "Series3");
    BindSeries(chart, Series4, "Series4");
    BindSeries(chart, Series5, "Series5");
    BindSeries(chart, Series6, "Series6");
    BindSeries(chart, Series7, "Series7");
    BindSeries(chart, Series8, "Series8");
    BindSeries(chart, Series9, "Series9");
}

void TCalculatorSeries::Graph(const BHNcalc::TCurve& selected, double standardBHN)
{
    using namespace BHNcalc;
    for (TChartSeries* series : std::initializer_list<TChartSeries*>{Series1, Series2, Series3, Series4, Series5,
                                                                     Series6, Series7, Series8, Series9}) {
        series->ClearPoints();
    }
    for (int i = 0; i < GridPoints; ++i) {
        const double x = GridBHN(i);
        const auto index = static_cast<std::size_t>(i);
        Series2->AddPoint(x, Curve0To35[index]);
        Series3->AddPoint(x, Curve40To60[index]);
        Series6->AddPoint(x, CurveAPFSDS[index]);
        Series7->AddPoint(x, CurveM62[index]);
        Series8->AddPoint(x, CurveM79[index]);
        Series1->AddPoint(x, selected[index]);
        Series9->AddPoint(x, selected[index]);
    }
    Series4->AddPoint(standardBHN, 1.5);
    Series4->AddPoint(standardBHN, 0.9);
}

void TCalculatorSeries::MarkVariable(double variableBHN)
{
    Series5->ClearPoints();
    Series5->AddPoint(variableBHN, 1.5);
    Series5->AddPoint(variableBHN, 0.9);
}
