#pragma once

#include <cstdint>

// The cut of a panel bevel.
enum TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
