// Compares the software extended type with the x87 unit's long double bit for bit (sign, exponent, significand;
// NaNs as the unit produces them) over random operands drawn to reach rounding ties, carries into the exponent,
// subnormal results, both ends of the exponent range and every special value.
//   extended_oracle [CASES_PER_OPERATION]
// Prints one line per operation with its counts; exits 1 when any result differs.

#include "numeric/SoftExtended.h"
#include "numeric/X87Bits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>

namespace {

constexpr std::uint16_t Sign = 0x8000;
constexpr int Bias = 16383;
constexpr int LargestExponent = 0x7FFE;
constexpr std::uint64_t Lead = std::uint64_t{1} << 63;
constexpr std::uint64_t Quiet = std::uint64_t{1} << 62;
// Mismatches printed in full per operation before only counting.
constexpr int ShownMismatches = 5;

SoftExtended Soft(TExtendedBits b)
{
    return SoftExtended::FromBits(b.signExponent, b.significand);
}

TExtendedBits BitsOf(SoftExtended x)
{
    return {x.SignExponent(), x.Significand()};
}

int ExponentOf(TExtendedBits b)
{
    return b.signExponent & 0x7FFF;
}

bool IsSubnormal(TExtendedBits b)
{
    return ExponentOf(b) == 0 && b.significand != 0;
}

// Random canonical encodings, weighted towards the places where rounding is hard.
class TOperands {
public:
    explicit TOperands(std::uint64_t seed) : random_(seed) {}

    std::uint64_t Next() { return random_(); }
    int Below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }

    std::uint64_t Significand()
    {
        const int k = Below(64);
        switch (Below(8)) {
        case 4:
        case 5:
            // Trailing zeros make exact results and ties likely.
            return (Next() | Lead) & ~((std::uint64_t{1} << k) - 1);
        case 6:
            // A run of ones at the bottom: a rounding step carries through it.
            return Next() | Lead | ((std::uint64_t{1} << k) - 1);
        case 7:
            return ~std::uint64_t{0} << k;
        default:
            return Next() | Lead;
        }
    }

    int Exponent()
    {
        switch (Below(6)) {
        case 0:
            return 1 + Below(LargestExponent);
        case 4:
            return 1 + Below(80);
        case 5:
            return LargestExponent - Below(80);
        default:
            return Bias - 80 + Below(161);
        }
    }

    // A normal number of the given biased exponent or, below 1, a subnormal.
    TExtendedBits WithExponent(int exponent)
    {
        const std::uint16_t sign = Below(2) != 0 ? Sign : 0;
        if (exponent >= 1) {
            return {static_cast<std::uint16_t>(sign | std::min(exponent, LargestExponent)), Significand()};
        }
        const std::uint64_t significand = Significand() >> std::min(63, 1 - exponent + Below(3));
        return {sign, significand != 0 ? significand : 1};
    }

    TExtendedBits Special()
    {
        const std::uint16_t sign = Below(2) != 0 ? Sign : 0;
        const std::uint64_t payload = Below(2) != 0 ? Next() >> Below(64) >> 2 : Below(4);
        switch (Below(10)) {
        case 0:
            return {sign, 0};
        case 1:
            return {static_cast<std::uint16_t>(sign | 0x7FFF), Lead};
        case 2:
            return {static_cast<std::uint16_t>(sign | 0x7FFF), Lead | Quiet | payload};
        case 3:
            return {static_cast<std::uint16_t>(sign | 0x7FFF), Lead | (payload != 0 ? payload : 1)};
        case 4:
            return {0xFFFF, Lead | Quiet};
        case 5:
            return {sign, 1};
        case 6:
            return {sign, Lead - 1};
        case 7:
            return {static_cast<std::uint16_t>(sign | 1), Lead};
        case 8:
            return {static_cast<std::uint16_t>(sign | LargestExponent), ~std::uint64_t{0}};
        default:
            return {static_cast<std::uint16_t>(sign | Bias), Lead};
        }
    }

    TExtendedBits Any()
    {
        const int r = Below(100);
        if (r < 6) {
            return Special();
        }
        if (r < 14) {
            return WithExponent(-Below(64));
        }
        return WithExponent(Exponent());
    }

private:
    std::mt19937_64 random_;
};

// The second operand: independent, or with an exponent that puts the result near a rounding hazard.
TExtendedBits Partner(TOperands& in, TExtendedBits a, char op)
{
    const int ea = std::max(ExponentOf(a), 1);
    const int delta = in.Below(141) - 70;
    switch (in.Below(op == '+' ? 2 : 4)) {
    case 0:
        return in.Any();
    case 1:
        // Aligned or nearly so: additions carry and cancel, products and quotients stay near one.
        return in.WithExponent(op == '+' ? ea + delta : Bias + delta);
    case 2:
        // Results just around the smallest normal exponent.
        return in.WithExponent(op == '*' ? Bias - ea + delta : ea + Bias + delta);
    default:
        // Results just around the largest exponent.
        return in.WithExponent(op == '*' ? LargestExponent + Bias - ea + delta : ea + Bias - LargestExponent + delta);
    }
}

struct TTally {
    long cases = 0;
    long mismatches = 0;
    long subnormal = 0;
    long overflow = 0;
    long nan = 0;
    long zero = 0;
    long ties = 0;
    long carries = 0;
};

// Counts what kind of result the x87 unit gave.
void Classify(TTally& t, TExtendedBits result)
{
    const int e = ExponentOf(result);
    t.subnormal += IsSubnormal(result) ? 1 : 0;
    t.zero += e == 0 && result.significand == 0 ? 1 : 0;
    t.nan += e == 0x7FFF && (result.significand << 1) != 0 ? 1 : 0;
    t.overflow += e == 0x7FFF && (result.significand << 1) == 0 ? 1 : 0;
}

void Report(const char* name, TTally& t, const std::string& what, TExtendedBits a, TExtendedBits b, const std::string& soft,
    const std::string& native)
{
    if (++t.mismatches <= ShownMismatches) {
        std::printf("MISMATCH %s: %s a=%04x:%016" PRIx64 " b=%04x:%016" PRIx64 " software %s x87 %s\n", name, what.c_str(),
            a.signExponent, a.significand, b.signExponent, b.significand, soft.c_str(), native.c_str());
    }
}

std::string Show(TExtendedBits b)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04x:%016" PRIx64, b.signExponent, b.significand);
    return text;
}

std::string Show(std::uint64_t v)
{
    return std::to_string(v);
}

void Print(const char* name, const TTally& t)
{
    std::printf("%-15s %10ld cases %4ld mismatches | results: %9ld subnormal %8ld infinite %8ld NaN %8ld zero | "
                "%8ld ties %8ld exponent carries\n",
        name, t.cases, t.mismatches, t.subnormal, t.overflow, t.nan, t.zero, t.ties, t.carries);
}

using TSoftBinary = std::function<SoftExtended(SoftExtended, SoftExtended)>;
using TNativeBinary = long double (*)(long double, long double);

// The part of an exact product below the kept 64 bits is exactly half a unit: a tie (for normal results).
bool ProductTies(TExtendedBits a, TExtendedBits b)
{
    __extension__ using TWide = unsigned __int128;
    TWide p = TWide{a.significand} * b.significand;
    if (p == 0) {
        return false;
    }
    while ((p >> 127) == 0) {
        p <<= 1;
    }
    return static_cast<std::uint64_t>(p) == Lead;
}

// The exact sum or difference of two normal operands less than 64 exponents apart ends in exactly half a unit
// below the kept 64 bits: a tie.
bool SumTies(TExtendedBits a, TExtendedBits b, bool subtract)
{
    __extension__ using TWide = unsigned __int128;
    const int ea = ExponentOf(a), eb = ExponentOf(b);
    if (ea == 0 || eb == 0 || ea == 0x7FFF || eb == 0x7FFF || std::abs(ea - eb) > 63) {
        return false;
    }
    const bool big = ea >= eb;
    const TWide x = TWide{big ? a.significand : b.significand} << std::abs(ea - eb);
    const TWide y = big ? b.significand : a.significand;
    const bool opposite = ((a.signExponent ^ b.signExponent) & Sign) != 0;
    TWide m = opposite != subtract ? (x > y ? x - y : y - x) : x + y;
    if (m == 0) {
        return false;
    }
    int width = 0;
    for (TWide v = m; v != 0; v >>= 1) {
        ++width;
    }
    if (width <= 64) {
        return false;
    }
    const int dropped = width - 64;
    return (m & ((TWide{1} << dropped) - 1)) == TWide{1} << (dropped - 1);
}

TTally Binary(const char* name, char op, long count, TOperands& in, TSoftBinary soft, TNativeBinary native)
{
    TTally t;
    for (long k = 0; k < count; ++k) {
        const TExtendedBits a = in.Any();
        const TExtendedBits b = Partner(in, a, op == '-' ? '+' : op);
        const TExtendedBits s = BitsOf(soft(Soft(a), Soft(b)));
        const TExtendedBits n = X87BitsOf(native(X87FromBits(a), X87FromBits(b)));
        ++t.cases;
        Classify(t, n);
        t.carries += ExponentOf(n) > std::max(ExponentOf(a), ExponentOf(b)) && op != '*' && op != '/' ? 1 : 0;
        const bool normal = ExponentOf(n) > 0 && ExponentOf(n) < 0x7FFF;
        t.ties += normal && ((op == '*' && ProductTies(a, b)) || ((op == '+' || op == '-') && SumTies(a, b, op == '-'))) ? 1 : 0;
        if (s != n) {
            Report(name, t, "", a, b, Show(s), Show(n));
        }
    }
    return t;
}

// Random x87 values that convert to doubles near the double's own rounding points and range ends.
TExtendedBits NearDouble(TOperands& in)
{
    const int r = in.Below(10);
    if (r == 0) {
        return in.Any();
    }
    const int exponent = r < 4 ? Bias - 1022 - in.Below(60) : r < 6 ? Bias + 1023 - in.Below(4) + in.Below(4) : Bias - 200 + in.Below(400);
    TExtendedBits x = in.WithExponent(exponent);
    if (in.Below(2) != 0) {
        // The bits a double drops are exactly half, or half and a little.
        x.significand = (x.significand & ~std::uint64_t{0x7FF}) | 0x400 | (in.Below(4) == 0 ? 1 : 0);
    }
    return x;
}

// An integer-valued or half-integer x87 value, or any value, for the rounding and integer conversions.
TExtendedBits NearInteger(TOperands& in, int largestExponent)
{
    if (in.Below(8) == 0) {
        return in.Any();
    }
    TExtendedBits x = in.WithExponent(Bias - 2 + in.Below(largestExponent + 4));
    const int e = ExponentOf(x) - Bias;
    if (e >= 1 && e <= 62 && in.Below(2) != 0) {
        // Exactly half past an integer.
        const int fractionBits = 63 - e;
        x.significand = (x.significand & ~((std::uint64_t{1} << fractionBits) - 1)) | (std::uint64_t{1} << (fractionBits - 1));
    }
    return x;
}

bool HalfPastInteger(TExtendedBits x)
{
    const int e = ExponentOf(x) - Bias;
    if (e < -1 || e > 62) {
        return false;
    }
    const int fractionBits = 63 - e;
    const std::uint64_t mask = fractionBits >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << fractionBits) - 1;
    return (x.significand & mask) == std::uint64_t{1} << (fractionBits - 1);
}

}

int main(int argc, char** argv)
{
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 10'000'000;
    if (count <= 0) {
        std::fprintf(stderr, "usage: extended_oracle [CASES_PER_OPERATION]\n");
        return 2;
    }
    TOperands in(0x8087'2026);
    long failed = 0;
    const auto finish = [&failed](const char* name, const TTally& t) {
        Print(name, t);
        failed += t.mismatches;
    };

    finish("add", Binary("add", '+', count, in, std::plus<SoftExtended>(), [](long double a, long double b) { return a + b; }));
    finish("subtract", Binary("subtract", '-', count, in, std::minus<SoftExtended>(), [](long double a, long double b) { return a - b; }));
    finish("multiply", Binary("multiply", '*', count, in, std::multiplies<SoftExtended>(), [](long double a, long double b) { return a * b; }));
    finish("divide", Binary("divide", '/', count, in, std::divides<SoftExtended>(), [](long double a, long double b) { return a / b; }));

    {
        TTally t;
        for (long k = 0; k < count; ++k) {
            const TExtendedBits a = NearDouble(in);
            const auto s = std::bit_cast<std::uint64_t>(static_cast<double>(Soft(a)));
            const auto n = std::bit_cast<std::uint64_t>(static_cast<double>(X87FromBits(a)));
            ++t.cases;
            const int e = static_cast<int>(n >> 52 & 0x7FF);
            t.subnormal += e == 0 && (n << 12) != 0 ? 1 : 0;
            t.zero += (n << 1) == 0 ? 1 : 0;
            t.overflow += e == 0x7FF && (n << 12) == 0 ? 1 : 0;
            t.nan += e == 0x7FF && (n << 12) != 0 ? 1 : 0;
            t.ties += ExponentOf(a) > Bias - 1022 && (a.significand & 0x7FF) == 0x400 ? 1 : 0;
            if (s != n) {
                Report("to double", t, "", a, {}, Show(s), Show(n));
            }
        }
        finish("to double", t);
    }
    {
        TTally t;
        for (long k = 0; k < count; ++k) {
            std::uint64_t bits = in.Next();
            if (in.Below(4) == 0) {
                // Subnormal doubles, infinities and NaNs.
                bits = in.Below(2) != 0 ? bits & 0x800FFFFFFFFFFFFF : bits | 0x7FF0000000000000;
            }
            const double d = std::bit_cast<double>(bits);
            const TExtendedBits s = BitsOf(SoftExtended(d));
            const TExtendedBits n = X87BitsOf(static_cast<long double>(d));
            ++t.cases;
            Classify(t, n);
            if (s != n) {
                Report("from double", t, std::to_string(bits), {}, {}, Show(s), Show(n));
            }
        }
        finish("from double", t);
    }
    {
        TTally t;
        for (long k = 0; k < count; ++k) {
            const std::uint64_t v = in.Next() >> in.Below(64);
            const auto i = static_cast<std::int64_t>(in.Below(2) != 0 ? v : std::uint64_t{0} - v);
            const TExtendedBits s1 = BitsOf(SoftExtended(i));
            const TExtendedBits n1 = X87BitsOf(static_cast<long double>(i));
            const TExtendedBits s2 = BitsOf(SoftExtended(v));
            const TExtendedBits n2 = X87BitsOf(static_cast<long double>(v));
            const auto i32 = static_cast<std::int32_t>(i);
            const TExtendedBits s3 = BitsOf(SoftExtended(i32));
            const TExtendedBits n3 = X87BitsOf(static_cast<long double>(i32));
            ++t.cases;
            if (s1 != n1 || s2 != n2 || s3 != n3) {
                Report("from integers", t, std::to_string(i), {}, {}, Show(s1) + Show(s2) + Show(s3), Show(n1) + Show(n2) + Show(n3));
            }
        }
        finish("from integers", t);
    }
    {
        TTally t;
        for (long k = 0; k < count; ++k) {
            const TExtendedBits a = NearInteger(in, 66);
            const SoftExtended s = Soft(a);
            const long double n = X87FromBits(a);
            ++t.cases;
            t.ties += HalfPastInteger(a) ? 1 : 0;
            const std::int64_t soft[] = {static_cast<std::int32_t>(s), static_cast<std::int64_t>(s)};
            const std::int64_t native[] = {static_cast<std::int32_t>(n), static_cast<std::int64_t>(n)};
            std::uint64_t softUnsigned = 0;
            std::uint64_t nativeUnsigned = 0;
            // Unsigned conversion is only defined for values that fit.
            if (!s.SignBit() && s < SoftExtended(18446744073709551615u) + 1) {
                softUnsigned = static_cast<std::uint64_t>(s);
                nativeUnsigned = static_cast<std::uint64_t>(n);
            }
            if (soft[0] != native[0] || soft[1] != native[1] || softUnsigned != nativeUnsigned) {
                Report("to integers", t, "", a, {},
                    std::to_string(soft[0]) + " " + std::to_string(soft[1]) + " " + Show(softUnsigned),
                    std::to_string(native[0]) + " " + std::to_string(native[1]) + " " + Show(nativeUnsigned));
            }
        }
        finish("to integers", t);
    }
    {
        TTally t;
        for (long k = 0; k < count; ++k) {
            const TExtendedBits a = NearInteger(in, 66);
            const TExtendedBits s1 = BitsOf(Soft(a).RoundToEven());
            const TExtendedBits n1 = X87BitsOf(std::rint(X87FromBits(a)));
            const TExtendedBits s2 = BitsOf(Soft(a).Trunc());
            const TExtendedBits n2 = X87BitsOf(std::trunc(X87FromBits(a)));
            ++t.cases;
            t.ties += HalfPastInteger(a) ? 1 : 0;
            Classify(t, n1);
            if (s1 != n1 || s2 != n2) {
                Report("round, trunc", t, "", a, {}, Show(s1) + " " + Show(s2), Show(n1) + " " + Show(n2));
            }
        }
        finish("round, trunc", t);
    }
    {
        TTally t;
        for (long k = 0; k < count; ++k) {
            const TExtendedBits a = in.Any();
            const TExtendedBits b = in.Below(4) == 0 ? a : Partner(in, a, '+');
            const SoftExtended sa = Soft(a), sb = Soft(b);
            const long double na = X87FromBits(a), nb = X87FromBits(b);
            const unsigned s = (sa == sb) | (sa != sb) << 1 | (sa < sb) << 2 | (sa <= sb) << 3 | (sa > sb) << 4 | (sa >= sb) << 5;
            const unsigned n = (na == nb) | (na != nb) << 1 | (na < nb) << 2 | (na <= nb) << 3 | (na > nb) << 4 | (na >= nb) << 5;
            ++t.cases;
            if (s != n) {
                Report("compare", t, "", a, b, std::to_string(s), std::to_string(n));
            }
        }
        finish("compare", t);
    }
    {
        TTally t;
        for (long k = 0; k < count; ++k) {
            const TExtendedBits a = in.Any();
            const SoftExtended s = Soft(a);
            const long double n = X87FromBits(a);
            const bool same = BitsOf(s.Abs()) == X87BitsOf(std::fabs(n)) && BitsOf(-s) == X87BitsOf(-n) && s.ILogB() == std::ilogb(n)
                && s.IsNan() == std::isnan(n) && s.IsInf() == std::isinf(n) && s.IsFinite() == std::isfinite(n)
                && s.SignBit() == std::signbit(n);
            ++t.cases;
            Classify(t, a);
            if (!same) {
                Report("abs, neg, class", t, "", a, {}, Show(BitsOf(-s)) + " " + std::to_string(s.ILogB()),
                    Show(X87BitsOf(-n)) + " " + std::to_string(std::ilogb(n)));
            }
        }
        finish("abs, neg, class", t);
    }
    std::printf("%s: %ld mismatches\n", failed == 0 ? "PASSED" : "FAILED", failed);
    return failed == 0 ? 0 : 1;
}
