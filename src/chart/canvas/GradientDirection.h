#pragma once

#include <cstdint>

enum TGradientDirection : std::uint8_t {
    gdTopBottom, gdBottomTop, gdLeftRight, gdRightLeft, gdFromCenter, gdFromTopLeft, gdFromBottomLeft,
};
