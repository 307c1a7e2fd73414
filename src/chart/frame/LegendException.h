#pragma once

#include "chart/panel/EChartException.h"

// A refused legend property value; what() is the exact message shown to the user.
class LegendException : public EChartException {
public:
    using EChartException::EChartException;
};
