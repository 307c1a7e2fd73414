#include "FuzzCheck.h"
#include "FuzzTargets.h"

#include "model/EOverflow.h"
#include "model/ParseHardness.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr double MinimumBHN = 200;
// The standard field's and the variable field's upper bounds.
constexpr double FieldMaxima[] = {359, 360};

bool OnlyNumeralBytes(std::string_view text)
{
    return text.find_first_not_of(" +-.0123456789eE") == std::string_view::npos;
}

// Where strtold reads the whole text too, both must agree far closer than the digits a field shows.
void CheckAgainstStrtold(std::string_view text, long double value)
{
    if (!std::isfinite(value) || std::fabs(value) < 1e-4900L) {
        return;
    }
    const std::string copy(text);
    errno = 0;
    char* end = nullptr;
    const long double expected = std::strtold(copy.c_str(), &end);
    if (end != copy.c_str() + copy.size() || errno == ERANGE) {
        return;
    }
    if (std::fabs(value - expected) > 1e-12L * std::fabs(expected)) {
        FuzzFail("TextToNumber agrees with strtold", std::to_string(value) + " vs " + std::to_string(expected));
    }
}

// The number, or nothing when the text overflows; EOverflow is the only exception allowed out.
std::optional<BHNcalc::TNumberText> ReadNumber(std::string_view text)
{
    try {
        return BHNcalc::TextToNumber(text);
    } catch (const BHNcalc::EOverflow& e) {
        FuzzCheck(std::string_view(e.what()) == "Floating point overflow", "the overflow error has its message");
        return std::nullopt;
    } catch (const std::exception& e) {
        FuzzFail("TextToNumber throws only EOverflow", e.what());
    }
}

void CheckNumber(std::string_view text, const BHNcalc::TNumberText& number)
{
    FuzzCheck(number.errorPosition <= text.size() + 1, "the error position lies in the text or just past it");
    if (number.errorPosition != 0) {
        FuzzCheck(number.value == 0.0L, "a refused text reads as 0");
        return;
    }
    FuzzCheck(!text.empty(), "the empty text is refused");
    FuzzCheck(OnlyNumeralBytes(text), "a text with a byte no numeral uses is refused");
    CheckAgainstStrtold(text, number.value);
}

void CheckField(std::string_view text, const std::optional<BHNcalc::TNumberText>& number, double maximum)
{
    bool valid = true;
    double value = -1.0;
    try {
        BHNcalc::ParseHardness(text, MinimumBHN, maximum, valid, value);
        FuzzCheck(number.has_value(), "ParseHardness overflows exactly where TextToNumber does");
    } catch (const BHNcalc::EOverflow&) {
        FuzzCheck(!number.has_value(), "ParseHardness overflows exactly where TextToNumber does");
        FuzzCheck(!valid && value == 0.0, "an overflow leaves valid false and value 0");
        return;
    } catch (const std::exception& e) {
        FuzzFail("ParseHardness throws only EOverflow", e.what());
    }
    if (valid) {
        FuzzCheck(value >= MinimumBHN && value <= maximum, "a valid value lies in the field's range");
        FuzzCheck(number->errorPosition == 0 && value == static_cast<double>(number->value),
            "a valid value is the text's number rounded to double");
        return;
    }
    FuzzCheck(value == 0.0 && !std::signbit(value), "a refused text leaves value 0.0");
    const double v = static_cast<double>(number->value);
    FuzzCheck(text.empty() || number->errorPosition != 0 || v < MinimumBHN || v > maximum,
        "a numeral within the range is accepted");
}

}

int FuzzHardness(const std::uint8_t* data, std::size_t size)
{
    FuzzBegin(data, size);
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<BHNcalc::TNumberText> number = ReadNumber(text);
    if (number) {
        CheckNumber(text, *number);
    }
    for (const double maximum : FieldMaxima) {
        CheckField(text, number, maximum);
    }
    return 0;
}
