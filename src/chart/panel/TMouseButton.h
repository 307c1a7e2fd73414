#pragma once

#include <cstdint>

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };
