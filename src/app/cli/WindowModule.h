#pragma once

#include "app/cli/TWindowCommands.h"

#include <ostream>

namespace cli {

// The signature of the window module's entry point, which fills the window commands.
using TWindowEntry = void (*)(int* argc, char** argv, TWindowCommands* commands);
inline constexpr const char* WindowEntryName = "bhncalc_window_commands";

// Window commands that open the window module next to the program on first use, so the rest of the command line
// starts without it. A module that cannot be opened, or a build without one, is one line on err and exit code 2.
// argc and argv must outlive the commands; the window may take its own options out of them. A screenshot with an
// empty path shows the window until it closes.
TWindowCommands WindowModuleCommands(int& argc, char** argv, std::ostream& err);

}
