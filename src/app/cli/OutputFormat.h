#pragma once

#include <optional>
#include <string_view>

namespace cli {

// What --format chose; Plain is the output without the option (calc's labelled lines, CSV elsewhere).
enum class TOutputFormat { Plain, Csv, Json };

// "csv" or "json", in any case.
std::optional<TOutputFormat> ParseOutputFormat(std::string_view text);

}
