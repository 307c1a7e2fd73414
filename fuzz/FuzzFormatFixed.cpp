#include "FuzzCheck.h"
#include "FuzzTargets.h"

#include "model/FormatFixed.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

constexpr int MaxWidth = 255;
constexpr int MaxDecimals = 216;
// Bytes read per input: the ten bytes of an extended value, then width and decimals as 16-bit numbers.
constexpr std::size_t InputBytes = 14;
// Digits past the 18 significant ones the text keeps, plus the read-back error: a few units in 10^-17 of |x|.
constexpr long double KeptDigitsSlack = 5e-17L;

// Any ten bytes, the x87 formats it does not support included (they read as NaN or as tiny values).
long double DecodeExtended(const std::uint8_t* bytes)
{
    unsigned char raw[sizeof(long double)] = {};
    std::memcpy(raw, bytes, 10);
    long double x = 0;
    std::memcpy(&x, raw, sizeof x);
    return x;
}

// A count a little beyond both ends of 0..limit, so the clamping is tried too.
int DecodeCount(const std::uint8_t* bytes, int limit)
{
    std::uint16_t raw = 0;
    std::memcpy(&raw, bytes, sizeof raw);
    return raw % (limit + 41) - 20;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t DigitRun(std::string_view text, std::size_t pos)
{
    std::size_t end = pos;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    return end - pos;
}

long double ReadBack(const std::string& body)
{
    char* end = nullptr;
    const long double y = std::strtold(body.c_str(), &end);
    FuzzCheck(end == body.c_str() + body.size(), "the text reads back as a number");
    return y;
}

void CheckFixed(long double x, const std::string& body, int decimals)
{
    const std::string_view digits = std::string_view(body).substr(std::signbit(x) ? 1 : 0);
    const std::size_t integerDigits = DigitRun(digits, 0);
    FuzzCheck(integerDigits >= 1 && integerDigits <= 37, "one to 37 integer digits");
    FuzzCheck(integerDigits == 1 || digits[0] != '0', "no leading zero");
    if (decimals == 0) {
        FuzzCheck(integerDigits == digits.size(), "no point without decimals");
    } else {
        FuzzCheck(digits.size() == integerDigits + 1 + static_cast<std::size_t>(decimals)
                && digits[integerDigits] == '.' && DigitRun(digits, integerDigits + 1) == static_cast<std::size_t>(decimals),
            "a point and exactly the requested decimals");
    }
    const long double y = ReadBack(body);
    const long double ax = std::fabs(x);
    const long double tolerance = 0.5L * std::pow(10.0L, -decimals) + KeptDigitsSlack * std::max(ax, 1.0L);
    if (!(std::fabs(y - x) <= tolerance)) {
        FuzzFail("the text lies within half a unit of its last decimal", body);
    }
}

// From 10^36 up: one digit, the decimals, "E", a sign and two or more digits of exponent.
void CheckExponent(long double x, const std::string& body, int decimals)
{
    const std::string_view digits = std::string_view(body).substr(std::signbit(x) ? 1 : 0);
    const std::size_t mark = digits.find('E');
    FuzzCheck(mark != std::string_view::npos, "an exponent form has an E");
    const std::string_view mantissa = digits.substr(0, mark);
    const std::string_view exponent = digits.substr(mark + 1);
    FuzzCheck(mantissa.size() == (decimals == 0 ? 1 : 2 + static_cast<std::size_t>(decimals)) && IsDigit(mantissa[0])
            && mantissa[0] != '0' && (decimals == 0 || (mantissa[1] == '.' && DigitRun(mantissa, 2) == mantissa.size() - 2)),
        "an exponent form's mantissa has one digit and the requested decimals");
    FuzzCheck(exponent.size() >= 3 && (exponent[0] == '+' || exponent[0] == '-') && DigitRun(exponent, 1) == exponent.size() - 1,
        "the exponent has a sign and at least two digits");
    const long double y = ReadBack(body);
    if (std::isinf(y)) {
        return;
    }
    const long double unit = std::pow(10.0L, std::atoi(std::string(exponent).c_str()));
    const long double tolerance = (0.5L * std::pow(10.0L, -decimals) + KeptDigitsSlack) * unit;
    if (!(std::fabs(y - x) <= tolerance)) {
        FuzzFail("the exponent form lies within half a unit of its last decimal", body);
    }
}

}

int FuzzFormatFixed(const std::uint8_t* data, std::size_t size)
{
    FuzzBegin(data, size);
    if (size < InputBytes) {
        return 0;
    }
    const long double x = DecodeExtended(data);
    const int width = DecodeCount(data + 10, MaxWidth);
    const int decimals = DecodeCount(data + 12, MaxDecimals);
    const std::string text = BHNcalc::FormatFixed(x, width, decimals);

    // The integer path for doubles writes exactly FormatFixed's text.
    const auto narrowed = static_cast<double>(x);
    std::string appended;
    BHNcalc::AppendFixed(appended, narrowed, decimals);
    FuzzCheck(appended == BHNcalc::FormatFixed(narrowed, 0, decimals), "AppendFixed writes FormatFixed's text");

    const std::size_t first = text.find_first_not_of(' ');
    FuzzCheck(first != std::string::npos, "the text is not blank");
    const std::string body = text.substr(first);
    FuzzCheck(body.find(' ') == std::string::npos, "blanks only in front");
    FuzzCheck(text.size() == std::max(body.size(), static_cast<std::size_t>(std::clamp(width, 0, MaxWidth))),
        "padded to exactly the width, never cut");
    if (std::isnan(x)) {
        FuzzCheck(body == "Nan", "NaN is written Nan");
        return 0;
    }
    if (std::isinf(x)) {
        FuzzCheck(body == (std::signbit(x) ? "-Inf" : "+Inf"), "infinities are written -Inf and +Inf");
        return 0;
    }
    FuzzCheck((body[0] == '-') == static_cast<bool>(std::signbit(x)), "a minus exactly when the sign bit is set");
    const int effectiveDecimals = std::clamp(decimals, 0, MaxDecimals);
    if (std::fabs(x) < 1e36L) {
        CheckFixed(x, body, effectiveDecimals);
    } else {
        CheckExponent(x, body, effectiveDecimals);
    }
    return 0;
}
