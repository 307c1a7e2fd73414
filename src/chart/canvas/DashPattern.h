#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/PenTypes.h"

#include <span>

// The on and off lengths in pixels of a cosmetic pen style; empty for solid and clear pens.
BHN_CHART_API std::span<const int> DashPatternOf(TPenStyle style);
