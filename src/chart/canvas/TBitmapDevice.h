#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TDrawingDevice.h"

// A drawing device with a fixed pixel size: the canvas's off-screen buffer.
class BHN_CHART_API TBitmapDevice : public TDrawingDevice {
public:
    virtual int Width() const = 0;
    virtual int Height() const = 0;
};
