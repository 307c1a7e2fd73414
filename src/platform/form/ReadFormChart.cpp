#include "platform/form/ReadFormChart.h"

#include "chart/panel/TChart.h"
#include "platform/form/ChartControlProperties.h"
#include "platform/form/ReadBareChart.h"
#include "platform/form/TCustomForm.h"

std::unique_ptr<TChart> ReadFormChart(std::string_view text, const std::string& fileName, const std::string& rootClass,
                                      const std::string& chartName)
{
    return ReadBareChart(text, fileName, rootClass, chartName, StandardControlClasses().ClassNames(),
                         [](TChart& chart, std::string_view path, const TFormValue& value, TFormLoadContext& context) {
                             BareChartProperties().Set(chart, path, value, context);
                         });
}
