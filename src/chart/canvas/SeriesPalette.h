#pragma once

#include "chart/canvas/TColor.h"

#include <array>

inline constexpr std::array<TColor, 16> DefaultSeriesPalette{
    clRed, clGreen, clYellow, clBlue, clWhite, clGray, clFuchsia, clTeal,
    clNavy, clMaroon, clLime, clOlive, clPurple, clSilver, clAqua, clBlack,
};

// The palette entry for any index: index mod 16 (a negative index counts from the end).
constexpr TColor Palette(int index)
{
    const int size = static_cast<int>(DefaultSeriesPalette.size());
    return DefaultSeriesPalette[static_cast<std::size_t>(((index % size) + size) % size)];
}
