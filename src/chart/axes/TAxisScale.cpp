#include "chart/axes/TAxisScale.h"

#include "chart/canvas/ChartMath.h"
#include "numeric/Extended.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

namespace {

// A scaled offset at or beyond this many pixels cannot be drawn; such values map to the centre.
constexpr double PixelLimit = 2147483647.0;

// ln(Minimum) and ln(Maximum) for the logarithmic mapping; a limit at or below zero counts as a
// logarithm of zero.
std::pair<Extended, Extended> LogarithmicLimits(const TAxisScale& scale)
{
    const auto ln = [](double v) { return v > 0 ? Log(static_cast<Extended>(v)) : 0.0_ext; };
    return {ln(scale.Minimum), ln(scale.Maximum)};
}

// The value's distance in pixels from the minimum end (stored), or nothing when it maps to the centre.
std::optional<double> ScaledOffset(const TAxisScale& scale, double value)
{
    double d = 0;
    if (scale.Logarithmic) {
        if (value <= 0)
            return 0.0;
        const auto [lnMin, lnMax] = LogarithmicLimits(scale);
        if (lnMax == lnMin)
            return std::nullopt;
        d = static_cast<double>((Log(static_cast<Extended>(value)) - lnMin) * scale.PixelLength() / (lnMax - lnMin));
    } else {
        if (scale.Range() == 0)
            return std::nullopt;
        d = static_cast<double>((static_cast<Extended>(value) - scale.Minimum) * scale.PixelLength() / scale.Range());
    }
    if (!(std::fabs(d) < PixelLimit))
        return std::nullopt;
    return d;
}

// An offset just inside the guard can carry the pixel past the int range; it stays at the range's edge.
int PixelFrom(int origin, long long offset)
{
    return static_cast<int>(std::clamp<long long>(origin + offset, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}

int TAxisScale::PixelAlong(TPixelAxis along, double value) const
{
    const std::optional<double> d = ScaledOffset(*this, value);
    if (!d)
        return PixelCentre();
    return CountsFromStart(along) ? PixelFrom(PixelStart, Round(*d)) : PixelFrom(PixelEnd, -Round(*d));
}

double TAxisScale::PixelToValue(TPixelAxis along, int pixel) const
{
    if (PixelLength() < 1)
        return 0;
    const Extended offset = Inverted ? PixelEnd - pixel : pixel - PixelStart;
    const bool fromMinimum = along == TPixelAxis::X;
    if (Logarithmic) {
        const auto [lnMin, lnMax] = LogarithmicLimits(*this);
        const Extended a = offset * (lnMax - lnMin) / PixelLength();
        return static_cast<double>(Exp(fromMinimum ? lnMin + a : lnMax - a));
    }
    const Extended a = offset * Range() / PixelLength();
    return static_cast<double>(fromMinimum ? Minimum + a : Maximum - a);
}
