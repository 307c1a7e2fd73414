#pragma once

#include "chart/ChartApi.h"

#include <stdexcept>
#include <string>

// A drawing surface that cannot be made or drawn on.
class BHN_CHART_API EDeviceError : public std::runtime_error {
public:
    explicit EDeviceError(const std::string& message) : std::runtime_error(message) {}
};
