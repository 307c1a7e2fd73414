#pragma once

#include "numeric/BitCast.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <concepts>
#include <cstdint>
#include <limits>
#include <utility>

// The x87 extended format computed with integers: a 64-bit significand with an explicit leading bit and a 15-bit
// exponent, every result rounded to nearest with ties to even, with the x87 unit's infinities, NaNs, overflow and
// gradual underflow. Only the canonical encodings are produced; the operations are inline so a batch of
// calculations does not pay a call per step.
class SoftExtended {
public:
    // The sign and exponent word and the significand as the x87 unit stores them.
    static constexpr std::uint16_t SignMask = 0x8000;
    static constexpr std::uint16_t ExponentMask = 0x7FFF;
    static constexpr int ExponentBias = 16383;
    static constexpr std::uint64_t LeadingBit = std::uint64_t{1} << 63;
    static constexpr std::uint64_t QuietBit = std::uint64_t{1} << 62;

    constexpr SoftExtended() = default;

    // Every double is exact in the wider format; a signalling NaN comes in quieted, as the x87 load does.
    constexpr SoftExtended(double v)
    {
        const auto bits = BitCast<std::uint64_t>(v);
        const std::uint16_t sign = (bits >> 63) != 0 ? SignMask : 0;
        const auto biased = static_cast<int>((bits >> DoubleFractionBits) & DoubleExponentMask);
        const std::uint64_t fraction = bits & DoubleFractionMask;
        const int shift = 63 - DoubleFractionBits;
        if (biased == DoubleExponentMask) {
            *this = FromBits(sign | ExponentMask, fraction == 0 ? LeadingBit : LeadingBit | QuietBit | fraction << shift);
        } else if (biased != 0) {
            *this = FromBits(static_cast<std::uint16_t>(sign | (biased - DoubleExponentBias + ExponentBias)),
                LeadingBit | fraction << shift);
        } else if (fraction != 0) {
            const int zeros = std::countl_zero(fraction);
            *this = FromBits(static_cast<std::uint16_t>(sign | (ExponentBias - DoubleExponentBias + 1 + shift - zeros)),
                fraction << zeros);
        } else {
            se_ = sign;
        }
    }

    // A long double would pass through double and lose bits on the way; no such conversion compiles.
    SoftExtended(long double) = delete;

    // Integers up to 64 bits are exact.
    template <std::integral I>
    constexpr SoftExtended(I v)
    {
        const bool negative = v < 0;
        const auto magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
        *this = FromMagnitude(negative, magnitude);
    }

    static constexpr SoftExtended FromBits(std::uint16_t signExponent, std::uint64_t significand)
    {
        SoftExtended x;
        x.se_ = signExponent;
        x.sig_ = significand;
        return x;
    }
    constexpr std::uint16_t SignExponent() const { return se_; }
    constexpr std::uint64_t Significand() const { return sig_; }

    // Rounded to nearest, ties to even, with the double's own subnormals and overflow; a NaN keeps its sign and
    // the upper bits of its payload.
    explicit constexpr operator double() const
    {
        const std::uint64_t sign = SignBit() ? std::uint64_t{1} << 63 : 0;
        const int shift = 63 - DoubleFractionBits;
        if (IsNan()) {
            return BitCast<double>(sign | DoubleExponentField | std::uint64_t{1} << (DoubleFractionBits - 1)
                | (sig_ >> shift & DoubleFractionMask));
        }
        if (IsInf()) {
            return BitCast<double>(sign | DoubleExponentField);
        }
        if (sig_ == 0) {
            return BitCast<double>(sign);
        }
        const int zeros = std::countl_zero(sig_);
        const std::uint64_t m = sig_ << zeros;
        const int e = EffectiveExponent() - zeros - ExponentBias;
        const int smallest = 1 - DoubleExponentBias;
        const int drop = shift + (e < smallest ? smallest - e : 0);
        if (drop > 64) {
            return BitCast<double>(sign);
        }
        std::uint64_t kept = RoundedShift(m, drop);
        if (e < smallest) {
            // A subnormal that rounds up to 2^52 lands exactly on the smallest normal's encoding.
            return BitCast<double>(sign | kept);
        }
        int biased = e + DoubleExponentBias;
        if (kept >> (DoubleFractionBits + 1) != 0) {
            kept >>= 1;
            ++biased;
        }
        if (biased >= DoubleExponentMask) {
            return BitCast<double>(sign | DoubleExponentField);
        }
        return BitCast<double>(sign | std::uint64_t(biased) << DoubleFractionBits | (kept & DoubleFractionMask));
    }

    // Truncation toward zero; out of range or NaN gives the x87 unit's "integer indefinite" (the type's minimum).
    template <std::signed_integral I>
        requires(sizeof(I) >= 4)
    explicit constexpr operator I() const
    {
        const auto [inRange, magnitude] = TruncatedMagnitude();
        const bool negative = SignBit();
        constexpr auto limit = static_cast<std::uint64_t>(std::numeric_limits<I>::max());
        if (!inRange || magnitude > limit + (negative ? 1 : 0)) {
            return std::numeric_limits<I>::min();
        }
        return static_cast<I>(negative ? std::uint64_t{0} - magnitude : magnitude);
    }

    // Values from 2^63 on go through the signed conversion of x - 2^63, as the compiled x87 code does.
    template <std::unsigned_integral I>
        requires(!std::same_as<I, bool>)
    explicit constexpr operator I() const
    {
        const SoftExtended top = FromBits(ExponentBias + 63, LeadingBit);
        if (*this < top) {
            return static_cast<I>(static_cast<std::uint64_t>(static_cast<std::int64_t>(*this)));
        }
        return static_cast<I>(static_cast<std::uint64_t>(static_cast<std::int64_t>(*this - top)) ^ LeadingBit);
    }

    constexpr bool IsNan() const { return (se_ & ExponentMask) == ExponentMask && (sig_ << 1) != 0; }
    constexpr bool IsInf() const { return (se_ & ExponentMask) == ExponentMask && (sig_ << 1) == 0; }
    constexpr bool IsFinite() const { return (se_ & ExponentMask) != ExponentMask; }
    constexpr bool SignBit() const { return (se_ & SignMask) != 0; }
    constexpr SoftExtended Abs() const { return FromBits(se_ & ExponentMask, sig_); }

    // Toward zero; keeps the sign of a zero result.
    constexpr SoftExtended Trunc() const
    {
        const int e = (se_ & ExponentMask) - ExponentBias;
        if (!IsFinite() || e >= 63) {
            return Quieted();
        }
        if (e < 0) {
            return FromBits(se_ & SignMask, 0);
        }
        return FromBits(se_, sig_ & ~((std::uint64_t{1} << (63 - e)) - 1));
    }

    // To the nearest integer, ties to even; keeps the sign of a zero result.
    constexpr SoftExtended RoundToEven() const
    {
        const int e = (se_ & ExponentMask) - ExponentBias;
        if (!IsFinite() || e >= 63) {
            return Quieted();
        }
        if (e < 0) {
            const bool one = e == -1 && sig_ > LeadingBit;
            return one ? FromBits((se_ & SignMask) | ExponentBias, LeadingBit) : FromBits(se_ & SignMask, 0);
        }
        return FromMagnitude(SignBit(), RoundedShift(sig_, 63 - e));
    }

    // The binary exponent of a finite nonzero value, subnormals included; the C library's answers otherwise.
    constexpr int ILogB() const
    {
        if (IsNan()) {
            return FP_ILOGBNAN;
        }
        if (IsInf()) {
            return std::numeric_limits<int>::max();
        }
        if (sig_ == 0) {
            return FP_ILOGB0;
        }
        return EffectiveExponent() - ExponentBias - std::countl_zero(sig_);
    }

    friend constexpr SoftExtended operator-(SoftExtended x) { return FromBits(x.se_ ^ SignMask, x.sig_); }
    friend constexpr SoftExtended operator+(SoftExtended a, SoftExtended b) { return Sum(a, b, false); }
    friend constexpr SoftExtended operator-(SoftExtended a, SoftExtended b) { return Sum(a, b, true); }
    friend constexpr SoftExtended operator*(SoftExtended a, SoftExtended b) { return Product(a, b); }
    friend constexpr SoftExtended operator/(SoftExtended a, SoftExtended b) { return Quotient(a, b); }
    constexpr SoftExtended& operator+=(SoftExtended b) { return *this = *this + b; }
    constexpr SoftExtended& operator-=(SoftExtended b) { return *this = *this - b; }
    constexpr SoftExtended& operator*=(SoftExtended b) { return *this = *this * b; }
    constexpr SoftExtended& operator/=(SoftExtended b) { return *this = *this / b; }

    // NaN is unordered: every comparison with it is false but !=.
    friend constexpr bool operator==(SoftExtended a, SoftExtended b)
    {
        if (a.IsNan() || b.IsNan()) {
            return false;
        }
        return (a.IsZero() && b.IsZero()) || (a.se_ == b.se_ && a.sig_ == b.sig_);
    }
    friend constexpr bool operator<(SoftExtended a, SoftExtended b)
    {
        if (a.IsNan() || b.IsNan() || (a.IsZero() && b.IsZero())) {
            return false;
        }
        if (a.SignBit() != b.SignBit()) {
            return a.SignBit();
        }
        return a.SignBit() ? MagnitudeBelow(b, a) : MagnitudeBelow(a, b);
    }
    friend constexpr bool operator>(SoftExtended a, SoftExtended b) { return b < a; }
    friend constexpr bool operator<=(SoftExtended a, SoftExtended b) { return a < b || a == b; }
    friend constexpr bool operator>=(SoftExtended a, SoftExtended b) { return b < a || a == b; }

private:
    __extension__ using TWide = unsigned __int128;

    static constexpr int DoubleFractionBits = 52;
    static constexpr int DoubleExponentMask = 0x7FF;
    static constexpr int DoubleExponentBias = 1023;
    static constexpr std::uint64_t DoubleFractionMask = (std::uint64_t{1} << DoubleFractionBits) - 1;
    static constexpr std::uint64_t DoubleExponentField = std::uint64_t{DoubleExponentMask} << DoubleFractionBits;
    // The sign and exponent word of the negative "indefinite" NaN that invalid operations give.
    static constexpr std::uint16_t IndefiniteSignExponent = SignMask | ExponentMask;

    constexpr bool IsZero() const { return (se_ & ExponentMask) == 0 && sig_ == 0; }
    // Subnormals share the smallest normal exponent; their significand lacks the leading bit instead.
    constexpr int EffectiveExponent() const { return std::max(se_ & ExponentMask, 1); }
    constexpr SoftExtended Quieted() const { return IsNan() ? FromBits(se_, sig_ | QuietBit) : *this; }

    static constexpr SoftExtended Indefinite() { return FromBits(IndefiniteSignExponent, LeadingBit | QuietBit); }
    static constexpr SoftExtended Infinity(bool negative) { return FromBits((negative ? SignMask : 0) | ExponentMask, LeadingBit); }
    static constexpr SoftExtended Zero(bool negative) { return FromBits(negative ? SignMask : 0, 0); }

    static constexpr bool MagnitudeBelow(SoftExtended a, SoftExtended b)
    {
        const int ea = a.se_ & ExponentMask;
        const int eb = b.se_ & ExponentMask;
        return ea != eb ? ea < eb : a.sig_ < b.sig_;
    }

    static constexpr SoftExtended FromMagnitude(bool negative, std::uint64_t magnitude)
    {
        if (magnitude == 0) {
            return Zero(false);
        }
        const int zeros = std::countl_zero(magnitude);
        return FromBits(static_cast<std::uint16_t>((negative ? SignMask : 0) | (ExponentBias + 63 - zeros)), magnitude << zeros);
    }

    // v / 2^shift (0 < shift <= 64) rounded to the nearest integer, ties to even.
    static constexpr std::uint64_t RoundedShift(std::uint64_t v, int shift)
    {
        const TWide wide = TWide{v} << (64 - shift);
        const auto kept = static_cast<std::uint64_t>(wide >> 64);
        const auto rest = static_cast<std::uint64_t>(wide);
        return kept + ((rest > LeadingBit || (rest == LeadingBit && (kept & 1) != 0)) ? 1 : 0);
    }

    // Everything the shift drops is kept as one sticky bit at the bottom.
    static constexpr TWide ShiftRightSticky(TWide m, int shift)
    {
        if (shift <= 0) {
            return m;
        }
        if (shift >= 128) {
            return m != 0 ? 1 : 0;
        }
        return (m >> shift) | ((m & ((TWide{1} << shift) - 1)) != 0 ? 1 : 0);
    }

    static constexpr int LeadingZeros(TWide m)
    {
        const auto high = static_cast<std::uint64_t>(m >> 64);
        return high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(static_cast<std::uint64_t>(m));
    }

    // The value m * 2^(exponent - bias - 127), rounded once to the format; the lowest bit of m may stand for
    // anything nonzero below it.
    static constexpr SoftExtended Rounded(bool negative, int exponent, TWide m)
    {
        if (m == 0) {
            return Zero(negative);
        }
        const int zeros = LeadingZeros(m);
        m <<= zeros;
        exponent -= zeros;
        if (exponent >= ExponentMask) {
            return Infinity(negative);
        }
        if (exponent <= 0) {
            m = ShiftRightSticky(m, 1 - exponent);
            exponent = 0;
        }
        auto high = static_cast<std::uint64_t>(m >> 64);
        const auto low = static_cast<std::uint64_t>(m);
        if (low > LeadingBit || (low == LeadingBit && (high & 1) != 0)) {
            ++high;
            if (high == 0) {
                high = LeadingBit;
                if (++exponent == ExponentMask) {
                    return Infinity(negative);
                }
            } else if (exponent == 0 && high == LeadingBit) {
                exponent = 1;
            }
        }
        return FromBits(static_cast<std::uint16_t>((negative ? SignMask : 0) | exponent), high);
    }

    // A NaN operand comes out quieted; of two NaNs the x87 unit keeps the quiet one, else the larger significand,
    // else the positive one.
    static constexpr SoftExtended PropagatedNan(SoftExtended a, SoftExtended b)
    {
        if (!a.IsNan()) {
            return b.Quieted();
        }
        if (!b.IsNan()) {
            return a.Quieted();
        }
        const bool aQuiet = (a.sig_ & QuietBit) != 0;
        const bool bQuiet = (b.sig_ & QuietBit) != 0;
        if (aQuiet != bQuiet) {
            return aQuiet ? a : b;
        }
        if (a.sig_ != b.sig_) {
            return (a.sig_ > b.sig_ ? a : b).Quieted();
        }
        return (a.se_ < b.se_ ? a : b).Quieted();
    }

    static constexpr SoftExtended Sum(SoftExtended a, SoftExtended b, bool subtract)
    {
        if (a.IsNan() || b.IsNan()) {
            return PropagatedNan(a, b);
        }
        if (subtract) {
            b = -b;
        }
        if (a.IsInf() || b.IsInf()) {
            if (a.IsInf() && b.IsInf() && a.SignBit() != b.SignBit()) {
                return Indefinite();
            }
            return a.IsInf() ? a : b;
        }
        if (b.IsZero()) {
            return a.IsZero() ? Zero(a.SignBit() && b.SignBit()) : a;
        }
        if (a.IsZero()) {
            return b;
        }
        if (MagnitudeBelow(a, b)) {
            std::swap(a, b);
        }
        // Two bits of headroom take the carry; 62 guard bits below the significand keep the rounding exact.
        const int ea = a.EffectiveExponent();
        const TWide ma = TWide{a.sig_} << 62;
        const TWide mb = ShiftRightSticky(TWide{b.sig_} << 62, ea - b.EffectiveExponent());
        if (a.SignBit() == b.SignBit()) {
            return Rounded(a.SignBit(), ea + 2, ma + mb);
        }
        // An exact cancellation is +0 when rounding to nearest.
        return ma == mb ? Zero(false) : Rounded(a.SignBit(), ea + 2, ma - mb);
    }

    static constexpr SoftExtended Product(SoftExtended a, SoftExtended b)
    {
        if (a.IsNan() || b.IsNan()) {
            return PropagatedNan(a, b);
        }
        const bool negative = a.SignBit() != b.SignBit();
        if (a.IsInf() || b.IsInf()) {
            return a.IsZero() || b.IsZero() ? Indefinite() : Infinity(negative);
        }
        return Rounded(negative, a.EffectiveExponent() + b.EffectiveExponent() - ExponentBias + 1, TWide{a.sig_} * b.sig_);
    }

    static constexpr SoftExtended Quotient(SoftExtended a, SoftExtended b)
    {
        if (a.IsNan() || b.IsNan()) {
            return PropagatedNan(a, b);
        }
        const bool negative = a.SignBit() != b.SignBit();
        if (a.IsInf()) {
            return b.IsInf() ? Indefinite() : Infinity(negative);
        }
        if (b.IsInf()) {
            return Zero(negative);
        }
        if (b.IsZero()) {
            return a.IsZero() ? Indefinite() : Infinity(negative);
        }
        if (a.IsZero()) {
            return Zero(negative);
        }
        const int za = std::countl_zero(a.sig_);
        const int zb = std::countl_zero(b.sig_);
        const std::uint64_t ma = a.sig_ << za;
        const std::uint64_t mb = b.sig_ << zb;
        // The numerator's shift makes the quotient exactly 64 bits long.
        const int shift = ma >= mb ? 63 : 64;
        const TWide numerator = TWide{ma} << shift;
        const auto q = static_cast<std::uint64_t>(numerator / mb);
        const auto r = static_cast<std::uint64_t>(numerator - TWide{q} * mb);
        // Below the quotient: half, more or less than half a unit, as the remainder tells.
        const TWide twice = TWide{r} << 1;
        const std::uint64_t below = twice > mb ? LeadingBit | 1 : twice == mb ? LeadingBit : r != 0 ? 1 : 0;
        const int exponent = (a.EffectiveExponent() - za) - (b.EffectiveExponent() - zb) + ExponentBias + 63 - shift;
        return Rounded(negative, exponent, TWide{q} << 64 | below);
    }

    // The magnitude of the value truncated toward zero, and whether it fits in 64 bits at all.
    constexpr std::pair<bool, std::uint64_t> TruncatedMagnitude() const
    {
        const int e = (se_ & ExponentMask) - ExponentBias;
        if (!IsFinite() || e > 63) {
            return {false, 0};
        }
        return {true, e < 0 ? 0 : sig_ >> (63 - e)};
    }

    std::uint64_t sig_ = 0;
    std::uint16_t se_ = 0;
};

template <>
struct std::numeric_limits<SoftExtended> {
    static constexpr bool is_specialized = true;
    static constexpr bool is_signed = true;
    static constexpr bool is_integer = false;
    static constexpr bool is_exact = false;
    static constexpr bool has_infinity = true;
    static constexpr bool has_quiet_NaN = true;
    static constexpr bool has_signaling_NaN = true;
    static constexpr bool is_iec559 = true;
    static constexpr bool is_bounded = true;
    static constexpr bool is_modulo = false;
    static constexpr int radix = 2;
    static constexpr int digits = 64;
    static constexpr int digits10 = 18;
    static constexpr int max_digits10 = 21;
    static constexpr int min_exponent = -16381;
    static constexpr int max_exponent = 16384;
    static constexpr int min_exponent10 = -4931;
    static constexpr int max_exponent10 = 4932;
    static constexpr std::float_round_style round_style = std::round_to_nearest;

    static constexpr SoftExtended min() { return SoftExtended::FromBits(1, SoftExtended::LeadingBit); }
    static constexpr SoftExtended max() { return SoftExtended::FromBits(SoftExtended::ExponentMask - 1, ~std::uint64_t{0}); }
    static constexpr SoftExtended lowest() { return -max(); }
    static constexpr SoftExtended epsilon() { return SoftExtended::FromBits(SoftExtended::ExponentBias - 63, SoftExtended::LeadingBit); }
    static constexpr SoftExtended denorm_min() { return SoftExtended::FromBits(0, 1); }
    static constexpr SoftExtended infinity() { return SoftExtended::FromBits(SoftExtended::ExponentMask, SoftExtended::LeadingBit); }
    static constexpr SoftExtended quiet_NaN()
    {
        return SoftExtended::FromBits(SoftExtended::ExponentMask, SoftExtended::LeadingBit | SoftExtended::QuietBit);
    }
    static constexpr SoftExtended signaling_NaN()
    {
        return SoftExtended::FromBits(SoftExtended::ExponentMask, SoftExtended::LeadingBit | SoftExtended::QuietBit >> 1);
    }
};
