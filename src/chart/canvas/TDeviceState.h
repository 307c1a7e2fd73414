#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/BrushTypes.h"
#include "chart/canvas/FontTypes.h"
#include "chart/canvas/PenTypes.h"
#include "chart/canvas/TColor.h"

#include <string>

// What a device needs to draw lines and outlines. Colours here are always RGB.
struct BHN_CHART_API TDevicePen {
    TColor Color = clBlack;
    TPenStyle Style = psSolid;
    int Width = 1;
    TPenMode Mode = pmCopy;

    friend bool operator==(const TDevicePen&, const TDevicePen&) = default;
};

// What a device needs to fill shapes. The colour is RGB.
struct BHN_CHART_API TDeviceBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;

    friend bool operator==(const TDeviceBrush&, const TDeviceBrush&) = default;
};

// What a device needs to measure and draw text. Height in pixels: negative is the character
// height (the usual form), positive the cell height. Escapement in tenths of a degree,
// counter-clockwise. The colour is the RGB text colour.
struct BHN_CHART_API TDeviceFont {
    std::string Name = "Arial";
    int Height = -11;
    TFontStyles Style;
    int Escapement = 0;
    TColor Color = clBlack;

    friend bool operator==(const TDeviceFont&, const TDeviceFont&) = default;
};
