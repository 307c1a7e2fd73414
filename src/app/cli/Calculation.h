#pragma once

#include <string>
#include <string_view>

namespace cli {

// The three result texts of the calculator window.
struct TCalcTexts {
    std::string multiplier;
    std::string relativeQuality;
    std::string inverse;
};

// Chooses the mode, enters the standard text and presses Calculate with the variable text, as the window would;
// a text the window would grey, an unknown mode or an overflow is refused with a one-line reason instead.
bool Calculate(std::string_view variable, std::string_view standard, std::string_view mode, TCalcTexts& texts,
    std::string& reason);

// Quotes a field for a message: printable ASCII as it stands, other bytes as \xNN, long texts shortened.
std::string Quoted(std::string_view text);

}
