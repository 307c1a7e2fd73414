#pragma once

#include "numeric/Extended.h"

#include <cstdint>

namespace BHNcalc {

// Multiplies (positive power) or divides (negative power) v by 10^|power| in extended precision,
// using only powers of ten that the extended format holds exactly (up to 10^27), largest steps first.
Extended ScaleByPowerOfTen(Extended v, std::int64_t power);

}
