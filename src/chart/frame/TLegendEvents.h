#pragma once

#include "chart/canvas/TRect.h"
#include "chart/frame/TLegendStyle.h"

#include <functional>
#include <string>

class TCustomChart;

// May change the text of legend item index (FirstValue counted).
using TOnGetLegendText = std::function<void(TCustomChart& sender, TLegendStyle legendStyle, int index, std::string& legendText)>;
// May move legend item index: its text goes to (x, y); xColor is the symbol's left edge, for information.
using TOnGetLegendPos = std::function<void(TCustomChart& sender, int index, int& x, int& y, int& xColor)>;
// May change the legend's item rectangle before the legend is drawn.
using TOnGetLegendRect = std::function<void(TCustomChart& sender, TRect& rect)>;
