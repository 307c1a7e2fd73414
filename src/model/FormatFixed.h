#pragma once

#include <string>

namespace BHNcalc {

// Writes x with exactly `decimals` decimals (0..216), right-aligned in `width` (0..255) characters,
// "." as the point whatever the locale; about 18 significant digits are exact, then zeros.
std::string FormatFixed(long double x, int width, int decimals);

}
