#pragma once

#include <cstdint>

enum TChartBackImageMode : std::uint8_t { pbmStretch, pbmTile, pbmCenter };
