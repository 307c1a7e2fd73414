#pragma once

#include "app/cli/CommandLine.h"

#include <sstream>
#include <string>
#include <vector>

// What one run of the command line produced.
struct TCliRun {
    int status;
    std::string out;
    std::string err;
};

inline TCliRun RunCli(const std::vector<std::string>& args, const std::string& input = "")
{
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = cli::RunCommandLine(args, in, out, err);
    return {status, out.str(), err.str()};
}
