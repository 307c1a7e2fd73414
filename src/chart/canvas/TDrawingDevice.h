#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TDeviceState.h"
#include "chart/canvas/TPoint.h"
#include "chart/canvas/TRect.h"
#include "chart/canvas/TSize.h"
#include "chart/canvas/TextAlign.h"

#include <memory>
#include <span>
#include <string_view>

class TBitmapDevice;

enum TBitmapFormat : std::uint8_t { bfColor, bfMonochrome };

// The drawing surface behind a canvas. Its effects are those of the classic desktop device:
// a line does not paint its end point; shapes outline with the pen, fill with the brush and do not
// paint their right and bottom edges; text is placed by the alignment flags and drawn on an opaque
// background cell only in bmOpaque mode. Text is UTF-8.
class BHN_CHART_API TDrawingDevice {
public:
    virtual ~TDrawingDevice() = default;

    virtual void SetPen(const TDevicePen& pen) = 0;
    virtual void SetBrush(const TDeviceBrush& brush) = 0;
    virtual void SetFont(const TDeviceFont& font) = 0;
    virtual void SetTextAlign(unsigned flags) = 0;
    virtual unsigned GetTextAlign() const = 0;
    virtual void SetBackMode(TBackMode mode) = 0;
    virtual TBackMode GetBackMode() const = 0;
    virtual void SetBackColor(TColor rgb) = 0;
    virtual TColor GetBackColor() const = 0;

    // The extent of the text in the current font; {0, 0} when it cannot be measured.
    virtual TSize TextExtent(std::string_view text) = 0;
    // Whether the width of a text of ASCII digits, punctuation and spaces is its glyphs' advances
    // added up, with no kerning or shaping between them: then a wider glyph in place of another, or
    // one glyph more, never makes a text narrower.
    virtual bool TextWidthsAddUp() const { return false; }
    virtual void TextOut(int x, int y, std::string_view text) = 0;

    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Rectangle(const TRect& rect) = 0;
    // The rectangle filled with the brush alone, right and bottom edges excluded.
    virtual void FillRect(const TRect& rect) = 0;
    virtual void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) = 0;
    virtual void Ellipse(const TRect& rect) = 0;
    virtual void Polygon(std::span<const TPoint> points) = 0;
    virtual void Polyline(std::span<const TPoint> points) = 0;
    virtual void SetPixel(int x, int y, TColor rgb) = 0;
    // Counter-clockwise elliptic arc (and pie) in the bounding rectangle, from the ray towards
    // start to the ray towards end.
    virtual void Arc(const TRect& rect, TPoint start, TPoint end) = 0;
    virtual void Pie(const TRect& rect, TPoint start, TPoint end) = 0;

    virtual void ClipRect(const TRect& rect) = 0;
    virtual void UnClip() = 0;

    // An off-screen surface of the same kind, width x height pixels, owned by the caller.
    virtual std::unique_ptr<TBitmapDevice> CreateBitmap(int width, int height, TBitmapFormat format) = 0;
    // Copies the whole bitmap (made by CreateBitmap of a device of the same kind) with its top-left at (x, y).
    // The bitmap finishes what it is drawing first.
    virtual void CopyBitmap(TBitmapDevice& bitmap, int x, int y) = 0;
};
