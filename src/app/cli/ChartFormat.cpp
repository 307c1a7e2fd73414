#include "app/cli/ChartFormat.h"

#include "app/cli/Calculation.h"
#include "app/cli/ModeNames.h"

#include <array>
#include <utility>

namespace cli {

namespace {

constexpr std::array<std::pair<std::string_view, TPictureFormat>, 3> Formats{{
    {"png", TPictureFormat::Png},
    {"svg", TPictureFormat::Svg},
    {"pdf", TPictureFormat::Pdf},
}};

std::optional<TPictureFormat> FormatNamed(std::string_view name)
{
    for (const auto& [formatName, format] : Formats) {
        if (EqualsIgnoringCase(name, formatName)) {
            return format;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<TPictureFormat> ChartFormatOf(std::string_view outPath, const std::optional<std::string>& formatName,
    std::string& reason)
{
    if (formatName) {
        const std::optional<TPictureFormat> format = FormatNamed(*formatName);
        if (!format) {
            reason = "--format takes png, svg or pdf, not " + Quoted(*formatName);
        }
        return format;
    }
    const std::size_t slash = outPath.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? outPath : outPath.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    // Standard output, devices and pipes have no extension: they get what chart has always written.
    if (dot == std::string_view::npos) {
        return TPictureFormat::Png;
    }
    const std::optional<TPictureFormat> format = FormatNamed(name.substr(dot + 1));
    if (!format) {
        reason = "chart writes .png, .svg or .pdf files (or --format png|svg|pdf), not " + Quoted(outPath);
    }
    return format;
}

}
