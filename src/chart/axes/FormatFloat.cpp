#include "chart/axes/FormatFloat.h"

#include "numeric/FloatChars.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <vector>

namespace {

TFormatSettings SettingsFromLocale()
{
    TFormatSettings settings;
    if (const std::lconv* conv = std::localeconv()) {
        if (conv->decimal_point && *conv->decimal_point)
            settings.DecimalSeparator = conv->decimal_point;
        if (conv->thousands_sep && *conv->thousands_sep)
            settings.ThousandSeparator = conv->thousands_sep;
    }
    return settings;
}

TFormatSettings& CurrentSettings()
{
    static TFormatSettings settings = SettingsFromLocale();
    return settings;
}

// One section of a picture, split into its parts.
struct TPicture {
    std::string Prefix;
    std::string Suffix;
    int IntegerZeros = 0;
    int DecimalZeros = 0;
    int DecimalDigits = 0;
    bool Thousands = false;
    bool HasPlaceholder = false;
};

std::vector<std::string> SplitSections(const std::string& format)
{
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : format) {
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

TPicture ParsePicture(const std::string& section)
{
    TPicture picture;
    bool inDecimals = false;
    for (std::size_t i = 0; i < section.size(); ++i) {
        const char c = section[i];
        std::string& literal = picture.HasPlaceholder ? picture.Suffix : picture.Prefix;
        if (c == '"' || c == '\'') {
            const std::size_t end = section.find(c, i + 1);
            const std::size_t stop = end == std::string::npos ? section.size() : end;
            literal += section.substr(i + 1, stop - i - 1);
            i = stop;
        } else if (c == '0' || c == '#') {
            picture.HasPlaceholder = true;
            if (inDecimals) {
                ++picture.DecimalDigits;
                if (c == '0')
                    picture.DecimalZeros = picture.DecimalDigits;
            } else if (c == '0') {
                ++picture.IntegerZeros;
            }
        } else if (c == '.' && !inDecimals) {
            inDecimals = true;
        } else if (c == ',' && !inDecimals) {
            picture.Thousands = true;
        } else {
            literal += c;
        }
    }
    return picture;
}

// The decimal digits of |value| (18 significant) and the power of ten of the first one.
struct TDecimal {
    std::string Digits;
    int Exponent = 0;
};

TDecimal Decompose(double value)
{
    // FloatChars gives printf's digits without its locale lookups and parsing of a format.
    char buffer[40];
    const char* end = FloatChars::ToChars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 17);
    TDecimal d;
    const char* p = buffer;
    for (; p != end && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.Digits += *p;
    if (p != end)
        std::from_chars(*(p + 1) == '+' ? p + 2 : p + 1, end, d.Exponent);
    return d;
}

// Integer and decimal digits of |value| rounded half away from zero to the given number of decimals.
void RoundedDigits(double value, int decimals, std::string& integerPart, std::string& decimalPart)
{
    const TDecimal d = Decompose(value);
    const int count = static_cast<int>(d.Digits.size());
    // The expansion's digit of weight 10^w, zero outside the 18 digits.
    const auto digitAt = [&](int w) {
        const int k = d.Exponent - w;
        return k >= 0 && k < count ? d.Digits[static_cast<std::size_t>(k)] : '0';
    };
    std::string fixed;
    for (int w = std::max(d.Exponent, 0); w >= -decimals; --w)
        fixed += digitAt(w);
    if (digitAt(-decimals - 1) >= '5') {
        std::size_t i = fixed.size();
        while (i > 0 && fixed[i - 1] == '9')
            fixed[--i] = '0';
        if (i > 0)
            ++fixed[i - 1];
        else
            fixed.insert(fixed.begin(), '1');
    }
    const std::size_t integerCount = fixed.size() - static_cast<std::size_t>(decimals);
    integerPart = fixed.substr(0, integerCount);
    decimalPart = fixed.substr(integerCount);
    const std::size_t firstNonZero = integerPart.find_first_not_of('0');
    integerPart = firstNonZero == std::string::npos ? std::string() : integerPart.substr(firstNonZero);
}

std::string Grouped(const std::string& digits, const std::string& separator)
{
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += separator;
        out += digits[i];
    }
    return out;
}

std::string Apply(const TPicture& picture, double value, const TFormatSettings& settings, bool& isZero)
{
    std::string integerPart;
    std::string decimalPart;
    RoundedDigits(value, picture.DecimalDigits, integerPart, decimalPart);
    isZero = integerPart.empty() && decimalPart.find_first_not_of('0') == std::string::npos;
    if (static_cast<int>(integerPart.size()) < picture.IntegerZeros)
        integerPart.insert(0, static_cast<std::size_t>(picture.IntegerZeros) - integerPart.size(), '0');
    std::size_t decimals = decimalPart.size();
    while (static_cast<int>(decimals) > picture.DecimalZeros && decimalPart[decimals - 1] == '0')
        --decimals;
    std::string out = picture.Prefix;
    out += picture.Thousands ? Grouped(integerPart, settings.ThousandSeparator) : integerPart;
    if (decimals > 0)
        out += settings.DecimalSeparator + decimalPart.substr(0, decimals);
    return out + picture.Suffix;
}

// Fifteen significant digits, the runtime's general number text.
std::string GeneralFormat(double value, const TFormatSettings& settings)
{
    char buffer[40];
    std::string text(buffer, FloatChars::ToChars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15));
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, settings.DecimalSeparator);
    return text;
}

}

const TFormatSettings& AxisFormatSettings()
{
    return CurrentSettings();
}

void SetAxisFormatSettings(const TFormatSettings& settings)
{
    CurrentSettings() = settings;
}

std::string FormatFloat(const std::string& format, double value, const TFormatSettings& settings)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    const std::vector<std::string> sections = SplitSections(format);
    const bool negative = std::signbit(value) && value != 0;
    const bool negativeSection = negative && sections.size() > 1 && !sections[1].empty();
    const TPicture picture = ParsePicture(negativeSection ? sections[1] : sections[0]);
    if (format.empty())
        return GeneralFormat(value, settings);
    bool isZero = false;
    std::string text = Apply(picture, value, settings, isZero);
    if (isZero && sections.size() > 2 && !sections[2].empty())
        return Apply(ParsePicture(sections[2]), 0.0, settings, isZero);
    if (negative && !negativeSection && !isZero)
        text = "-" + text;
    return text;
}
