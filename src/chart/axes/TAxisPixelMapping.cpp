#include "chart/axes/TAxisPixelMapping.h"

#include <limits>

TAxisPixelMapping TAxisPixelMapping::ForX(const TCustomChartAxis& axis)
{
    return {axis, &TCustomChartAxis::XValueToPixel, !axis.Inverted()};
}

// Vertical pixels grow downwards, so an upright axis counts back from its end.
TAxisPixelMapping TAxisPixelMapping::ForY(const TCustomChartAxis& axis)
{
    return {axis, &TCustomChartAxis::YValueToPixel, axis.Inverted()};
}

TAxisPixelMapping::TAxisPixelMapping(const TCustomChartAxis& axis, TExactMapping exact, bool fromStart)
    : axis_(axis)
    , exact_(exact)
    , minimum_(axis.ScaleMinimum())
    , factor_(static_cast<double>(axis.PixelLength()) / axis.ScaleRange())
    , origin_(fromStart ? axis.PixelStart() : axis.PixelEnd())
{
    // A factor of NaN makes every offset NaN, which sends every value to the axis.
    if (axis.Logarithmic() || !std::isnormal(factor_))
        factor_ = std::numeric_limits<double>::quiet_NaN();
    else if (!fromStart)
        factor_ = -factor_;
}
