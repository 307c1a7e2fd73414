#pragma once

#include "chart/ChartApi.h"

#include <string>

// The separators a number format writes; axis labels follow the user's locale.
struct BHN_CHART_API TFormatSettings {
    std::string DecimalSeparator = ".";
    std::string ThousandSeparator = ",";

    friend bool operator==(const TFormatSettings&, const TFormatSettings&) = default;
};

// The separators axis labels use: those of the process locale's numeric category at first use
// ("," for thousands when the locale groups nothing); the platform may replace them.
BHN_CHART_API const TFormatSettings& AxisFormatSettings();
BHN_CHART_API void SetAxisFormatSettings(const TFormatSettings& settings);

// Formats value with a picture such as "#,##0.###": '0' a digit always written, '#' a digit written
// when significant, '.' the decimal separator, ',' in the integer part turns on grouping by three,
// quoted text and other characters are copied; up to three sections "positive;negative;zero";
// an empty picture writes 15 significant digits.
// The value is rounded half away from zero on its 18-significant-digit decimal expansion.
// A negative value that rounds to zero is written without its sign.
BHN_CHART_API std::string FormatFloat(const std::string& format, double value, const TFormatSettings& settings);
