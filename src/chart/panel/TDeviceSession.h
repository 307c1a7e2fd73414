#pragma once

#include "chart/panel/TDrawingTarget.h"

class TCustomChartPanel;
class TDrawingDevice;

// The panel's canvas on a device for one drawing, with the buffering and rules its target asks for. However
// the drawing ends, they come back as they were, and the canvas returns to the window's device, or without a
// window to its own buffer, so that it is never left on a device that may be gone.
class TDeviceSession {
public:
    TDeviceSession(TCustomChartPanel& panel, TDrawingDevice& device, TDrawingTarget target);
    TDeviceSession(const TDeviceSession&) = delete;
    TDeviceSession& operator=(const TDeviceSession&) = delete;
    ~TDeviceSession();

private:
    TCustomChartPanel& panel_;
    bool buffered_;
    bool printing_;
    bool paintingWindow_;
};
