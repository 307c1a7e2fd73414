#include "numeric/FloatChars.h"

#include <algorithm>
#include <cerrno>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace FloatChars::Printf {

namespace {

char* Copy(char* first, char* last, const std::string& text)
{
    if (text.size() > static_cast<std::size_t>(last - first)) {
        return last;
    }
    return std::copy(text.begin(), text.end(), first);
}

std::string Printed(const char* format, int precision, double value)
{
    char buffer[400];
    const int n = std::snprintf(buffer, sizeof buffer, format, precision, value);
    return std::string(buffer, static_cast<std::size_t>(std::clamp(n, 0, static_cast<int>(sizeof buffer) - 1)));
}

// The fixed form of the significant digits d.ddd times ten to exponent.
std::string FixedForm(double value, bool negative, const std::string& digits, int exponent)
{
    std::string out = negative ? "-" : "";
    const int count = static_cast<int>(digits.size());
    if (exponent < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        return out + digits;
    }
    if (exponent + 1 >= count) {
        // An integer is written with all its digits, not the shortest ones padded with zeros.
        return out + Printed("%.*f", 0, std::fabs(value));
    }
    const auto integerCount = static_cast<std::size_t>(exponent + 1);
    return out + digits.substr(0, integerCount) + "." + digits.substr(integerCount);
}

}  // namespace

char* ToChars(char* first, char* last, double value)
{
    if (!std::isfinite(value) || value == 0.0) {
        return ToChars(first, last, value, std::chars_format::general, 1);
    }
    // The fewest significant digits that read back as value.
    std::string scientific;
    for (int precision = 0; precision < 17; ++precision) {
        scientific = Printed("%.*e", precision, value);
        if (std::strtod(scientific.c_str(), nullptr) == value) {
            break;
        }
    }
    const bool negative = value < 0;
    const std::size_t e = scientific.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i) {
        if (scientific[i] != '.') {
            digits += scientific[i];
        }
    }
    const int exponent = std::atoi(scientific.c_str() + e + 1);
    const std::string fixed = FixedForm(value, negative, digits, exponent);
    return Copy(first, last, fixed.size() <= scientific.size() ? fixed : scientific);
}

char* ToChars(char* first, char* last, double value, std::chars_format format, int precision)
{
    const char* printfFormat = format == std::chars_format::scientific ? "%.*e"
                               : format == std::chars_format::fixed    ? "%.*f"
                                                                       : "%.*g";
    return Copy(first, last, Printed(printfFormat, precision, value));
}

std::from_chars_result FromChars(const char* first, const char* last, double& value)
{
    // The longest prefix of the form -ddd.ddde-dd that has a digit before its exponent, read by strtod alone.
    const auto digitsFrom = [last](const char* p) {
        while (p != last && std::isdigit(static_cast<unsigned char>(*p)) != 0) {
            ++p;
        }
        return p;
    };
    const char* p = first != last && *first == '-' ? first + 1 : first;
    const char* integerEnd = digitsFrom(p);
    const char* end = integerEnd;
    if (end != last && *end == '.') {
        end = digitsFrom(end + 1);
    }
    if (end - p - (end != integerEnd ? 1 : 0) <= 0) {
        return {first, std::errc::invalid_argument};
    }
    if (end != last && (*end == 'e' || *end == 'E')) {
        const char* exponent = end + 1 != last && (end[1] == '+' || end[1] == '-') ? end + 2 : end + 1;
        const char* exponentEnd = digitsFrom(exponent);
        if (exponentEnd != exponent) {
            end = exponentEnd;
        }
    }
    const std::string text(first, end);
    errno = 0;
    const double read = std::strtod(text.c_str(), nullptr);
    if (errno == ERANGE) {
        return {end, std::errc::result_out_of_range};
    }
    value = read;
    return {end, std::errc()};
}

}  // namespace FloatChars::Printf
