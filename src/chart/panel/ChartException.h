#pragma once

#include "chart/panel/EChartException.h"

// A value refused by the chart itself (3D percent, points per page, series dependences).
class ChartException : public EChartException {
public:
    using EChartException::EChartException;
};
