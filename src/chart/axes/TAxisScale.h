#pragma once

#include "chart/ChartApi.h"

// What turns an axis' values into pixels and back: the limits of its scale and the span of pixels they
// are drawn over; the caller says which coordinate the values run along. A plain value, so a mapping
// can be kept, copied and tested without a chart.
struct BHN_CHART_API TAxisScale {
    // The pixel coordinate the values run along: x grows to the right, y downwards.
    enum class TPixelAxis { X, Y };

    double Minimum = 0;
    double Maximum = 0;
    int PixelStart = 0;
    int PixelEnd = 0;
    bool Inverted = false;
    bool Logarithmic = false;

    double Range() const { return Maximum - Minimum; }
    int PixelLength() const { return PixelEnd - PixelStart; }
    int PixelCentre() const { return (PixelStart + PixelEnd) / 2; }

    // Whether offsets from the minimum count forwards from PixelStart rather than back from PixelEnd:
    // so along x, and along y (whose minimum lies at the bottom) only when inverted.
    bool CountsFromStart(TPixelAxis along) const { return (along == TPixelAxis::X) != Inverted; }

    // The pixel of a value when the values run along the given coordinate; values the span cannot
    // place (no range, not a number, millions of spans away) go to the centre.
    int PixelAlong(TPixelAxis along, double value) const;
    int XValueToPixel(double value) const { return PixelAlong(TPixelAxis::X, value); }
    int YValueToPixel(double value) const { return PixelAlong(TPixelAxis::Y, value); }
    // The value at a pixel when the values run along the given coordinate; 0 on a span of no length.
    double PixelToValue(TPixelAxis along, int pixel) const;

    friend bool operator==(const TAxisScale&, const TAxisScale&) = default;
};
