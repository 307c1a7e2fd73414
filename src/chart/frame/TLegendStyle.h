#pragma once

#include <cstdint>

// What the legend lists: lsAuto picks values for a single active series and series otherwise.
enum TLegendStyle : std::uint8_t { lsAuto, lsSeries, lsValues, lsLastValues };
