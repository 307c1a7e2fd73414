#include "platform/form/ReadBareChart.h"

#include "chart/panel/TChart.h"
#include "platform/form/EFormError.h"
#include "platform/form/SeriesFormClasses.h"
#include "platform/form/TFormParser.h"
#include "platform/form/TFormReader.h"

#include <map>

namespace {

// An object of the form that is not wanted: its properties are dropped and it holds nothing.
class TPassedOverObject : public TFormObject {
public:
    void SetProperty(std::string_view, const TFormValue&, TFormLoadContext&) override {}
};

class TBareChartObject : public TFormObject {
public:
    TBareChartObject(TChart& chart, const TChartPropertySetter& setProperty) : chart_(chart), setProperty_(setProperty) {}

    void SetProperty(std::string_view path, const TFormValue& value, TFormLoadContext& context) override
    {
        setProperty_(chart_, path, value, context);
    }

    TCustomAxisPanel* SeriesParent() override { return &chart_; }

private:
    TChart& chart_;
    const TChartPropertySetter& setProperty_;
};

}  // namespace

std::unique_ptr<TChart> ReadBareChart(std::string_view text, const std::string& fileName, const std::string& rootClass,
                                      const std::string& chartName, const std::vector<std::string>& controlClasses,
                                      const TChartPropertySetter& setProperty)
{
    std::map<std::string, std::unique_ptr<TChart>> charts;
    TFormClassTable classes;
    AddSeriesFormClasses(classes);
    classes.Add("TChart", [&charts, &setProperty](TFormObject&, const std::string& name, TFormLoadContext& context) {
        auto& chart = charts[name];
        chart = std::make_unique<TChart>();
        // Checks that compare one property with another wait until the whole chart is read.
        chart->BeginLoading();
        context.AfterLoad([bare = chart.get()] { bare->EndLoading(); });
        return std::make_unique<TBareChartObject>(*chart, setProperty);
    });
    for (const std::string& control : controlClasses) {
        classes.Add(control, [](TFormObject&, const std::string&, TFormLoadContext&) {
            return std::make_unique<TPassedOverObject>();
        });
    }
    // No handler is looked up: the event properties belong to the controls and the window passed over.
    TFormLoadContext context;
    TPassedOverObject root;
    ApplyForm(ParseForm(text, fileName), fileName, rootClass, root, classes, context);
    const auto found = charts.find(chartName);
    if (found == charts.end()) {
        throw EFormError(fileName + ": the form has no chart " + chartName);
    }
    return std::move(found->second);
}
