#pragma once

#include "chart/ChartApi.h"

#include <stdexcept>
#include <string>

// The base of the engine's refusals; what() is the exact message shown to the user.
class BHN_CHART_API EChartException : public std::runtime_error {
public:
    explicit EChartException(const std::string& message) : std::runtime_error(message) {}
};
