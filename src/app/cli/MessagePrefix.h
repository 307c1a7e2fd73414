#pragma once

namespace cli {

// What starts every message the program writes on standard error, so a user sees which program is speaking.
inline constexpr const char* MessagePrefix = "bhncalc: ";

}
