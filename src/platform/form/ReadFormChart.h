#pragma once

#include <memory>
#include <string>
#include <string_view>

class TChart;

// Builds one chart of a form with its series and settings, and nothing else of the form: no window, no
// controls, so a picture can be drawn without a widget toolkit. The form's other objects are read and passed
// over. Throws EFormError naming fileName and the line, or when the form has no TChart named chartName.
std::unique_ptr<TChart> ReadFormChart(std::string_view text, const std::string& fileName, const std::string& rootClass,
                                      const std::string& chartName);
