#include "platform/form/SeriesFormClasses.h"

#include "chart/series/TClassRegistry.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "platform/form/ChartProperties.h"
#include "platform/form/EFormError.h"
#include "platform/form/TTableFormObject.h"

namespace {

template <class T>
TFormCreator SeriesCreator(const TPropertyTable<T>& properties)
{
    return [&properties](TFormObject& parent, const std::string& name, TFormLoadContext&) -> std::unique_ptr<TFormObject> {
        TCustomAxisPanel* chart = parent.SeriesParent();
        if (chart == nullptr) {
            throw EFormError(std::string("a ") + T::ClassNameText + " must be placed in a chart");
        }
        std::unique_ptr<T> series = TClassRegistry::Global().Create<T>(T::ClassNameText);
        if (series == nullptr) {
            throw EFormError(std::string("the series class ") + T::ClassNameText + " is not registered");
        }
        series->SetName(name);
        T* attached = series.release();
        // From here on the chart owns the series.
        attached->SetParentChart(chart);
        return std::make_unique<TTableFormObject<T>>(*attached, properties);
    };
}

}  // namespace

void AddSeriesFormClasses(TFormClassTable& classes)
{
    classes.Add(TLineSeries::ClassNameText, SeriesCreator(LineSeriesProperties()));
    classes.Add(TPointSeries::ClassNameText, SeriesCreator(PointSeriesProperties()));
}
