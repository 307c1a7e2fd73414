#pragma once

#include "platform/TPictureFormat.h"

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// The picture format chart writes: the --format name when given (png, svg or pdf), else the output
// file's extension (.png, .svg or .pdf, in any case); a name without extension (standard output "-",
// /dev/stdout) is PNG. Any other name or extension is refused with a one-line reason naming the
// supported formats.
std::optional<TPictureFormat> ChartFormatOf(std::string_view outPath, const std::optional<std::string>& formatName,
    std::string& reason);

}
