#pragma once

#include <cstdint>

// Text alignment flags of the device: one horizontal and one vertical flag combined with |.
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;

constexpr unsigned TA_HORIZONTAL_MASK = TA_CENTER;
constexpr unsigned TA_VERTICAL_MASK = TA_BASELINE;

// Whether text (and hatch brushes) paint their background with the back colour.
enum TBackMode : std::uint8_t { bmTransparent = 1, bmOpaque = 2 };
