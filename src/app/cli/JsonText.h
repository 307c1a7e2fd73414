#pragma once

#include <string>
#include <string_view>

namespace cli {

// Appends a text as a JSON string. Valid UTF-8 passes through; control characters are escaped, and a byte that
// is not part of a valid UTF-8 sequence is read as Latin-1 (so a Latin-1 degree sign stays a degree sign).
void AppendJsonString(std::string& out, std::string_view text);

}
