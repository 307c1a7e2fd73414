#pragma once

#include "chart/ChartApi.h"

#include <utility>

// A mouse drag in progress: where it started (X0, Y0) and where it is now (X1, Y1).
struct BHN_CHART_API TZoomPanningRecord {
    bool Active = false;
    int X0 = 0;
    int Y0 = 0;
    int X1 = 0;
    int Y1 = 0;

    void Activate(int x, int y)
    {
        X0 = X1 = x;
        Y0 = Y1 = y;
        Active = true;
    }
    // Orders the corners so that X0 <= X1 and Y0 <= Y1.
    void Normalize()
    {
        if (X0 > X1)
            std::swap(X0, X1);
        if (Y0 > Y1)
            std::swap(Y0, Y1);
    }

    friend bool operator==(const TZoomPanningRecord&, const TZoomPanningRecord&) = default;
};
