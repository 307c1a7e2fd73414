#pragma once

#include "numeric/Extended.h"

#include <string>

namespace BHNcalc {

// Writes x with exactly `decimals` decimals (0..216), right-aligned in `width` (0..255) characters,
// "." as the point whatever the locale; about 18 significant digits are exact, then zeros.
std::string FormatFixed(Extended x, int width, int decimals);

// Appends the text FormatFixed(x, 0, decimals) gives. The calculator's results (doubles below 10 in magnitude, at
// most 17 decimals) take a path that reproduces both roundings in integer arithmetic, which keeps a batch of a
// million lines from spending most of its time in extended-precision loads and digit strings; any other value
// takes FormatFixed itself.
void AppendFixed(std::string& out, double x, int decimals);

}
