#pragma once

#include "chart/ChartApi.h"

// The root of the objects the class registry can create by class name.
class BHN_CHART_API TPersistentObject {
public:
    virtual ~TPersistentObject() = default;
};
