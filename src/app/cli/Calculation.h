#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cli {

// The three result texts of the calculator window.
struct TCalcTexts {
    std::string multiplier;
    std::string relativeQuality;
    std::string inverse;
};

// How a message names the hardness inputs: as options of calc and chart ("--variable") or as batch columns
// ("variable").
enum class TFieldNames { Options, Columns };

// The inputs of a calculation as the window takes them: the mode's index and the two hardness values.
struct TCalcInputs {
    std::int32_t mode = 0;
    double variable = 0.0;
    double standard = 0.0;
};

// Reads the three inputs as the window would: a text the window would grey, an unknown mode or an overflow is
// refused with a one-line reason that names the input and quotes its text.
bool ReadCalcInputs(std::string_view variable, std::string_view standard, std::string_view mode, TFieldNames names,
    TCalcInputs& inputs, std::string& reason);

// Chooses the mode, enters the standard text and presses Calculate with the variable text, as the window would,
// without touching the window's state; a text the window would grey, an unknown mode or an overflow is refused
// with a one-line reason that names the input and quotes its text.
bool Calculate(std::string_view variable, std::string_view standard, std::string_view mode, TFieldNames names,
    TCalcTexts& texts, std::string& reason);

// Quotes a field for a message: printable characters (ASCII and well-formed UTF-8) as they stand; controls,
// the backslash and bytes of no valid sequence as \xNN; texts past 40 characters shortened.
std::string Quoted(std::string_view text);

}
