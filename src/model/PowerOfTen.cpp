#include "model/PowerOfTen.h"

namespace BHNcalc {

Extended ScaleByPowerOfTen(Extended v, std::int64_t power)
{
    constexpr Extended largest = ExactPowersOfTen[LargestExactPowerOfTen];
    while (power > LargestExactPowerOfTen && !IsInf(v)) {
        v *= largest;
        power -= LargestExactPowerOfTen;
    }
    while (power < -LargestExactPowerOfTen && v != 0) {
        v /= largest;
        power += LargestExactPowerOfTen;
    }
    if (power > LargestExactPowerOfTen || power < -LargestExactPowerOfTen) {
        return v;
    }
    return power >= 0 ? v * ExactPowersOfTen[static_cast<std::size_t>(power)]
                      : v / ExactPowersOfTen[static_cast<std::size_t>(-power)];
}

}
