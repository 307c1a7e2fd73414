#pragma once

#include "app/cli/Calculation.h"

#include <string>
#include <string_view>

namespace cli {

// The three results as the window labels them, one per line, without the last line end.
void AppendPlainResult(std::string& out, const TCalcTexts& texts);

// One calculation as a CSV line without its line end: the three inputs as fields (quoted only when they hold a
// quote or a comma), then the three result texts.
void AppendCsvResult(std::string& out, std::string_view variable, std::string_view standard, std::string_view mode,
    const TCalcTexts& texts);

// One calculation as a JSON object: the three inputs as strings, the three results as numbers with exactly the
// digits of their texts.
void AppendJsonResult(std::string& out, std::string_view variable, std::string_view standard, std::string_view mode,
    const TCalcTexts& texts);

}
