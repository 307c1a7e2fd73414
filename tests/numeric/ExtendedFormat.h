#pragma once

#include "numeric/SoftExtended.h"
#include "numeric/X87Bits.h"

#include <cmath>
#include <cstdint>

// One face for the software type and, where the processor has it, the x87 unit's long double, so the same
// table of cases checks both: the hardware confirms what the table expects of the software.
template <class T>
struct TExtendedFormat;

template <>
struct TExtendedFormat<SoftExtended> {
    static SoftExtended Make(TExtendedBits b) { return SoftExtended::FromBits(b.signExponent, b.significand); }
    static TExtendedBits Bits(SoftExtended x) { return {x.SignExponent(), x.Significand()}; }
    static SoftExtended Trunc(SoftExtended x) { return x.Trunc(); }
    static SoftExtended RoundToEven(SoftExtended x) { return x.RoundToEven(); }
    static int ILogB(SoftExtended x) { return x.ILogB(); }
    static bool IsNan(SoftExtended x) { return x.IsNan(); }
    static bool IsInf(SoftExtended x) { return x.IsInf(); }
    static bool IsFinite(SoftExtended x) { return x.IsFinite(); }
    static bool SignBit(SoftExtended x) { return x.SignBit(); }
    static SoftExtended Abs(SoftExtended x) { return x.Abs(); }
};

#if LDBL_MANT_DIG == 64
template <>
struct TExtendedFormat<long double> {
    static long double Make(TExtendedBits b) { return X87FromBits(b); }
    static TExtendedBits Bits(long double x) { return X87BitsOf(x); }
    static long double Trunc(long double x) { return std::trunc(x); }
    static long double RoundToEven(long double x) { return std::rint(x); }
    static int ILogB(long double x) { return std::ilogb(x); }
    static bool IsNan(long double x) { return std::isnan(x); }
    static bool IsInf(long double x) { return std::isinf(x); }
    static bool IsFinite(long double x) { return std::isfinite(x); }
    static bool SignBit(long double x) { return std::signbit(x); }
    static long double Abs(long double x) { return std::fabs(x); }
};
#endif

// Encodings by parts: the unbiased exponent of the leading bit and the significand.
namespace x87 {

inline constexpr std::uint16_t Sign = 0x8000;
inline constexpr std::uint64_t Lead = std::uint64_t{1} << 63;
inline constexpr std::uint64_t Quiet = std::uint64_t{1} << 62;

constexpr TExtendedBits Num(int exponent, std::uint64_t significand, bool negative = false)
{
    return {static_cast<std::uint16_t>((negative ? Sign : 0) | (exponent + 16383)), significand};
}
constexpr TExtendedBits Neg(TExtendedBits b)
{
    return {static_cast<std::uint16_t>(b.signExponent ^ Sign), b.significand};
}
constexpr TExtendedBits Subnormal(std::uint64_t significand) { return {0, significand}; }
constexpr TExtendedBits Zero{0, 0};
constexpr TExtendedBits One = Num(0, Lead);
constexpr TExtendedBits Infinity{0x7FFF, Lead};
constexpr TExtendedBits MaxFinite{0x7FFE, ~std::uint64_t{0}};
constexpr TExtendedBits MinNormal{1, Lead};
constexpr TExtendedBits DenormMin{0, 1};
constexpr TExtendedBits Indefinite{0xFFFF, Lead | Quiet};
constexpr TExtendedBits QuietNan(std::uint64_t payload) { return {0x7FFF, Lead | Quiet | payload}; }
constexpr TExtendedBits SignallingNan(std::uint64_t payload) { return {0x7FFF, Lead | payload}; }

}
