#pragma once

#include "chart/ChartApi.h"

#include <cstdint>

class TChartSeries;
class TCustomChartAxis;

enum TClickedPartKind : std::uint8_t { cpNone, cpLegend, cpAxis, cpSeries, cpTitle, cpFoot, cpBackground };

// What lies under a point of the chart: the kind, and for a series its point index, for an axis
// the axis, for the legend the item position.
struct BHN_CHART_API TChartClickedPart {
    TClickedPartKind Part = cpNone;
    int PointIndex = -1;
    TChartSeries* Series = nullptr;
    TCustomChartAxis* Axis = nullptr;

    friend bool operator==(const TChartClickedPart&, const TChartClickedPart&) = default;
};
