#pragma once

#include "chart/ChartApi.h"
#include "chart/panel/EChartException.h"

// A refused axis property value; what() is the message shown to the user.
class BHN_CHART_API AxisException : public EChartException {
public:
    using EChartException::EChartException;
};
