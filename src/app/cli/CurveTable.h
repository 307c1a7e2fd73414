#pragma once

#include <cstdint>
#include <optional>
#include <ostream>

namespace cli {

enum class TValueText { FourDecimals, ShortestExact };

// Writes the curves on the 200..360 grid as CSV: one mode's selected curve, or (no mode) the five tables
// followed by the selected curves of the modes avg, weighed and tests.
void WriteCurveTable(std::ostream& out, std::optional<std::int32_t> mode, TValueText valueText);

}
