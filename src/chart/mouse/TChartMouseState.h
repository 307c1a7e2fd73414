#pragma once

#include "chart/ChartApi.h"
#include "chart/panel/TMouseButton.h"
#include "chart/panel/TShiftState.h"

#include <array>

class TCustomChart;
class TChartAxis;

// Engine-wide mouse settings.
constexpr TMouseButton ZoomButton = mbLeft;
constexpr TMouseButton ScrollButton = mbRight;
constexpr TShiftState ZoomShift = 0;
constexpr TShiftState ScrollShift = 0;
constexpr double AnimatedZoomFactor = 3.0;
// The wheel delta of one notch.
constexpr int WheelNotch = 120;
// Zoom drags of this many pixels or fewer in either direction are ignored.
constexpr int MinZoomDrag = 16;
// A zoom that would leave a shown axis a range below this share of its values' magnitude is ignored like a
// too-small drag, whatever its label format shows: label values and pixels must stay apart in double precision.
constexpr double MinZoomRangeRatio = 1e-9;

// The chart's memory between mouse events: the axis ranges to return to when a zoom or scroll is
// undone, and the part of a wheel turn not yet scrolled.
class BHN_CHART_API TChartMouseState {
public:
    // Remembers the top, bottom, left and right axes, unless they are remembered already.
    void SaveAxes(TCustomChart& chart);
    // Gives the remembered settings back (if any) and allows the next save.
    void RestoreAxes(TCustomChart& chart);

    // Adds a wheel delta; the whole notches turned, up positive, with the rest kept for later.
    int TakeWheelNotches(int delta);

private:
    struct TSavedAxis {
        bool Automatic = true;
        bool AutomaticMinimum = true;
        bool AutomaticMaximum = true;
        double Minimum = 0;
        double Maximum = 0;
    };
    static std::array<TChartAxis*, 4> SideAxes(TCustomChart& chart);

    std::array<TSavedAxis, 4> saved_{};
    bool maySave_ = true;
    int wheelRest_ = 0;
};
