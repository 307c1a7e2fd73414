#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TCanvas3D.h"

// Clips the canvas to a rectangle for the guard's lifetime.
class BHN_CHART_API TClipGuard {
public:
    TClipGuard(TChartCanvas& canvas, const TRect& rect) : canvas_(canvas) { canvas_.ClipRectangle(rect); }
    // The depth-aware clip of a box (ClipCube).
    TClipGuard(TCanvas3D& canvas, const TRect& rect, int z0, int z1) : canvas_(canvas) { canvas.ClipCube(rect, z0, z1); }
    TClipGuard(const TClipGuard&) = delete;
    TClipGuard& operator=(const TClipGuard&) = delete;
    ~TClipGuard() { canvas_.UnClip(); }

private:
    TChartCanvas& canvas_;
};

// Sets the text alignment and restores the previous one at the end of the scope.
class BHN_CHART_API TTextAlignGuard {
public:
    TTextAlignGuard(TChartCanvas& canvas, unsigned flags) : canvas_(canvas), saved_(canvas.GetTextAlign()) { canvas_.SetTextAlign(flags); }
    TTextAlignGuard(const TTextAlignGuard&) = delete;
    TTextAlignGuard& operator=(const TTextAlignGuard&) = delete;
    ~TTextAlignGuard() { canvas_.SetTextAlign(saved_); }

private:
    TChartCanvas& canvas_;
    unsigned saved_;
};

// Sets the pen mode and restores the previous one at the end of the scope.
class BHN_CHART_API TPenModeGuard {
public:
    TPenModeGuard(TChartCanvas& canvas, TPenMode mode) : canvas_(canvas), saved_(canvas.Pen().Mode()) { canvas_.Pen().SetMode(mode); }
    TPenModeGuard(const TPenModeGuard&) = delete;
    TPenModeGuard& operator=(const TPenModeGuard&) = delete;
    ~TPenModeGuard() { canvas_.Pen().SetMode(saved_); }

private:
    TChartCanvas& canvas_;
    TPenMode saved_;
};
