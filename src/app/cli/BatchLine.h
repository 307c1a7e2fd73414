#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

inline constexpr std::string_view BatchInputHeader = "variable,standard,mode";
inline constexpr std::string_view BatchOutputHeader = "variable,standard,mode,multiplier,relative_quality,inverse";

enum class TBatchLine { Skipped, Written, Refused };

// Buffers reused from line to line, so a long run does not allocate per line.
struct TBatchScratch {
    std::string fields[3];
    std::string reason;
};

// Handles one input line (newline removed; a trailing CR is dropped here): appends the output line to `output`,
// or leaves the reason in scratch.reason. Lines are numbered from 1; only line 1 may be the header.
TBatchLine HandleBatchLine(std::string_view line, std::size_t lineNumber, TBatchScratch& scratch, std::string& output);

}
