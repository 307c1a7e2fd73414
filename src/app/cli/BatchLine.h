#pragma once

#include "app/cli/Calculation.h"
#include "app/cli/OutputFormat.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

inline constexpr std::string_view BatchInputHeader = "variable,standard,mode";
inline constexpr std::string_view BatchOutputHeader = "variable,standard,mode,multiplier,relative_quality,inverse";

enum class TBatchLine { Skipped, Written, Refused };

// Buffers reused from line to line, so a long run does not allocate per line.
struct TBatchScratch {
    // The current line's fields: views into the line itself, or into `unquoted` for a quoted field.
    std::string_view fields[3];
    std::string unquoted[3];
    std::string reason;
    TCalcTexts texts;
};

// Handles one input line (its line end removed): appends the result record to `output` (a CSV line without its
// line end, or a JSON object), or leaves the reason in scratch.reason. Lines are numbered from 1; only line 1 may
// be the header.
TBatchLine HandleBatchLine(std::string_view line, std::size_t lineNumber, TOutputFormat format, TBatchScratch& scratch,
    std::string& output);

}
