#pragma once

#include <cstdint>

enum TPanningMode : std::uint8_t { pmNone, pmHorizontal, pmVertical, pmBoth };
