#include "app/cli/ChartFormat.h"

#include "app/cli/Calculation.h"
#include "app/cli/ModeNames.h"

#include <array>
#include <filesystem>
#include <system_error>
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

// Standard output, devices, pipes and folders (a name ending in "/" is one, made or not): names that were
// never meant to say a format. A folder is let through so that writing to it fails saying it is a folder.
bool IsStreamName(std::string_view path)
{
    if (path == "-" || path.rfind("/dev/", 0) == 0 || path.ends_with('/')) {
        return true;
    }
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(std::filesystem::path(path), error);
    return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

enum class TNameFormat { Found, NoExtension, UnknownExtension };

// The format the file name's extension says.
TNameFormat FormatOfName(std::string_view path, TPictureFormat& format)
{
    const std::size_t slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    // "dir.png/", "." and ".." name folders, whatever dots come before.
    if (dot == std::string_view::npos || name == "." || name == "..") {
        return TNameFormat::NoExtension;
    }
    const std::optional<TPictureFormat> named = FormatNamed(name.substr(dot + 1));
    if (!named) {
        return TNameFormat::UnknownExtension;
    }
    format = *named;
    return TNameFormat::Found;
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
    TPictureFormat format = TPictureFormat::Png;
    switch (FormatOfName(outPath, format)) {
    case TNameFormat::Found:
        return format;
    case TNameFormat::NoExtension:
        if (IsStreamName(outPath)) {
            return TPictureFormat::Png;
        }
        reason = Quoted(outPath) + " has no extension: name a .png, .svg or .pdf file, or give --format png|svg|pdf";
        return std::nullopt;
    case TNameFormat::UnknownExtension:
        break;
    }
    reason = "chart writes .png, .svg or .pdf files (or --format png|svg|pdf), not " + Quoted(outPath);
    return std::nullopt;
}

std::optional<TPictureFormat> FormatOfExtension(std::string_view path)
{
    TPictureFormat format = TPictureFormat::Png;
    return FormatOfName(path, format) == TNameFormat::Found ? std::optional<TPictureFormat>(format) : std::nullopt;
}

bool ScreenshotFormatAccepted(std::string_view path, std::string& reason)
{
    TPictureFormat format = TPictureFormat::Png;
    const TNameFormat named = FormatOfName(path, format);
    if (named == TNameFormat::Found ? format == TPictureFormat::Png : named == TNameFormat::NoExtension && IsStreamName(path)) {
        return true;
    }
    reason = "--screenshot writes PNG images: name a .png file, not " + Quoted(path);
    return false;
}

}
