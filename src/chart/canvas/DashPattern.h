#pragma once

#include "chart/canvas/PenTypes.h"

#include <span>

// The on and off lengths in pixels of a cosmetic pen style; empty for solid and clear pens.
std::span<const int> DashPatternOf(TPenStyle style);
