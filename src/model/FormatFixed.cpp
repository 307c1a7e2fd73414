#include "model/FormatFixed.h"

#include "model/PowerOfTen.h"

#include <algorithm>
#include <array>
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
int FirstScale(long double ax)
{
    if (ax < 10.0L) {
        return 0;
    }
    const int binaryExponent = std::ilogb(ax);
    return static_cast<int>(std::floor(binaryExponent * 0.30102999566398120));
}

// |x| / 10^scale rounded to 17 decimals (ties to even), as a digit string with 1 integer digit or more.
TDigits FirstRounding(long double ax, int scale)
{
    const long double scaled = ScaleByPowerOfTen(ax, -scale) * 1e17L;
    // rint rounds exactly as nearbyint does (ties to even in the default mode) and only may raise the inexact
    // flag, which nothing reads; it skips saving the floating-point environment, which was a fifth of a batch.
    const auto n = static_cast<std::uint64_t>(std::rint(scaled));
    TDigits digits;
    const auto result = std::to_chars(digits.text.data(), digits.text.data() + 24, n);
    digits.count = static_cast<int>(result.ptr - digits.text.data());
    while (digits.count <= FirstDecimals) {
        digits.InsertLeading('0');
    }
    digits.intCount = digits.count - FirstDecimals;
    return digits;
}

std::string FixedText(long double ax, int decimals)
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
std::string ExponentText(long double ax, int decimals)
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

}

std::string FormatFixed(long double x, int width, int decimals)
{
    width = std::clamp(width, 0, MaxWidth);
    decimals = std::clamp(decimals, 0, MaxDecimals);
    std::string body;
    if (std::isnan(x)) {
        body = "Nan";
    } else if (std::isinf(x)) {
        body = std::signbit(x) ? "-Inf" : "+Inf";
    } else {
        const long double ax = std::fabs(x);
        body = ax >= 1e36L ? ExponentText(ax, decimals) : FixedText(ax, decimals);
        if (std::signbit(x)) {
            body.insert(body.begin(), '-');
        }
    }
    if (static_cast<int>(body.size()) < width) {
        body.insert(body.begin(), static_cast<std::size_t>(width) - body.size(), ' ');
    }
    return body;
}

}
