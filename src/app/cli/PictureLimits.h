#pragma once

// The longest side, in pixels, of any picture the program draws: a chart file, or the window saved as a
// screenshot at its scale. Larger ones would take gigabytes before a pixel is written.
inline constexpr int MaxPictureSide = 10000;
