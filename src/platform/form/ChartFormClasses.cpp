#include "platform/form/ChartFormClasses.h"

#include "platform/TApplication.h"
#include "platform/TChartWidget.h"
#include "platform/form/ChartControlProperties.h"
#include "platform/form/EFormError.h"
#include "platform/form/SeriesFormClasses.h"
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

}  // namespace

void AddChartFormClasses(TFormClassTable& classes)
{
    classes.Add("TChart", CreateChart);
    AddSeriesFormClasses(classes);
}
