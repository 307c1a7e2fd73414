#pragma once

#include "chart/ChartApi.h"
#include "chart/axes/TAxisScale.h"

#include <cmath>

class TCustomChartAxis;

// An axis' XValueToPixel or YValueToPixel for loops over many values, with the same pixel for every
// value. The axis scales in 80-bit arithmetic, three steps each within 2^-64 of the exact result
// relatively, and rounds the offset to double; here the offset comes from three double steps, each
// within 2^-53 relatively. The two offsets differ by less than 5 * 2^-53 of their size, under 2^-20
// of a pixel below 2^30 pixels, so an offset below that size and more than 2^-19 from a half pixel
// rounds to the same pixel either way. (An axis computing with double steps, as valgrind's x87
// emulation does, stays within 6 * 2^-53, inside the same margin.) Other values (near a half pixel,
// far out, not a number), logarithmic axes, and scales whose factor is not a normal double are left
// to the axis' scale.
class BHN_CHART_API TAxisPixelMapping {
public:
    static TAxisPixelMapping ForX(const TCustomChartAxis& axis);
    static TAxisPixelMapping ForY(const TCustomChartAxis& axis);

    int operator()(double value) const
    {
        const double offset = (value - scale_.Minimum) * factor_;
        if (std::fabs(offset) < FastLimit) [[likely]] {
            // Adding and taking away 1.5 * 2^52 rounds a double below 2^51 to a whole number.
            const double pixels = (offset + RoundingShift) - RoundingShift;
            if (std::fabs(offset - pixels) < SafeDistance) [[likely]]
                return origin_ + static_cast<int>(pixels);
        }
        return scale_.PixelAlong(along_, value);
    }

private:
    static constexpr double FastLimit = 1073741824.0;
    static constexpr double RoundingShift = 6755399441055744.0;
    static constexpr double SafeDistance = 0.5 - 1.0 / 524288.0;

    TAxisPixelMapping(const TAxisScale& scale, TAxisScale::TPixelAxis along);

    // A copy, so the mapping and its exact fallback always work with the same numbers.
    TAxisScale scale_;
    TAxisScale::TPixelAxis along_;
    double factor_;
    int origin_;
};
