#pragma once

#include <string_view>
#include <vector>

// The engine's line separator inside label texts (a multi-line label has one per blank).
constexpr char AxisLineSeparator = '\r';

// The lines of a label text; an empty text has no lines.
std::vector<std::string_view> AxisTextLines(std::string_view text);
