#pragma once

#include <cstdint>

// Horizontal placement of the lines of a title.
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
