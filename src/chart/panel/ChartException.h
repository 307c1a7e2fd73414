#pragma once

#include "chart/ChartApi.h"
#include "chart/panel/EChartException.h"

// A value refused by the chart itself (3D percent, points per page, series dependences).
class BHN_CHART_API ChartException : public EChartException {
public:
    using EChartException::EChartException;
};
