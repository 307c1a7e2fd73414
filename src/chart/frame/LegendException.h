#pragma once

#include "chart/ChartApi.h"
#include "chart/panel/EChartException.h"

// A refused legend property value; what() is the exact message shown to the user.
class BHN_CHART_API LegendException : public EChartException {
public:
    using EChartException::EChartException;
};
