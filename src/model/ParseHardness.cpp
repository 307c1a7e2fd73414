#include "model/ParseHardness.h"

#include "model/EOverflow.h"
#include "model/PowerOfTen.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace BHNcalc {

namespace {

// Powers of ten this far out give infinity or zero without any arithmetic.
constexpr std::int64_t InfinitePower = 5120;
// An exponent beyond this already decides the result; saturating keeps the count from wrapping.
constexpr std::int64_t ExponentCeiling = 1'000'000'000;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The mantissa's digits accumulated as v = v * 10 + digit in extended precision. While v stays below 2^64 every
// step is exact in the extended format's 64-bit significand, so an integer gives the same value without a
// floating-point step per digit; longer numerals continue in extended precision from there.
class TMantissa {
public:
    // Appends one digit; a result beyond the extended range is an overflow.
    void Append(char digit)
    {
        const int d = digit - '0';
        if (!extended_ && integer_ <= LastExactBeforeDigit) {
            integer_ = integer_ * 10 + static_cast<std::uint64_t>(d);
            return;
        }
        if (!extended_) {
            value_ = static_cast<Extended>(integer_);
            extended_ = true;
        }
        value_ = value_ * 10 + d;
        if (IsInf(value_)) {
            throw EOverflow();
        }
    }

    Extended Value() const { return extended_ ? value_ : static_cast<Extended>(integer_); }

private:
    // The largest v for which v * 10 + 9 still fits in 64 bits.
    static constexpr std::uint64_t LastExactBeforeDigit = (std::numeric_limits<std::uint64_t>::max() - 9) / 10;

    std::uint64_t integer_ = 0;
    Extended value_ = 0;
    bool extended_ = false;
};

TNumberText Failure(std::size_t position)
{
    return TNumberText{0, position};
}

}

TNumberText TextToNumber(std::string_view text)
{
    const std::size_t length = text.size();
    if (length == 0) {
        return Failure(1);
    }
    std::size_t i = 0;
    while (i < length && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < length && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i == length) {
        return Failure(length + 1);
    }

    TMantissa mantissa;
    std::int64_t power = 0;
    for (; i < length && IsDigit(text[i]); ++i) {
        mantissa.Append(text[i]);
    }
    if (i < length && text[i] == '.') {
        for (++i; i < length && IsDigit(text[i]); ++i) {
            mantissa.Append(text[i]);
            --power;
        }
    }
    if (i < length && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < length && (text[i] == '-' || text[i] == '+')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i == length) {
            return Failure(length + 1);
        }
        if (!IsDigit(text[i])) {
            return Failure(i + 1);
        }
        std::int64_t exponent = 0;
        for (; i < length && IsDigit(text[i]); ++i) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), ExponentCeiling);
        }
        power += negativeExponent ? -exponent : exponent;
    }
    if (i < length) {
        return Failure(i + 1);
    }

    Extended v = mantissa.Value();
    if (power >= InfinitePower) {
        v = std::numeric_limits<Extended>::infinity();
    } else if (power <= -InfinitePower) {
        v = 0;
    } else {
        v = ScaleByPowerOfTen(v, power);
        if (IsInf(v)) {
            throw EOverflow();
        }
    }
    return TNumberText{negative ? -v : v, 0};
}

void ParseHardness(std::string_view text, double minimum, double maximum, bool& valid, double& value)
{
    valid = false;
    value = 0.0;
    const TNumberText number = TextToNumber(text);
    const double v = static_cast<double>(number.value);
    if (text.empty()) {
        valid = minimum == 0.0;
        return;
    }
    if (number.errorPosition != 0 || v < minimum || v > maximum) {
        return;
    }
    valid = true;
    value = v;
}

}
