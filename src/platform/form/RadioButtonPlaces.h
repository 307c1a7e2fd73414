#pragma once

#include "chart/canvas/TRect.h"

#include <vector>

// Where a radio group of the given size places its count buttons in columns: rows fill a column before the
// next column starts, and the caption's text height sits above the first row.
std::vector<TRect> RadioButtonPlaces(int count, int columns, int width, int height, int textHeight);
