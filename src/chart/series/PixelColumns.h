#pragma once

#include <span>

// Helpers for series that walk many points column by column on ascending X.

// Points beyond this many pixels from the origin are not drawn: the line goes on from the last one drawn.
constexpr int MaxPixel = 32766;

inline bool OutsidePixelRange(int v)
{
    return v < -MaxPixel || v > MaxPixel;
}

// The lowest and highest of the scaled values first..last, without branches in four independent
// lanes; false when one of them is not finite.
bool ScaledExtremes(std::span<const double> values, double multiplier, int first, int last, double& lowest, double& highest);

// The last index up to limit whose pixel column is x, starting from index first in that column;
// pixelOf(index) must never go back as the index grows. Gallops, then halves.
template <class TPixelOf>
int LastInColumn(const TPixelOf& pixelOf, int first, int x, int limit)
{
    int inside = first;
    int outside = limit + 1;
    for (int step = 1; inside + step <= limit; step *= 2) {
        if (pixelOf(inside + step) != x) {
            outside = inside + step;
            break;
        }
        inside += step;
    }
    while (outside - inside > 1) {
        const int middle = inside + (outside - inside) / 2;
        if (pixelOf(middle) == x)
            inside = middle;
        else
            outside = middle;
    }
    return inside;
}
