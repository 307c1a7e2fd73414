#pragma once

#include "chart/ChartApi.h"

// A width and height in pixels, as text measurement returns it.
struct BHN_CHART_API TSize {
    int Width = 0;
    int Height = 0;

    friend constexpr bool operator==(const TSize&, const TSize&) = default;
};
