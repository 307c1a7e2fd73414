#pragma once

#include "chart/ChartApi.h"

// A pixel position in the coordinates of the surface being drawn.
struct BHN_CHART_API TPoint {
    int X = 0;
    int Y = 0;

    friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};
