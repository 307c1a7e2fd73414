#pragma once

#include "model/BHNcalc.h"

#include <cstdint>

namespace cli {

// The curve SelectCurve gives for a mode 0..7, built once per mode and kept: a batch of a million lines
// would otherwise rebuild a curve for every line. The model's shared state is not touched.
const BHNcalc::TCurve& ModeCurve(std::int32_t mode);

}
