#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TColor.h"

#include <functional>

// Resolves a system colour index (0..255) to an RGB colour; the platform installs one at start-up.
using TSystemColorLookup = std::function<TColor(int index)>;

// The classic desktop values: button face $C0C0C0, window white, window text black, shadow $808080 ...
BHN_CHART_API TColor ClassicSystemColor(int index);

// Replaces the lookup used by ColorToRGB; an empty function restores the classic values.
BHN_CHART_API void SetSystemColorLookup(TSystemColorLookup lookup);

// An RGB colour stays as it is; a system colour (clAutoColor included, as index 0) is looked up.
BHN_CHART_API TColor ColorToRGB(TColor color);
