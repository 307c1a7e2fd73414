#pragma once

#include "picture/TPictureFormat.h"

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// The picture format chart writes: the --format name when given (png, svg or pdf), else the output
// file's extension (.png, .svg or .pdf, in any case). A name without extension is PNG when it is standard
// output "-", lies under /dev or names an existing device, pipe or folder; a regular file, or a new one,
// needs an extension or --format, so that a file such as Makefile is never replaced by a picture by
// mistake. Anything else is refused with a one-line reason naming the supported formats.
std::optional<TPictureFormat> ChartFormatOf(std::string_view outPath, const std::optional<std::string>& formatName,
    std::string& reason);

// The format a file name's extension names (.png, .svg or .pdf, in any case); nothing for another or none.
std::optional<TPictureFormat> FormatOfExtension(std::string_view path);

// Whether --screenshot can write path: the window is saved as PNG only, so the name follows chart's rules
// and must come out PNG. Otherwise false with a one-line reason.
bool ScreenshotFormatAccepted(std::string_view path, std::string& reason);

}
