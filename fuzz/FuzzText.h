#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Output lines: the text split at each newline, no line after a final newline.
std::vector<std::string_view> OutputLines(std::string_view text);

// Batch input lines as the command line reads them: LF, CR and CRLF end a line, and a UTF-8 byte order mark
// before the first line is not part of it.
std::vector<std::string_view> BatchInputLines(std::string_view text);

// CSV fields, a quoted field unquoted ("" for one quote); nothing when a quoted field is malformed.
std::optional<std::vector<std::string>> CsvFields(std::string_view line);

// True when the text is exactly one JSON value (RFC 8259, UTF-8), with optional white space around it.
bool IsJson(std::string_view text);
