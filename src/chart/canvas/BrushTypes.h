#pragma once

#include <cstdint>

enum TBrushStyle : std::uint8_t { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
