#pragma once

#include "app/cli/TWindowCommands.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace cli {

// Runs bhncalc with its arguments (program name excluded) and returns the exit status:
// 0 success, 1 some batch lines refused, 2 bad usage, unreadable input, failed output or out of memory.
// `chart` and `--screenshot` run through `window`; without it they are refused.
int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err,
    const TWindowCommands& window = {});

}
