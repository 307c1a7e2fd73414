#pragma once

#include <cstdint>

// The side of the plot the legend sits on.
enum TLegendAlignment : std::uint8_t { laLeft, laRight, laTop, laBottom };
