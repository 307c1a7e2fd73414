#pragma once

#include <cstdint>

// What a drawing of the chart is for, which decides how it uses the off-screen buffer.
enum class TDrawingTarget : std::uint8_t {
    // The window's paint: through the buffer when it is on; an active zoom rectangle goes on top afterwards.
    Window,
    // A drawing as the window would make it, with the buffering as it is set.
    Screen,
    // A whole picture (a file, the clipboard): straight onto the device, past the buffer.
    Picture,
    // A printout: as a picture, with the printing rules (no panel bevels, no clipping).
    Printer,
};
