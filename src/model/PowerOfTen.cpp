#include "model/PowerOfTen.h"

#include <array>
#include <cmath>

namespace BHNcalc {

namespace {

// 5^27 still fits in a 64-bit significand, so every power up to 10^27 is exact.
constexpr int LargestExactPower = 27;

constexpr std::array<long double, LargestExactPower + 1> ExactPowers = [] {
    std::array<long double, LargestExactPower + 1> powers{};
    long double p = 1.0L;
    for (long double& entry : powers) {
        entry = p;
        p *= 10.0L;
    }
    return powers;
}();

}

long double ScaleByPowerOfTen(long double v, std::int64_t power)
{
    while (power > LargestExactPower && !std::isinf(v)) {
        v *= ExactPowers[LargestExactPower];
        power -= LargestExactPower;
    }
    while (power < -LargestExactPower && v != 0.0L) {
        v /= ExactPowers[LargestExactPower];
        power += LargestExactPower;
    }
    if (power > LargestExactPower || power < -LargestExactPower) {
        return v;
    }
    return power >= 0 ? v * ExactPowers[static_cast<std::size_t>(power)]
                      : v / ExactPowers[static_cast<std::size_t>(-power)];
}

}
