#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// The whole usage text, printed by --help and after a usage error.
std::string UsageText();

// The usage of one command ("calc", "batch", "table", "chart", "--screenshot"), printed by its -h or --help;
// nothing for a word that is not a command.
std::optional<std::string> CommandUsageText(std::string_view command);

}
