#pragma once

#include <cstdint>

// What an axis's labels show.
enum TAxisLabelStyle : std::uint8_t { talAuto, talNone, talValue, talMark, talText };
