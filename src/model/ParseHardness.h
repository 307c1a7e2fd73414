#pragma once

#include "numeric/Extended.h"

#include <cstddef>
#include <string_view>

namespace BHNcalc {

struct TNumberText {
    Extended value = 0;
    // 1-based index of the first offending byte (length + 1 when a digit is missing at the end); 0 = accepted.
    std::size_t errorPosition = 0;

    bool operator==(const TNumberText&) const = default;
};

// Reads a whole text as a decimal number; throws EOverflow when the numeral exceeds the extended range.
TNumberText TextToNumber(std::string_view text);

// Sets valid = false and value = 0.0 first; accepts the text only when it is a number within minimum..maximum.
void ParseHardness(std::string_view text, double minimum, double maximum, bool& valid, double& value);

}
