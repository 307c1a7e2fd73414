#include "chart/axes/TAxisPixelMapping.h"

#include "chart/axes/TCustomChartAxis.h"

#include <limits>

TAxisPixelMapping TAxisPixelMapping::ForX(const TCustomChartAxis& axis)
{
    return {axis.Scale(), TAxisScale::TPixelAxis::X};
}

TAxisPixelMapping TAxisPixelMapping::ForY(const TCustomChartAxis& axis)
{
    return {axis.Scale(), TAxisScale::TPixelAxis::Y};
}

// Offsets grow from the scale's origin by the factor's sign: towards the span's end, or back from it.
TAxisPixelMapping::TAxisPixelMapping(const TAxisScale& scale, TAxisScale::TPixelAxis along)
    : scale_(scale)
    , along_(along)
    , factor_(static_cast<double>(scale.PixelLength()) / scale.Range())
    , origin_(scale.CountsFromStart(along) ? scale.PixelStart : scale.PixelEnd)
{
    // A factor of NaN makes every offset NaN, which sends every value to the scale's exact mapping.
    if (scale.Logarithmic || !std::isnormal(factor_))
        factor_ = std::numeric_limits<double>::quiet_NaN();
    else if (!scale.CountsFromStart(along))
        factor_ = -factor_;
}
