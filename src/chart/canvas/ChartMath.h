#pragma once

#include "chart/ChartApi.h"
#include "numeric/Extended.h"

#include <cstdint>

// x * y / z rounded to the nearest integer, halves away from zero, with a 64-bit intermediate.
// A zero divisor or a result outside int gives -1, as the platform's integer scaling does.
BHN_CHART_API int MulDiv(int x, int y, int z);

// Rounds to the nearest integer, ties to even.
inline int Round(Extended v)
{
    return static_cast<int>(RoundToEven(v));
}
