#pragma once

#include "chart/ChartApi.h"

#include <cmath>
#include <cstdint>

// x * y / z rounded to the nearest integer, halves away from zero, with a 64-bit intermediate.
// A zero divisor or a result outside int gives -1, as the platform's integer scaling does.
BHN_CHART_API int MulDiv(int x, int y, int z);

// Rounds to the nearest integer, ties to even (the default rounding mode). rint rounds exactly as
// nearbyint does and only may raise the inexact flag, which nothing reads; it skips saving the
// floating-point environment, which made rounding a measurable part of a frame.
inline int Round(long double v)
{
    return static_cast<int>(std::rint(v));
}
