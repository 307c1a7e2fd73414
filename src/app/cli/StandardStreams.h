#pragma once

#include <ostream>
#include <string>

namespace cli {

// Points each standard descriptor the program was started without (`>&-`) at /dev/null, so that no file or
// connection opened later takes its number and receives what was meant for the stream. Call first in main.
void OpenClosedStandardStreams();

// For an output named "-": false after saying so on `err` when standard output was closed at start.
bool StandardOutputUsable(const std::string& path, std::ostream& err);

}
