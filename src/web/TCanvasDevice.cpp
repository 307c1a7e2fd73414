#include "web/TCanvasDevice.h"

#include "chart/canvas/DashPattern.h"
#include "web/pixels/ShapeSpans.h"

#include <emscripten.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <string>
#include <unordered_map>

// The page's drawing module (BhnCanvas, web/chartcanvas.js): its canvases and the browser's text.
EM_JS(double, bhn_canvas_scale, (int id), { return BhnCanvas.scale(id); });
EM_JS(void, bhn_canvas_present, (int id, const void* pixels, int width, int height), {
    BhnCanvas.present(id, new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4), width, height);
});
EM_JS(int, bhn_canvas_metrics, (int height, int style), { return BhnCanvas.metrics(height, style); });
EM_JS(int, bhn_canvas_measure, (int height, int style, const char* text, int length), {
    return BhnCanvas.measure(height, style, UTF8ToString(text, length));
});
// The coverage as four 32-bit integers (x, y, width, height) and a byte a device pixel, in memory the caller
// frees.
EM_JS(void*, bhn_canvas_coverage, (int height, int style, int escapement, double scale, const char* text, int length), {
    const c = BhnCanvas.coverage(height, style, escapement, scale, UTF8ToString(text, length));
    const block = _malloc(16 + c.alpha.length);
    HEAP32.set([c.x, c.y, c.width, c.height], block >> 2);
    HEAPU8.set(c.alpha, block + 16);
    return block;
});

namespace {

// What a text's width and coverage depend on besides the text: its font's height, style and angle, and the
// surface's scale; as bytes, to start a key.
std::string TextKey(const TDeviceFont& font, double scale, std::string_view text)
{
    const std::int32_t parts[] = {font.Height, font.Style.Bits(), font.Escapement,
                                  static_cast<std::int32_t>(std::lround(scale * 4096))};
    std::string key(reinterpret_cast<const char*>(parts), sizeof parts);
    key += text;
    return key;
}

// Known widths and coverages by key: the same labels come back with every redraw. Bounded, since axis labels
// change with every zoom and scroll.
template <class T>
std::unordered_map<std::string, T>& Known()
{
    static std::unordered_map<std::string, T> known;
    if (known.size() >= 4096) {
        known.clear();
    }
    return known;
}

int WidthOf(const TDeviceFont& font, std::string_view text)
{
    auto& known = Known<int>();
    // The width does not depend on the angle or the scale.
    std::string key = TextKey({font.Name, font.Height, font.Style, 0, clBlack}, 1, text);
    const auto found = known.find(key);
    if (found != known.end()) {
        return found->second;
    }
    const int width = bhn_canvas_measure(font.Height, font.Style.Bits(), text.data(), static_cast<int>(text.size()));
    known.emplace(std::move(key), width);
    return width;
}

const TPixelSurface::TCoverage& CoverageOf(const TDeviceFont& font, double scale, std::string_view text)
{
    auto& known = Known<TPixelSurface::TCoverage>();
    std::string key = TextKey(font, scale, text);
    const auto found = known.find(key);
    if (found != known.end()) {
        return found->second;
    }
    auto* block = static_cast<std::int32_t*>(bhn_canvas_coverage(font.Height, font.Style.Bits(), font.Escapement,
                                                                  scale, text.data(), static_cast<int>(text.size())));
    TPixelSurface::TCoverage coverage{block[0], block[1], block[2], block[3], {}};
    const auto* alpha = reinterpret_cast<const std::uint8_t*>(block + 4);
    coverage.Alpha.assign(alpha, alpha + static_cast<std::size_t>(coverage.Width) * coverage.Height);
    std::free(block);
    return known.emplace(std::move(key), std::move(coverage)).first->second;
}

// The raster modes that invert what lies below; the others paint the pen's colour.
bool Inverts(TPenMode mode)
{
    return mode == pmNotXor || mode == pmNotCopy || mode == pmXor || mode == pmNot;
}

}  // namespace

TCanvasDevice::TCanvasDevice(int canvasId, int width, int height)
    : canvasId_(canvasId), surface_(width, height, bhn_canvas_scale(canvasId))
{
    SetFont(font_);
}

TCanvasDevice::TCanvasDevice(int width, int height, double scale) : canvasId_(0), surface_(width, height, scale)
{
    SetFont(font_);
}

void TCanvasDevice::Present()
{
    if (canvasId_ != 0 && surface_.TakeChange()) {
        bhn_canvas_present(canvasId_, surface_.Pixels(), surface_.DeviceWidth(), surface_.DeviceHeight());
    }
}

void TCanvasDevice::SetPen(const TDevicePen& pen)
{
    // A clear pen draws nothing; a wide pen is always solid, as on the classic device.
    linePen_ = {TPixelSurface::PixelOf(pen.Color), pen.Style == psClear ? 0 : std::max(pen.Width, 1),
                Inverts(pen.Mode), pen.Width > 1 ? std::span<const int>() : DashPatternOf(pen.Style)};
}

void TCanvasDevice::SetFont(const TDeviceFont& font)
{
    if (font == font_ && cell_ != 0) {
        return;
    }
    font_ = font;
    const int packed = bhn_canvas_metrics(font.Height, font.Style.Bits());
    ascent_ = packed >> 16;
    cell_ = packed & 0xFFFF;
    angle_ = font.Escapement % 3600 == 0 ? 0 : font.Escapement / 10.0 * std::numbers::pi / 180;
}

TSize TCanvasDevice::TextExtent(std::string_view text)
{
    if (text.empty()) {
        return {0, cell_};
    }
    return {WidthOf(font_, text), cell_};
}

void TCanvasDevice::FillTextBand(int x, int y, int u, int v, int width, int height, TColor rgb)
{
    if (angle_ == 0) {
        surface_.Fill({x + u, y + v, x + u + width, y + v + height}, TPixelSurface::PixelOf(rgb));
        return;
    }
    const double c = std::cos(angle_);
    const double s = std::sin(angle_);
    const auto at = [&](int du, int dv) {
        return TPoint{static_cast<int>(std::lround(x + du * c + dv * s)), static_cast<int>(std::lround(y - du * s + dv * c))};
    };
    const TPoint corners[] = {at(u, v), at(u + width, v), at(u + width, v + height), at(u, v + height)};
    spans_.clear();
    PolygonSpans(corners, spans_);
    surface_.FillSpans(spans_, TPixelSurface::PixelOf(rgb), bsSolid);
}

void TCanvasDevice::TextOut(int x, int y, std::string_view text)
{
    if (text.empty()) {
        return;
    }
    const int width = TextExtent(text).Width;
    const unsigned horizontal = textAlign_ & TA_HORIZONTAL_MASK;
    const unsigned vertical = textAlign_ & TA_VERTICAL_MASK;
    const int dx = horizontal == TA_RIGHT ? -width : horizontal == TA_CENTER ? -(width / 2) : 0;
    const int baseline = vertical == TA_BASELINE ? 0 : vertical == TA_BOTTOM ? ascent_ - cell_ : ascent_;
    // As on the classic device, text over a clear brush keeps the background whatever the mode says.
    if (backMode_ == bmOpaque && brush_.Style != bsClear) {
        FillTextBand(x, y, dx, baseline - ascent_, width, cell_, backColor_);
    }
    // The text's frame (u along the text, v across it) turned by the font's angle about (x, y).
    const double c = std::cos(angle_);
    const double s = std::sin(angle_);
    const double scale = surface_.Scale();
    surface_.Blend(CoverageOf(font_, scale, text), static_cast<int>(std::lround((x + dx * c + baseline * s) * scale)),
                   static_cast<int>(std::lround((y - dx * s + baseline * c) * scale)), TPixelSurface::PixelOf(font_.Color));
    const int rule = std::max(1, static_cast<int>(std::lround(cell_ / 13.0)));
    if (font_.Style.Contains(fsUnderline)) {
        FillTextBand(x, y, dx, baseline + 1, width, rule, font_.Color);
    }
    if (font_.Style.Contains(fsStrikeOut)) {
        FillTextBand(x, y, dx, baseline - static_cast<int>(std::lround(ascent_ / 3.0)), width, rule, font_.Color);
    }
}

void TCanvasDevice::LineTo(int x, int y)
{
    surface_.Line(position_, {x, y}, linePen_);
    position_ = {x, y};
}

void TCanvasDevice::Outline(std::span<const TPoint> points, bool closed)
{
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        surface_.Line(points[i], points[i + 1], linePen_);
    }
    if (closed && points.size() > 1) {
        surface_.Line(points.back(), points.front(), linePen_);
    }
}

void TCanvasDevice::FillWithBrush()
{
    surface_.FillSpans(spans_, TPixelSurface::PixelOf(brush_.Color), brush_.Style);
}

void TCanvasDevice::FillRect(const TRect& rect)
{
    if (brush_.Style == bsClear) {
        return;
    }
    if (brush_.Style == bsSolid) {
        surface_.Fill(rect, TPixelSurface::PixelOf(brush_.Color));
        return;
    }
    spans_.clear();
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        spans_.push_back({y, rect.Left, rect.Right});
    }
    FillWithBrush();
}

void TCanvasDevice::Rectangle(const TRect& rect)
{
    FillRect(rect);
    if (rect.IsEmpty()) {
        return;
    }
    const TPoint corners[] = {{rect.Left, rect.Top}, {rect.Right - 1, rect.Top}, {rect.Right - 1, rect.Bottom - 1},
                              {rect.Left, rect.Bottom - 1}};
    Outline(corners, true);
    // A rectangle one pixel wide or high has an outline of no length: its pixel still shows.
    if (rect.Width() == 1 || rect.Height() == 1) {
        surface_.Line({rect.Left, rect.Top}, {rect.Left, rect.Top + 1}, linePen_);
    }
}

void TCanvasDevice::RoundRect(const TRect& rect, int cornerWidth, int cornerHeight)
{
    spans_.clear();
    RoundRectSpans(rect, cornerWidth, cornerHeight, spans_);
    FillWithBrush();
    OutlineSpans();
}

void TCanvasDevice::Ellipse(const TRect& rect)
{
    spans_.clear();
    EllipseSpans(rect, spans_);
    FillWithBrush();
    OutlineSpans();
}

void TCanvasDevice::OutlineSpans()
{
    if (linePen_.Width == 0) {
        return;
    }
    // The whole top and bottom rows, the ends of the rows between.
    for (std::size_t i = 0; i < spans_.size(); ++i) {
        const auto [y, from, to] = spans_[i];
        if (to <= from) {
            continue;
        }
        if (i == 0 || i + 1 == spans_.size()) {
            surface_.Paint({from, y, to, y + 1}, linePen_);
        } else {
            surface_.Paint({from, y, from + 1, y + 1}, linePen_);
            if (to - 1 > from) {
                surface_.Paint({to - 1, y, to, y + 1}, linePen_);
            }
        }
    }
}

void TCanvasDevice::Polygon(std::span<const TPoint> points)
{
    spans_.clear();
    PolygonSpans(points, spans_);
    FillWithBrush();
    Outline(points, true);
}

void TCanvasDevice::Polyline(std::span<const TPoint> points)
{
    Outline(points, false);
}

void TCanvasDevice::SetPixel(int x, int y, TColor rgb)
{
    surface_.Fill({x, y, x + 1, y + 1}, TPixelSurface::PixelOf(rgb));
}

void TCanvasDevice::Arc(const TRect& rect, TPoint start, TPoint end)
{
    Outline(ArcPoints(rect, start, end), false);
}

void TCanvasDevice::Pie(const TRect& rect, TPoint start, TPoint end)
{
    std::vector<TPoint> points = ArcPoints(rect, start, end);
    if (points.empty()) {
        return;
    }
    points.insert(points.begin(), TPoint{(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2});
    Polygon(points);
}

std::unique_ptr<TBitmapDevice> TCanvasDevice::CreateBitmap(int width, int height, TBitmapFormat)
{
    return std::unique_ptr<TBitmapDevice>(new TCanvasDevice(width, height, surface_.Scale()));
}

void TCanvasDevice::CopyBitmap(TBitmapDevice& bitmap, int x, int y)
{
    surface_.Copy(static_cast<TCanvasDevice&>(bitmap).surface_, x, y);
}
