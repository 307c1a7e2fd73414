#pragma once

#include "platform/form/TFormLoadContext.h"
#include "platform/form/TFormValue.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TChart;

// Sets one property of the chart as read from the form.
using TChartPropertySetter
    = std::function<void(TChart& chart, std::string_view path, const TFormValue& value, TFormLoadContext& context)>;

// Builds one chart of a form with its series and settings, and nothing else of the form: no window, no
// controls. Objects of the control classes are read and passed over. Throws EFormError naming fileName and
// the line, or when the form has no TChart named chartName.
std::unique_ptr<TChart> ReadBareChart(std::string_view text, const std::string& fileName, const std::string& rootClass,
                                      const std::string& chartName, const std::vector<std::string>& controlClasses,
                                      const TChartPropertySetter& setProperty);
