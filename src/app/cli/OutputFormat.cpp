#include "app/cli/OutputFormat.h"

#include "app/cli/ModeNames.h"

namespace cli {

std::optional<TOutputFormat> ParseOutputFormat(std::string_view text)
{
    if (EqualsIgnoringCase(text, "csv")) {
        return TOutputFormat::Csv;
    }
    if (EqualsIgnoringCase(text, "json")) {
        return TOutputFormat::Json;
    }
    return std::nullopt;
}

}
