#pragma once

#include "chart/canvas/TBitmapDevice.h"

// The chart canvas's device in a web page: draws on a page canvas (or an off-screen one made for the chart's
// buffer) through the page's drawing module, with the classic desktop effects: lines without their end point,
// shapes without their right and bottom edges, whole pixels only, text placed by the alignment flags. The page
// sizes its canvases by the screen's device pixel ratio; the engine works in logical pixels.
class TCanvasDevice : public TBitmapDevice {
public:
    // The page canvas the drawing module knows by id, width x height logical pixels.
    TCanvasDevice(int canvasId, int width, int height);
    ~TCanvasDevice() override;
    TCanvasDevice(const TCanvasDevice&) = delete;
    TCanvasDevice& operator=(const TCanvasDevice&) = delete;

    int Id() const { return id_; }
    int Width() const override { return width_; }
    int Height() const override { return height_; }

    void SetPen(const TDevicePen& pen) override;
    void SetBrush(const TDeviceBrush& brush) override;
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

    void MoveTo(int x, int y) override;
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
    void ClipRect(const TRect& rect) override;
    void UnClip() override;
    std::unique_ptr<TBitmapDevice> CreateBitmap(int width, int height, TBitmapFormat format) override;
    void CopyBitmap(TBitmapDevice& bitmap, int x, int y) override;

private:
    // A canvas of its own, made by the drawing module.
    TCanvasDevice(int width, int height);

    // Hands the pen to the drawing module when it changed since it last had it.
    void ApplyPen();
    void ApplyBrush();
    void ApplyFont();

    int id_;
    bool owned_;
    int width_;
    int height_;
    TDevicePen pen_;
    TDeviceBrush brush_;
    TDeviceFont font_;
    bool penApplied_ = false;
    bool brushApplied_ = false;
    bool fontApplied_ = false;
    unsigned textAlign_ = TA_LEFT | TA_TOP;
    TBackMode backMode_ = bmOpaque;
    TColor backColor_ = clWhite;
    TPoint position_{0, 0};
};
