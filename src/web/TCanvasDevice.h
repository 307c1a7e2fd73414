#pragma once

#include "chart/canvas/TBitmapDevice.h"
#include "web/pixels/TPixelSurface.h"

#include <vector>

// The chart canvas's device in a web page: paints its own pixels (TPixelSurface) with the classic desktop
// effects: lines without their end point, shapes without their right and bottom edges, whole pixels only, text
// placed by the alignment flags. Only text goes through the page: the browser measures it and rasterises each
// text once. The device of a page canvas hands its pixels to the canvas in one piece (Present).
class TCanvasDevice : public TBitmapDevice {
public:
    // The page canvas the drawing module knows by id, width x height logical pixels at the scale the module
    // sized it for.
    TCanvasDevice(int canvasId, int width, int height);

    int Width() const override { return surface_.Width(); }
    int Height() const override { return surface_.Height(); }
    // The page canvas's id; 0 for an off-screen surface.
    int CanvasId() const { return canvasId_; }
    // Puts what was painted since the last time on the page canvas.
    void Present();

    void SetPen(const TDevicePen& pen) override;
    void SetBrush(const TDeviceBrush& brush) override { brush_ = brush; }
    void SetFont(const TDeviceFont& font) override;
    void SetTextAlign(unsigned flags) override { textAlign_ = flags; }
    unsigned GetTextAlign() const override { return textAlign_; }
    void SetBackMode(TBackMode mode) override { backMode_ = mode; }
    TBackMode GetBackMode() const override { return backMode_; }
    void SetBackColor(TColor rgb) override { backColor_ = rgb; }
    TColor GetBackColor() const override { return backColor_; }

    TSize TextExtent(std::string_view text) override;
    // Widths are the glyphs' whole-pixel advances added up, without kerning.
    bool TextWidthsAddUp() const override { return true; }
    void TextOut(int x, int y, std::string_view text) override;

    void MoveTo(int x, int y) override { position_ = {x, y}; }
    void LineTo(int x, int y) override;
    void Rectangle(const TRect& rect) override;
    void FillRect(const TRect& rect) override;
    void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) override;
    void Ellipse(const TRect& rect) override;
    void Polygon(std::span<const TPoint> points) override;
    void Polyline(std::span<const TPoint> points) override;
    void SetPixel(int x, int y, TColor rgb) override;
    void Arc(const TRect& rect, TPoint start, TPoint end) override;
    void Pie(const TRect& rect, TPoint start, TPoint end) override;
    void ClipRect(const TRect& rect) override { surface_.ClipRect(rect); }
    void UnClip() override { surface_.UnClip(); }
    std::unique_ptr<TBitmapDevice> CreateBitmap(int width, int height, TBitmapFormat format) override;
    void CopyBitmap(TBitmapDevice& bitmap, int x, int y) override;

private:
    // An off-screen surface: pixels only.
    TCanvasDevice(int width, int height, double scale);

    // The outline through the points with the pen, joined back to the first when closed.
    void Outline(std::span<const TPoint> points, bool closed);
    // The area in spans_ with the brush.
    void FillWithBrush();
    // The pen round the shape spans_ hold.
    void OutlineSpans();
    // A rectangle of the text's frame (u along the text, v across it) turned by the font's angle about (x, y).
    void FillTextBand(int x, int y, int u, int v, int width, int height, TColor rgb);

    int canvasId_;
    TPixelSurface surface_;
    TPixelSurface::TLinePen linePen_;
    TDeviceBrush brush_;
    TDeviceFont font_;
    // The font's ascent and cell height, and its angle in radians.
    int ascent_ = 0;
    int cell_ = 0;
    double angle_ = 0;
    unsigned textAlign_ = TA_LEFT | TA_TOP;
    TBackMode backMode_ = bmOpaque;
    TColor backColor_ = clWhite;
    TPoint position_{0, 0};
    std::vector<TPixelSurface::TSpan> spans_;
};
