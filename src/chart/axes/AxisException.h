#pragma once

#include "chart/panel/EChartException.h"

// A refused axis property value; what() is the message shown to the user.
class AxisException : public EChartException {
public:
    using EChartException::EChartException;
};
