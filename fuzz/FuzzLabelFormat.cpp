#include "FuzzCheck.h"
#include "FuzzTargets.h"

#include "chart/axes/FormatFloat.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <string_view>

namespace {

const std::string LabelFormat = "#,##0.###";

// Separators of a few locales: English, German, French (a no-break space in UTF-8), Swiss.
const TFormatSettings Locales[] = {
    {".", ","},
    {",", "."},
    {",", "\xC2\xA0"},
    {".", "'"},
};
constexpr std::size_t InputBytes = 1 + sizeof(double);

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool StartsWith(std::string_view text, std::size_t pos, std::string_view part)
{
    return text.substr(pos, part.size()) == part;
}

// Reads "-?d{1,3}(T ddd)*(D d{0,2}[1-9])?" and returns the plain numeral "-?digits(.digits)?"; fails on anything else.
std::string PlainNumeral(std::string_view text, const TFormatSettings& settings)
{
    std::string plain;
    std::size_t pos = 0;
    if (pos < text.size() && text[pos] == '-') {
        plain += '-';
        ++pos;
    }
    const std::size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos]) && pos - start < 3) {
        plain += text[pos++];
    }
    FuzzCheck(pos > start, "the integer part has a digit");
    const bool leadingZero = text[start] == '0';
    FuzzCheck(!leadingZero || pos == start + 1, "no leading zero");
    FuzzCheck(!leadingZero || !StartsWith(text, pos, settings.ThousandSeparator), "no leading zero");
    while (StartsWith(text, pos, settings.ThousandSeparator)) {
        pos += settings.ThousandSeparator.size();
        for (int k = 0; k < 3; ++k) {
            FuzzCheck(pos < text.size() && IsDigit(text[pos]), "three digits follow a thousands separator");
            plain += text[pos++];
        }
    }
    FuzzCheck(pos == text.size() || !IsDigit(text[pos]), "groups of three digits");
    if (StartsWith(text, pos, settings.DecimalSeparator)) {
        pos += settings.DecimalSeparator.size();
        plain += '.';
        std::size_t decimals = 0;
        while (pos < text.size() && IsDigit(text[pos])) {
            plain += text[pos++];
            ++decimals;
        }
        FuzzCheck(decimals >= 1 && decimals <= 3, "one to three decimals");
        FuzzCheck(plain.back() != '0', "no trailing zero decimals");
    }
    FuzzCheck(pos == text.size(), "only digits, separators and a minus");
    return plain;
}

}

int FuzzLabelFormat(const std::uint8_t* data, std::size_t size)
{
    FuzzBegin(data, size);
    if (size < InputBytes) {
        return 0;
    }
    const TFormatSettings& settings = Locales[data[0] % std::size(Locales)];
    double value = 0;
    std::memcpy(&value, data + 1, sizeof value);
    const std::string text = FormatFloat(LabelFormat, value, settings);
    if (std::isnan(value)) {
        FuzzCheck(text == "NAN", "NaN is written NAN");
        return 0;
    }
    if (std::isinf(value)) {
        FuzzCheck(text == (value < 0 ? "-INF" : "INF"), "infinities are written INF and -INF");
        return 0;
    }
    const std::string plain = PlainNumeral(text, settings);
    const long double y = std::strtold(plain.c_str(), nullptr);
    FuzzCheck((plain[0] == '-') == (value < 0 && y != 0), "a minus exactly for a negative value that does not round to 0");
    const long double v = value;
    const long double tolerance = 0.0005L * (1 + 1e-12L) + 2e-17L * std::fabs(v);
    if (!(std::fabs(y - v) <= tolerance)) {
        FuzzFail("the label lies within half a unit of its third decimal", text);
    }
    return 0;
}
