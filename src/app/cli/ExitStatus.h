#pragma once

namespace cli {

// The program's exit statuses; the usage, the man page and the README state the same table.
inline constexpr int ExitSuccess = 0;
// Some batch lines were refused; every good line was still written.
inline constexpr int ExitSomeLinesRefused = 1;
// Bad usage, unreadable input, failed output or out of memory.
inline constexpr int ExitRefused = 2;

}
