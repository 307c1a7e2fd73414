#pragma once

#include "chart/canvas/TColor.h"

// Where a series' line stands while its points are drawn: the last point's pixel, the bottom of the area
// below it and its colour. The point-by-point and the plain-line drawing carry on from each other through it.
struct TLineCursor {
    int X = 0;
    int Y = 0;
    int Bottom = 0;
    TColor Color = clAutoColor;

    bool operator==(const TLineCursor&) const = default;
    // The line has reached the point in the colour.
    void MoveTo(int x, int y, TColor color)
    {
        X = x;
        Y = y;
        Color = color;
    }
    bool At(int x, int y) const { return X == x && Y == y; }
};
