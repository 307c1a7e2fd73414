#include "model/FormatFixed.h"

#include "model/PowerOfTen.h"
#include "numeric/BitCast.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace BHNcalc {

namespace {

constexpr int MaxWidth = 255;
constexpr int MaxDecimals = 216;
// Decimal places kept by the first rounding.
constexpr int FirstDecimals = 17;

// Room for the longest text: 37 integer digits or an exponent, the point and 216 decimals.
using TDigitBuffer = std::array<char, 300>;

// A run of decimal digits with the decimal point after the first intCount of them.
struct TDigits {
    TDigitBuffer text{};
    int count = 0;
    int intCount = 0;

    void Append(char c, int times = 1)
    {
        for (int k = 0; k < times; ++k) {
            text[static_cast<std::size_t>(count++)] = c;
        }
    }

    void InsertLeading(char c)
    {
        std::copy_backward(text.begin(), text.begin() + count, text.begin() + count + 1);
        text[0] = c;
        ++count;
        ++intCount;
    }

    // Cuts after `keep` digits, rounding half up on the first dropped digit; true when a carry added a digit in front.
    bool RoundAt(int keep)
    {
        const bool up = text[static_cast<std::size_t>(keep)] >= '5';
        count = keep;
        if (!up) {
            return false;
        }
        int pos = keep - 1;
        while (pos >= 0 && text[static_cast<std::size_t>(pos)] == '9') {
            text[static_cast<std::size_t>(pos--)] = '0';
        }
        if (pos >= 0) {
            ++text[static_cast<std::size_t>(pos)];
            return false;
        }
        InsertLeading('1');
        return true;
    }
};

// Power of ten by which |x| >= 10 is divided first: estimated from the binary exponent,
// so the quotient lies in [1, 20) rather than always below 10, and keeps 18 or 19 digits.
int FirstScale(Extended ax)
{
    if (ax < 10) {
        return 0;
    }
    const int binaryExponent = ILogB(ax);
    return static_cast<int>(std::floor(binaryExponent * 0.30102999566398120));
}

// |x| / 10^scale rounded to 17 decimals (ties to even), as a digit string with 1 integer digit or more.
TDigits FirstRounding(Extended ax, int scale)
{
    const Extended scaled = ScaleByPowerOfTen(ax, -scale) * 1e17_ext;
    const auto n = static_cast<std::uint64_t>(RoundToEven(scaled));
    TDigits digits;
    const auto result = std::to_chars(digits.text.data(), digits.text.data() + 24, n);
    digits.count = static_cast<int>(result.ptr - digits.text.data());
    while (digits.count <= FirstDecimals) {
        digits.InsertLeading('0');
    }
    digits.intCount = digits.count - FirstDecimals;
    return digits;
}

std::string FixedText(Extended ax, int decimals)
{
    const int scale = FirstScale(ax);
    TDigits d = FirstRounding(ax, scale);
    // The digits stand for d * 10^(scale - 17); move the point right by `scale` places.
    d.intCount += scale;
    if (d.intCount > d.count) {
        d.Append('0', d.intCount - d.count);
    }
    const int fractionDigits = d.count - d.intCount;
    if (decimals < fractionDigits) {
        d.RoundAt(d.intCount + decimals);
    } else {
        d.Append('0', decimals - fractionDigits);
    }
    int first = 0;
    while (d.intCount - first > 1 && d.text[static_cast<std::size_t>(first)] == '0') {
        ++first;
    }
    std::string out(d.text.data() + first, static_cast<std::size_t>(d.intCount - first));
    if (decimals > 0) {
        out += '.';
        out.append(d.text.data() + d.intCount, static_cast<std::size_t>(decimals));
    }
    return out;
}

// Magnitudes from 10^36 up: one integer digit, `decimals` decimals, "E", the exponent's sign and at least two digits.
std::string ExponentText(Extended ax, int decimals)
{
    const int scale = FirstScale(ax);
    TDigits d = FirstRounding(ax, scale);
    int exponent = scale + d.intCount - 1;
    const int keep = 1 + decimals;
    if (keep < d.count) {
        if (d.RoundAt(keep)) {
            ++exponent;
            --d.count;
        }
    } else {
        d.Append('0', keep - d.count);
    }
    std::string out(1, d.text[0]);
    if (decimals > 0) {
        out += '.';
        out.append(d.text.data() + 1, static_cast<std::size_t>(decimals));
    }
    out += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) {
        out += '0';
    }
    out += std::to_string(magnitude);
    return out;
}


__extension__ using TWide = unsigned __int128;

// 10^17 = 5^17 * 2^17, and 5^17 needs only 40 bits, so a double's significand times it fits in TWide.
constexpr std::uint64_t FivePowerFirstDecimals = 762939453125;
constexpr int DoubleFractionBits = 52;
constexpr int DoubleExponentBias = 1023;
constexpr int ExtendedSignificandBits = 64;

constexpr std::array<std::uint64_t, FirstDecimals + 1> PowersOfTen = [] {
    std::array<std::uint64_t, FirstDecimals + 1> powers{};
    std::uint64_t p = 1;
    for (std::uint64_t& entry : powers) {
        entry = p;
        p *= 10;
    }
    return powers;
}();

int BitWidth(TWide v)
{
    const auto high = static_cast<std::uint64_t>(v >> 64);
    return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(v));
}

// v / 2^shift (shift > 0) rounded to the nearest integer, ties to even, as the x87 rounds; v stays below 2^126.
TWide ShiftRoundingToEven(TWide v, int shift)
{
    if (shift >= 127) {
        return 0;
    }
    const TWide kept = v >> shift;
    const TWide rest = v - (kept << shift);
    const TWide half = TWide{1} << (shift - 1);
    return kept + ((rest > half || (rest == half && (kept & 1) != 0)) ? 1 : 0);
}

// FirstRounding for a double below 10, from its exact significand: |x| * 10^17 rounded to the 64-bit significand
// of the extended product, then to an integer, ties to even both times.
std::uint64_t FirstRoundingOfDouble(double ax)
{
    const auto bits = BitCast<std::uint64_t>(ax);
    const int biased = static_cast<int>(bits >> DoubleFractionBits);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << DoubleFractionBits) - 1);
    const std::uint64_t significand = biased == 0 ? fraction : fraction | (std::uint64_t{1} << DoubleFractionBits);
    // ax * 10^17 = product * 2^exponent exactly; subnormals share the smallest normal exponent.
    TWide product = TWide{significand} * FivePowerFirstDecimals;
    int exponent = std::max(biased, 1) - DoubleExponentBias - DoubleFractionBits + FirstDecimals;
    const int excess = BitWidth(product) - ExtendedSignificandBits;
    if (excess > 0) {
        product = ShiftRoundingToEven(product, excess);
        exponent += excess;
    }
    // Below 10^18 the result fits in 60 bits, so a left shift loses nothing.
    return static_cast<std::uint64_t>(exponent >= 0 ? product << exponent : ShiftRoundingToEven(product, -exponent));
}
}

std::string FormatFixed(Extended x, int width, int decimals)
{
    width = std::clamp(width, 0, MaxWidth);
    decimals = std::clamp(decimals, 0, MaxDecimals);
    std::string body;
    if (IsNan(x)) {
        body = "Nan";
    } else if (IsInf(x)) {
        body = SignBit(x) ? "-Inf" : "+Inf";
    } else {
        const Extended ax = Abs(x);
        body = ax >= 1e36_ext ? ExponentText(ax, decimals) : FixedText(ax, decimals);
        if (SignBit(x)) {
            body.insert(body.begin(), '-');
        }
    }
    if (static_cast<int>(body.size()) < width) {
        body.insert(body.begin(), static_cast<std::size_t>(width) - body.size(), ' ');
    }
    return body;
}

void AppendFixed(std::string& out, double x, int decimals)
{
    const double ax = std::fabs(x);
    if (!(ax < 10.0) || decimals < 0 || decimals > FirstDecimals) {
        out += FormatFixed(x, 0, decimals);
        return;
    }
    const std::uint64_t scaled = FirstRoundingOfDouble(ax);
    // The second rounding: the first dropped digit is 5 or more exactly when the dropped part is half a unit or more.
    const int dropped = FirstDecimals - decimals;
    const std::uint64_t unit = PowersOfTen[static_cast<std::size_t>(dropped)];
    std::uint64_t kept = scaled / unit + (dropped > 0 && scaled % unit >= unit / 2 ? 1 : 0);
    // Sign, 19 digits at most (a carry may reach 10^18) and the point.
    std::array<char, 24> text{};
    char* const end = text.data() + text.size();
    char* first = end;
    for (int k = 0; k < decimals; ++k) {
        *--first = static_cast<char>('0' + kept % 10);
        kept /= 10;
    }
    if (decimals > 0) {
        *--first = '.';
    }
    do {
        *--first = static_cast<char>('0' + kept % 10);
        kept /= 10;
    } while (kept != 0);
    if (std::signbit(x)) {
        *--first = '-';
    }
    out.append(first, end);
}

}
