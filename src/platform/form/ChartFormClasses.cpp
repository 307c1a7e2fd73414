#include "platform/form/ChartFormClasses.h"

#include "chart/series/TClassRegistry.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"
#include "platform/TApplication.h"
#include "platform/TChartWidget.h"
#include "platform/form/ChartProperties.h"
#include "platform/form/EFormError.h"
#include "platform/form/TFormObjectOf.h"

namespace {

// The chart widget holds both controls (labels placed on the chart) and series.
class TChartFormObject : public TFormObjectOf<TChartWidget> {
public:
    using TFormObjectOf<TChartWidget>::TFormObjectOf;

    TCustomAxisPanel* SeriesParent() override { return &Object().Chart(); }
};

std::unique_ptr<TFormObject> CreateChart(TFormObject& parent, const std::string& name, TFormLoadContext& context)
{
    QWidget* container = parent.ControlParent();
    if (container == nullptr) {
        throw EFormError("a TChart must be placed on a control");
    }
    auto* widget = new TChartWidget(container);
    widget->setObjectName(QString::fromStdString(name));
    // A paint that fails in the window is shown in the error box, as a failing handler is.
    QObject::connect(widget, &TChartWidget::PaintFailed, widget, &TApplication::HandleException);
    // Checks that compare one property with another wait until the whole chart is read.
    widget->Chart().BeginLoading();
    context.AfterLoad([widget] { widget->Chart().EndLoading(); });
    return std::make_unique<TChartFormObject>(*widget, ChartWidgetProperties());
}

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
        return std::make_unique<TFormObjectOf<T>>(*attached, properties);
    };
}

}  // namespace

void AddChartFormClasses(TFormClassTable& classes)
{
    classes.Add("TChart", CreateChart);
    AddSeriesFormClasses(classes);
}

void AddSeriesFormClasses(TFormClassTable& classes)
{
    classes.Add(TLineSeries::ClassNameText, SeriesCreator(LineSeriesProperties()));
    classes.Add(TPointSeries::ClassNameText, SeriesCreator(PointSeriesProperties()));
}
