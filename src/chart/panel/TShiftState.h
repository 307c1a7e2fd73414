#pragma once

#include <cstdint>

enum TShiftFlag : std::uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };

// The keys and buttons held during a mouse event: an or-combination of TShiftFlag.
using TShiftState = std::uint8_t;
