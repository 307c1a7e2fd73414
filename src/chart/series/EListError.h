#pragma once

#include "chart/ChartApi.h"

#include <stdexcept>
#include <string>

// The list-index error of the framework's lists: "List index out of bounds (%d)".
class BHN_CHART_API EListError : public std::runtime_error {
public:
    explicit EListError(int index)
        : std::runtime_error("List index out of bounds (" + std::to_string(index) + ")")
    {
    }
};
