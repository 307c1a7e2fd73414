#pragma once

#include "chart/ChartApi.h"

// The target ranges of a zoom for the four side axes.
struct BHN_CHART_API TZoomValues {
    double TopMinimum = 0;
    double TopMaximum = 0;
    double BottomMinimum = 0;
    double BottomMaximum = 0;
    double LeftMinimum = 0;
    double LeftMaximum = 0;
    double RightMinimum = 0;
    double RightMaximum = 0;

    friend bool operator==(const TZoomValues&, const TZoomValues&) = default;
};
