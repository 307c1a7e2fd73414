#include "numeric/SoftExtendedMath.h"

#include <limits>

namespace {

using Limits = std::numeric_limits<SoftExtended>;

// ln 2 in two parts: the high one has 48 significant bits, so its product with any binary exponent is exact.
constexpr SoftExtended Ln2High = SoftExtended::FromBits(SoftExtended::ExponentBias - 1, 0xB17217F7D1CF0000);
constexpr SoftExtended Ln2Low = SoftExtended::FromBits(SoftExtended::ExponentBias - 50, 0xF35793C7673007E6);
// 1 / ln 2 and sqrt(2), rounded.
constexpr SoftExtended InverseLn2 = SoftExtended::FromBits(SoftExtended::ExponentBias, 0xB8AA3B295C17F0BC);
constexpr SoftExtended Sqrt2 = SoftExtended::FromBits(SoftExtended::ExponentBias, 0xB504F333F9DE6484);
// Terms of the series: for ln, (s^2)^n / (2n + 1) with s^2 <= 0.0295 falls below 2^-64 by n = 14; for exp,
// r^n / n! with |r| <= 0.35 by n = 20.
constexpr int LogTerms = 14;
constexpr int ExpTerms = 20;
// Beyond these e^x is infinite or zero in the extended format.
constexpr int ExpOverflow = 11357;
constexpr int ExpUnderflow = -11400;

SoftExtended PowerOfTwo(int k)
{
    return SoftExtended::FromBits(static_cast<std::uint16_t>(SoftExtended::ExponentBias + k), SoftExtended::LeadingBit);
}

// x * 2^k in at most two exact steps, so only a subnormal result rounds.
SoftExtended Scaled(SoftExtended x, int k)
{
    const int half = k / 2;
    return x * PowerOfTwo(half) * PowerOfTwo(k - half);
}

}

SoftExtended SoftLog(SoftExtended x)
{
    if (x.IsNan()) {
        return x + x;
    }
    if (x == 0) {
        return -Limits::infinity();
    }
    if (x.SignBit()) {
        return Limits::infinity() - Limits::infinity();
    }
    if (x.IsInf()) {
        return x;
    }
    // x = m * 2^k with m in [sqrt(1/2), sqrt(2)]; ln m = 2 atanh(s) with s = (m - 1) / (m + 1).
    int k = x.ILogB();
    SoftExtended m = Scaled(x, -k);
    if (m > Sqrt2) {
        m = m / 2;
        ++k;
    }
    const SoftExtended s = (m - 1) / (m + 1);
    const SoftExtended z = s * s;
    SoftExtended series = SoftExtended(1) / (2 * LogTerms + 1);
    for (int n = LogTerms - 1; n >= 0; --n) {
        series = series * z + SoftExtended(1) / (2 * n + 1);
    }
    const SoftExtended lnM = 2 * s * series;
    return k * Ln2High + (k * Ln2Low + lnM);
}

SoftExtended SoftExp(SoftExtended x)
{
    if (x.IsNan()) {
        return x + x;
    }
    if (x > ExpOverflow) {
        return Limits::infinity();
    }
    if (x < ExpUnderflow) {
        return 0;
    }
    // x = k ln 2 + r with |r| <= ln 2 / 2; e^x = e^r * 2^k.
    const int k = static_cast<int>((x * InverseLn2).RoundToEven());
    const SoftExtended r = (x - k * Ln2High) - k * Ln2Low;
    SoftExtended series = 1;
    for (int n = ExpTerms; n >= 1; --n) {
        series = 1 + r * series / n;
    }
    return Scaled(series, k);
}
