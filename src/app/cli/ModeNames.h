#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace cli {

// Names accepted for a mode, as listed in messages and in the usage text.
inline constexpr std::string_view AcceptedModeNames =
    "0..7, avg, 0-35, 40-60, apfsds (or apdsfs), m62, m79, weighed, tests";

// A mode index "0".."7" or a caption of the mode selector, in any case, with or without degree signs and the 3" prefix.
std::optional<std::int32_t> ParseModeName(std::string_view text);

// True when `text` is `lowerCase` with any of its ASCII letters in either case (names on the command line are
// case-blind).
bool EqualsIgnoringCase(std::string_view text, std::string_view lowerCase);

// The short name of a mode 0..7 used as a CSV column key ("avg", "0-35", ..., "tests").
std::string_view ModeKey(std::int32_t mode);

}
