#pragma once

#include "app/cli/OutputFormat.h"

#include <cstdint>
#include <optional>
#include <ostream>

namespace cli {

enum class TValueText { FourDecimals, ShortestExact };

// Writes the curves on the 200..360 grid, one row per hardness, as CSV or as a JSON array of row objects: one
// mode's selected curve, or (no mode) the five tables followed by the selected curves of the modes avg, weighed
// and tests.
void WriteCurveTable(std::ostream& out, std::optional<std::int32_t> mode, TValueText valueText, TOutputFormat format);

}
