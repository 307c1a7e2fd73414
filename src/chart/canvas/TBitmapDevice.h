#pragma once

#include "chart/canvas/TDrawingDevice.h"

// A drawing device with a fixed pixel size: the canvas's off-screen buffer.
class TBitmapDevice : public TDrawingDevice {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};
