#pragma once

#include "chart/canvas/BrushTypes.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TPoint.h"
#include "chart/canvas/TRect.h"

#include <cstdint>
#include <span>
#include <vector>

// The pixels of the chart in a web page, painted here in whole logical pixels as the classic desktop device
// paints them: lines without their end point, fills without the right and bottom edges. A logical pixel is a
// block of device pixels (the screen's device pixel ratio), so the picture stays sharp on dense screens. A pixel
// is the page's RGBA bytes read as one little-endian word (WebAssembly's order): $FFBBGGRR.
class TPixelSurface {
public:
    // A row of logical pixels [From, To) at Y.
    struct TSpan {
        int Y;
        int From;
        int To;
    };
    // How a line is painted: a pixel value, or what lies below inverted; a width (a square of that side at each
    // pixel); dashes as alternating on and off lengths in pixels, starting on (none: solid).
    struct TLinePen {
        std::uint32_t Pixel = 0xFF000000u;
        int Width = 1;
        bool Invert = false;
        std::span<const int> Dashes;
    };
    // How much of each device pixel of a box a text covers, 0 to 255, the box placed relative to the text's
    // origin.
    struct TCoverage {
        int X = 0;
        int Y = 0;
        int Width = 0;
        int Height = 0;
        std::vector<std::uint8_t> Alpha;
    };

    TPixelSurface(int width, int height, double scale);

    static constexpr std::uint32_t PixelOf(TColor rgb) { return 0xFF000000u | (rgb & 0xFFFFFFu); }

    int Width() const { return width_; }
    int Height() const { return height_; }
    double Scale() const { return scale_; }
    int DeviceWidth() const { return deviceWidth_; }
    int DeviceHeight() const { return deviceHeight_; }
    const std::uint32_t* Pixels() const { return pixels_.data(); }
    // The RGB colour at a device pixel.
    TColor At(int deviceX, int deviceY) const;

    // Whether anything was painted since the last call that took the change.
    bool TakeChange();

    void ClipRect(const TRect& rect);
    void UnClip();

    void Fill(const TRect& rect, std::uint32_t pixel);
    // The rectangle as the pen paints it: in its pixel value, or inverted.
    void Paint(const TRect& rect, const TLinePen& pen);
    void Line(TPoint from, TPoint to, const TLinePen& pen);
    // The spans with a brush: solid, hatched by its pattern, or nothing for a clear brush.
    void FillSpans(std::span<const TSpan> spans, std::uint32_t pixel, TBrushStyle style);
    // The coverage in a pixel value over what lies below, its origin at a device pixel.
    void Blend(const TCoverage& coverage, int deviceX, int deviceY, std::uint32_t pixel);
    // Another surface of the same scale, its top-left at logical (x, y).
    void Copy(const TPixelSurface& from, int x, int y);

private:
    // The clip in device pixels.
    TRect DeviceClip() const;
    // The square of the pen's width at a pixel of a line.
    void Plot(int x, int y, const TLinePen& pen);
    void Invert(const TRect& rect);

    int width_;
    int height_;
    double scale_;
    int deviceWidth_;
    int deviceHeight_;
    // Device edges of the logical pixel edges 0..width and 0..height.
    std::vector<int> columns_;
    std::vector<int> rows_;
    std::vector<std::uint32_t> pixels_;
    TRect clip_;
    bool changed_ = false;
};
