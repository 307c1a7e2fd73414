#include "web/TCanvasDevice.h"

#include "chart/canvas/DashPattern.h"

#include <emscripten.h>

// The page's drawing module (BhnCanvas, web/chartcanvas.js) does the pixel work; these are its entry points.
// Colours are RGB as $00BBGGRR; points are pairs of 32-bit integers in the module's memory.
EM_JS(int, bhn_canvas_create, (int width, int height), { return BhnCanvas.create(width, height); });
EM_JS(void, bhn_canvas_release, (int id), { BhnCanvas.release(id); });
EM_JS(void, bhn_canvas_pen, (int id, int color, int width, int mode, const int* dashes, int dashCount), {
    BhnCanvas.pen(id, color, width, mode, Array.from(HEAP32.subarray(dashes >> 2, (dashes >> 2) + dashCount)));
});
EM_JS(void, bhn_canvas_brush, (int id, int color, int style), { BhnCanvas.brush(id, color, style); });
EM_JS(void, bhn_canvas_font, (int id, const char* name, int height, int style, int escapement, int color), {
    BhnCanvas.font(id, UTF8ToString(name), height, style, escapement, color);
});
EM_JS(int, bhn_canvas_measure, (int id, const char* text, int length), {
    return BhnCanvas.measure(id, UTF8ToString(text, length));
});
EM_JS(void, bhn_canvas_text, (int id, int x, int y, const char* text, int length, int align, int opaque, int back), {
    BhnCanvas.text(id, x, y, UTF8ToString(text, length), align, opaque, back);
});
EM_JS(void, bhn_canvas_line, (int id, int x0, int y0, int x1, int y1), { BhnCanvas.line(id, x0, y0, x1, y1); });
EM_JS(void, bhn_canvas_rect, (int id, int left, int top, int right, int bottom, int outline), {
    BhnCanvas.rect(id, left, top, right, bottom, outline);
});
EM_JS(void, bhn_canvas_ellipse, (int id, int left, int top, int right, int bottom), {
    BhnCanvas.ellipse(id, left, top, right, bottom);
});
EM_JS(void, bhn_canvas_polygon, (int id, const int* points, int count, int closed), {
    BhnCanvas.polygon(id, HEAP32.subarray(points >> 2, (points >> 2) + 2 * count), closed);
});
EM_JS(void, bhn_canvas_arc, (int id, int left, int top, int right, int bottom, int sx, int sy, int ex, int ey, int pie), {
    BhnCanvas.arc(id, left, top, right, bottom, sx, sy, ex, ey, pie);
});
EM_JS(void, bhn_canvas_pixel, (int id, int x, int y, int color), { BhnCanvas.pixel(id, x, y, color); });
EM_JS(void, bhn_canvas_clip, (int id, int left, int top, int right, int bottom), {
    BhnCanvas.clip(id, left, top, right, bottom);
});
EM_JS(void, bhn_canvas_unclip, (int id), { BhnCanvas.unclip(id); });
EM_JS(void, bhn_canvas_copy, (int id, int source, int x, int y), { BhnCanvas.copy(id, source, x, y); });

namespace {

int Rgb(TColor color)
{
    return static_cast<int>(color & 0xFFFFFF);
}

}  // namespace

TCanvasDevice::TCanvasDevice(int canvasId, int width, int height)
    : id_(canvasId), owned_(false), width_(width), height_(height)
{
}

TCanvasDevice::TCanvasDevice(int width, int height)
    : id_(bhn_canvas_create(width, height)), owned_(true), width_(width), height_(height)
{
}

TCanvasDevice::~TCanvasDevice()
{
    if (owned_) {
        bhn_canvas_release(id_);
    }
}

void TCanvasDevice::SetPen(const TDevicePen& pen)
{
    penApplied_ = penApplied_ && pen == pen_;
    pen_ = pen;
}

void TCanvasDevice::SetBrush(const TDeviceBrush& brush)
{
    brushApplied_ = brushApplied_ && brush == brush_;
    brush_ = brush;
}

void TCanvasDevice::SetFont(const TDeviceFont& font)
{
    fontApplied_ = fontApplied_ && font == font_;
    font_ = font;
}

void TCanvasDevice::ApplyPen()
{
    if (penApplied_) {
        return;
    }
    // A clear pen draws nothing; a wide pen is always solid, as on the classic device.
    const std::span<const int> dashes = pen_.Width > 1 ? std::span<const int>() : DashPatternOf(pen_.Style);
    const int width = pen_.Style == psClear ? 0 : std::max(pen_.Width, 1);
    bhn_canvas_pen(id_, Rgb(pen_.Color), width, pen_.Mode, dashes.data(), static_cast<int>(dashes.size()));
    penApplied_ = true;
}

void TCanvasDevice::ApplyBrush()
{
    if (!brushApplied_) {
        bhn_canvas_brush(id_, Rgb(brush_.Color), brush_.Style);
        brushApplied_ = true;
    }
}

void TCanvasDevice::ApplyFont()
{
    if (!fontApplied_) {
        bhn_canvas_font(id_, font_.Name.c_str(), font_.Height, font_.Style.Bits(), font_.Escapement, Rgb(font_.Color));
        fontApplied_ = true;
    }
}

TSize TCanvasDevice::TextExtent(std::string_view text)
{
    ApplyFont();
    const int packed = bhn_canvas_measure(id_, text.data(), static_cast<int>(text.size()));
    return {text.empty() ? 0 : packed >> 16, packed & 0xFFFF};
}

void TCanvasDevice::TextOut(int x, int y, std::string_view text)
{
    if (text.empty()) {
        return;
    }
    ApplyFont();
    // As on the classic device, text over a clear brush keeps the background whatever the mode says.
    const bool opaque = backMode_ == bmOpaque && brush_.Style != bsClear;
    bhn_canvas_text(id_, x, y, text.data(), static_cast<int>(text.size()), static_cast<int>(textAlign_), opaque ? 1 : 0,
                    Rgb(backColor_));
}

void TCanvasDevice::MoveTo(int x, int y)
{
    position_ = {x, y};
}

void TCanvasDevice::LineTo(int x, int y)
{
    ApplyPen();
    bhn_canvas_line(id_, position_.X, position_.Y, x, y);
    position_ = {x, y};
}

void TCanvasDevice::Rectangle(const TRect& rect)
{
    ApplyPen();
    ApplyBrush();
    bhn_canvas_rect(id_, rect.Left, rect.Top, rect.Right, rect.Bottom, 1);
}

void TCanvasDevice::FillRect(const TRect& rect)
{
    ApplyBrush();
    bhn_canvas_rect(id_, rect.Left, rect.Top, rect.Right, rect.Bottom, 0);
}

void TCanvasDevice::RoundRect(const TRect& rect, int, int)
{
    // The calculator's chart draws no rounded corners; they are drawn square.
    Rectangle(rect);
}

void TCanvasDevice::Ellipse(const TRect& rect)
{
    ApplyPen();
    ApplyBrush();
    bhn_canvas_ellipse(id_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvasDevice::Polygon(std::span<const TPoint> points)
{
    ApplyPen();
    ApplyBrush();
    static_assert(sizeof(TPoint) == 2 * sizeof(int));
    bhn_canvas_polygon(id_, &points.data()->X, static_cast<int>(points.size()), 1);
}

void TCanvasDevice::Polyline(std::span<const TPoint> points)
{
    ApplyPen();
    bhn_canvas_polygon(id_, &points.data()->X, static_cast<int>(points.size()), 0);
}

void TCanvasDevice::SetPixel(int x, int y, TColor rgb)
{
    bhn_canvas_pixel(id_, x, y, Rgb(rgb));
}

void TCanvasDevice::Arc(const TRect& rect, TPoint start, TPoint end)
{
    ApplyPen();
    bhn_canvas_arc(id_, rect.Left, rect.Top, rect.Right, rect.Bottom, start.X, start.Y, end.X, end.Y, 0);
}

void TCanvasDevice::Pie(const TRect& rect, TPoint start, TPoint end)
{
    ApplyPen();
    ApplyBrush();
    bhn_canvas_arc(id_, rect.Left, rect.Top, rect.Right, rect.Bottom, start.X, start.Y, end.X, end.Y, 1);
}

void TCanvasDevice::ClipRect(const TRect& rect)
{
    bhn_canvas_clip(id_, rect.Left, rect.Top, rect.Right, rect.Bottom);
}

void TCanvasDevice::UnClip()
{
    bhn_canvas_unclip(id_);
}

std::unique_ptr<TBitmapDevice> TCanvasDevice::CreateBitmap(int width, int height, TBitmapFormat)
{
    return std::unique_ptr<TBitmapDevice>(new TCanvasDevice(width, height));
}

void TCanvasDevice::CopyBitmap(TBitmapDevice& bitmap, int x, int y)
{
    bhn_canvas_copy(id_, static_cast<TCanvasDevice&>(bitmap).Id(), x, y);
}
