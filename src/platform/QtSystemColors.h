#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TColor.h"

// The system colour of a classic index taken from the application's palette
// (button face from QPalette::Button, window from QPalette::Base, ...).
BHN_CHART_API TColor QtSystemColor(int index);

// Makes ColorToRGB resolve system colours through the application's palette; call after the QApplication exists.
BHN_CHART_API void InstallQtSystemColors();
