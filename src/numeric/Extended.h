#pragma once

#include "numeric/X87Bits.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

// Extended: the x87 80-bit format the model's and the axes' roundings are defined in. Where long double is that
// format it is long double itself; elsewhere, or when BHN_SOFT_EXTENDED asks for it, the software type.
#if LDBL_MANT_DIG == 64 && !defined(BHN_SOFT_EXTENDED)
#define BHN_NATIVE_EXTENDED 1
using Extended = long double;
#else
#include "numeric/SoftExtended.h"
#include "numeric/SoftExtendedMath.h"
using Extended = SoftExtended;
#endif

#ifdef BHN_NATIVE_EXTENDED

inline TExtendedBits BitsOf(Extended x) { return X87BitsOf(x); }
inline Extended ExtendedFromBits(TExtendedBits bits) { return X87FromBits(bits); }

inline bool IsNan(Extended x) { return std::isnan(x); }
inline bool IsInf(Extended x) { return std::isinf(x); }
inline bool IsFinite(Extended x) { return std::isfinite(x); }
inline bool SignBit(Extended x) { return std::signbit(x); }
inline Extended Abs(Extended x) { return std::fabs(x); }
inline Extended Trunc(Extended x) { return std::trunc(x); }
// rint rounds exactly as nearbyint does (ties to even in the default mode) and only may raise the inexact flag,
// which nothing reads; it skips saving the floating-point environment, which was a measurable part of a frame.
inline Extended RoundToEven(Extended x) { return std::rint(x); }
inline int ILogB(Extended x) { return std::ilogb(x); }

inline constexpr Extended ExtendedPi = std::numbers::pi_v<long double>;

// The natural logarithm and exponential of logarithmic axes, to within a few units of the 64-bit significand.
inline Extended Log(Extended x) { return std::log(x); }
inline Extended Exp(Extended x) { return std::exp(x); }

// Powers and angles in the platform's own precision: they place pixels, and no digit depends on them.
inline Extended PlatformPow(Extended x, Extended y) { return std::pow(x, y); }
inline Extended PlatformSin(Extended x) { return std::sin(x); }
inline Extended PlatformCos(Extended x) { return std::cos(x); }

#else

constexpr TExtendedBits BitsOf(Extended x) { return {x.SignExponent(), x.Significand()}; }
constexpr Extended ExtendedFromBits(TExtendedBits bits) { return Extended::FromBits(bits.signExponent, bits.significand); }

constexpr bool IsNan(Extended x) { return x.IsNan(); }
constexpr bool IsInf(Extended x) { return x.IsInf(); }
constexpr bool IsFinite(Extended x) { return x.IsFinite(); }
constexpr bool SignBit(Extended x) { return x.SignBit(); }
constexpr Extended Abs(Extended x) { return x.Abs(); }
constexpr Extended Trunc(Extended x) { return x.Trunc(); }
constexpr Extended RoundToEven(Extended x) { return x.RoundToEven(); }
constexpr int ILogB(Extended x) { return x.ILogB(); }

// pi rounded to the 64-bit significand.
inline constexpr Extended ExtendedPi = Extended::FromBits(Extended::ExponentBias + 1, 0xC90FDAA22168C235);

// The natural logarithm and exponential of logarithmic axes, to within a few units of the 64-bit significand.
inline Extended Log(Extended x) { return SoftLog(x); }
inline Extended Exp(Extended x) { return SoftExp(x); }

// Powers and angles in the platform's own precision: they place pixels, and no digit depends on them.
inline Extended PlatformPow(Extended x, Extended y) { return std::pow(static_cast<double>(x), static_cast<double>(y)); }
inline Extended PlatformSin(Extended x) { return std::sin(static_cast<double>(x)); }
inline Extended PlatformCos(Extended x) { return std::cos(static_cast<double>(x)); }

#endif

// 5^27 still fits in a 64-bit significand, so every power of ten up to 10^27 is exact.
inline constexpr int LargestExactPowerOfTen = 27;

inline constexpr std::array<Extended, LargestExactPowerOfTen + 1> ExactPowersOfTen = [] {
    std::array<Extended, LargestExactPowerOfTen + 1> powers{};
    Extended p = 1;
    for (Extended& entry : powers) {
        entry = p;
        p *= 10;
    }
    return powers;
}();

// A decimal literal rounded once to the extended format, as the compiler rounds a long double literal: an integer
// below 2^128 is split into two exact halves whose sum is the one rounding, and a fraction is a quotient of
// exact digits and an exact power of ten. Other forms do not compile.
consteval Extended operator""_ext(const char* text)
{
    __extension__ using TWide = unsigned __int128;
    constexpr TWide wideMax = ~TWide{0};
    TWide digits = 0;
    int power = 0;
    bool point = false;
    const char* p = text;
    for (; *p != '\0' && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') {
            point = true;
            continue;
        }
        if (*p < '0' || *p > '9' || digits > (wideMax - 9) / 10) {
            throw "not a decimal literal of at most 38 digits";
        }
        digits = digits * 10 + static_cast<unsigned>(*p - '0');
        power -= point ? 1 : 0;
    }
    if (*p != '\0') {
        ++p;
        const bool negative = *p == '-';
        p += (*p == '-' || *p == '+') ? 1 : 0;
        int exponent = 0;
        for (; *p >= '0' && *p <= '9'; ++p) {
            exponent = exponent * 10 + (*p - '0');
        }
        power += negative ? -exponent : exponent;
    }
    while (digits != 0 && power < 0 && digits % 10 == 0) {
        digits /= 10;
        ++power;
    }
    if (power < 0) {
        if (-power > LargestExactPowerOfTen || digits >> 64 != 0) {
            throw "a fraction needs at most 19 digits and 27 decimals";
        }
        return Extended(static_cast<std::uint64_t>(digits)) / ExactPowersOfTen[static_cast<std::size_t>(-power)];
    }
    for (; power > 0; --power) {
        if (digits > wideMax / 10) {
            throw "an integer literal must stay below 2^128";
        }
        digits *= 10;
    }
    const Extended high = Extended(static_cast<std::uint64_t>(digits >> 64)) * 18446744073709551616.0;
    return high + Extended(static_cast<std::uint64_t>(digits));
}
