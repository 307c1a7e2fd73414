#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartFont.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TDrawingDevice.h"

#include <optional>
#include <span>
#include <string_view>

// The engine's 2D canvas over an attached device. It holds the current Pen, Brush and Font and
// brings the device up to date with whichever of them changed before each device call.
class BHN_CHART_API TChartCanvas {
public:
    TChartCanvas();
    TChartCanvas(const TChartCanvas&) = delete;
    TChartCanvas& operator=(const TChartCanvas&) = delete;
    virtual ~TChartCanvas() = default;

    // Makes the device the target; the whole state is sent to it before its first call.
    void AttachCanvas(TDrawingDevice& device);
    TDrawingDevice* Device() const { return device_; }
    // Leaves the canvas without a device (drawing calls then do nothing, measurements give 0).
    void DetachCanvas() { device_ = nullptr; }

    TPen& Pen() { return pen_; }
    TChartBrush& Brush() { return brush_; }
    TChartFont& Font() { return font_; }
    const TPen& Pen() const { return pen_; }
    const TChartBrush& Brush() const { return brush_; }
    const TChartFont& Font() const { return font_; }

    // Black solid pen of width 1, white solid brush, black 10-point font, white transparent background.
    void ResetState();
    // Hidden pen: nothing is outlined; small dots of width 1: the alternate-dot pen; else a copy of the pen.
    void SelectChartPen(const TChartPen& pen);

    int TextWidth(std::string_view text);
    int TextHeight(std::string_view text);
    // The height of "W" in the current font.
    int FontHeight();

    void SetTextAlign(unsigned flags);
    unsigned GetTextAlign() const;
    void SetBackMode(TBackMode mode);
    TBackMode GetBackMode() const;
    void SetBackColor(TColor rgb);
    TColor GetBackColor() const;

    void TextOut(int x, int y, std::string_view text);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Line(int x0, int y0, int x1, int y1);
    void HorizLine(int x0, int x1, int y);
    void VertLine(int x, int y0, int y1);
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect& rect);
    // The rectangle filled with the brush alone (no outline), right and bottom edges excluded.
    void FillRect(const TRect& rect);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect& rect);
    void Polygon(std::span<const TPoint> points);
    void Polyline(std::span<const TPoint> points);
    // The colour may be a system colour; it is converted to RGB.
    void SetPixel(int x, int y, TColor color);
    void Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
    void Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);

    void ClipRectangle(const TRect& rect);
    void UnClip();
    // The rectangle drawing is clipped to, right and bottom edges excluded; none when unclipped.
    const std::optional<TRect>& ClipRect() const { return clip_; }

protected:
    // Sends whatever changed of pen, brush and font to the device; every drawing call starts with it.
    TDrawingDevice& Prepared();
    // The device font of the current Font, with the given escapement and pixel height.
    TDeviceFont DeviceFont(int escapement, int height) const;
    // Sends a one-off font (rotated or zoomed text) after the rest of the state and returns the device
    // to draw with; the current Font is sent again at the next call.
    TDrawingDevice& SelectTemporaryFont(const TDeviceFont& font);

private:
    TDrawingDevice* device_ = nullptr;
    TPen pen_;
    TChartBrush brush_;
    TChartFont font_;
    std::optional<TRect> clip_;
    bool penDirty_ = true;
    bool brushDirty_ = true;
    bool fontDirty_ = true;
};
