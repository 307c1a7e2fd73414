#include "web/pixels/TPixelSurface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <utility>

namespace {

constexpr std::uint32_t InvertBits = 0xFFFFFFu;

std::vector<int> Edges(int count, double scale, int limit)
{
    std::vector<int> edges(static_cast<std::size_t>(count) + 1);
    for (int i = 0; i <= count; ++i) {
        edges[i] = std::min(limit, static_cast<int>(std::lround(i * scale)));
    }
    return edges;
}

// A hatched brush's pixels: true where its pattern paints, in surface coordinates.
bool Hatched(TBrushStyle style, int x, int y)
{
    const bool level = y % 8 == 7;
    const bool upright = x % 8 == 7;
    const bool falling = (x + y) % 8 == 7;
    const bool rising = (x - y + 64) % 8 == 0;
    switch (style) {
    case bsHorizontal: return level;
    case bsVertical: return upright;
    case bsFDiagonal: return falling;
    case bsBDiagonal: return rising;
    case bsCross: return level || upright;
    case bsDiagCross: return falling || rising;
    default: return true;
    }
}

// One colour channel of below * (255 - a) + over * a, divided by 255 and rounded.
std::uint32_t Mix(std::uint32_t below, std::uint32_t over, std::uint32_t a)
{
    const std::uint32_t t = below * (255 - a) + over * a + 128;
    return (t + (t >> 8)) >> 8;
}

}  // namespace

TPixelSurface::TPixelSurface(int width, int height, double scale)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), scale_(scale),
      deviceWidth_(static_cast<int>(std::lround(width_ * scale))),
      deviceHeight_(static_cast<int>(std::lround(height_ * scale))), columns_(Edges(width_, scale, deviceWidth_)),
      rows_(Edges(height_, scale, deviceHeight_)),
      // An opaque canvas starts black.
      pixels_(static_cast<std::size_t>(deviceWidth_) * deviceHeight_, PixelOf(clBlack)), clip_{0, 0, width_, height_}
{
}

TColor TPixelSurface::At(int deviceX, int deviceY) const
{
    return pixels_[static_cast<std::size_t>(deviceY) * deviceWidth_ + deviceX] & 0xFFFFFFu;
}

bool TPixelSurface::TakeChange()
{
    return std::exchange(changed_, false);
}

void TPixelSurface::ClipRect(const TRect& rect)
{
    clip_ = Intersection(rect, TRect{0, 0, width_, height_}).value_or(TRect{});
}

void TPixelSurface::UnClip()
{
    clip_ = {0, 0, width_, height_};
}

TRect TPixelSurface::DeviceClip() const
{
    return {columns_[clip_.Left], rows_[clip_.Top], columns_[clip_.Right], rows_[clip_.Bottom]};
}

void TPixelSurface::Fill(const TRect& rect, std::uint32_t pixel)
{
    const auto inside = Intersection(rect, clip_);
    if (!inside) {
        return;
    }
    const int x0 = columns_[inside->Left];
    const int x1 = columns_[inside->Right];
    const int y0 = rows_[inside->Top];
    const int y1 = rows_[inside->Bottom];
    // Below scale 1 a logical pixel may cover no device pixel at all.
    if (x1 == x0 || y1 == y0) {
        return;
    }
    const std::size_t width = static_cast<std::size_t>(x1 - x0);
    std::uint32_t* first = pixels_.data() + static_cast<std::size_t>(y0) * deviceWidth_ + x0;
    std::fill(first, first + width, pixel);
    changed_ = true;
    // Further rows are copies of the first: block copies are much quicker than filling pixel by pixel where
    // WebAssembly fills one pixel a store. Whole rows are one run, copied from what is done, doubling.
    const std::size_t rows = static_cast<std::size_t>(y1 - y0);
    if (width == static_cast<std::size_t>(deviceWidth_)) {
        for (std::size_t done = width; done < width * rows;) {
            const std::size_t more = std::min(done, width * rows - done);
            std::memcpy(first + done, first, more * sizeof *first);
            done += more;
        }
        return;
    }
    for (std::size_t y = 1; y < rows; ++y) {
        std::memcpy(first + y * deviceWidth_, first, width * sizeof *first);
    }
}

void TPixelSurface::Invert(const TRect& rect)
{
    const auto inside = Intersection(rect, clip_);
    if (!inside) {
        return;
    }
    const int x0 = columns_[inside->Left];
    const int x1 = columns_[inside->Right];
    std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(rows_[inside->Top]) * deviceWidth_;
    for (int y = rows_[inside->Top]; y < rows_[inside->Bottom]; ++y, row += deviceWidth_) {
        for (int x = x0; x < x1; ++x) {
            row[x] ^= InvertBits;
        }
    }
    changed_ = true;
}

void TPixelSurface::Paint(const TRect& rect, const TLinePen& pen)
{
    if (pen.Invert) {
        Invert(rect);
    } else {
        Fill(rect, pen.Pixel);
    }
}

void TPixelSurface::Plot(int x, int y, const TLinePen& pen)
{
    if (pen.Width == 1 && scale_ == 1 && !pen.Invert) {
        // One device pixel a logical pixel: the commonest case by far, written directly.
        if (clip_.Contains({x, y})) {
            pixels_[static_cast<std::size_t>(y) * deviceWidth_ + x] = pen.Pixel;
            changed_ = true;
        }
        return;
    }
    const int offset = pen.Width > 1 ? pen.Width / 2 : 0;
    Paint({x - offset, y - offset, x - offset + pen.Width, y - offset + pen.Width}, pen);
}

void TPixelSurface::Line(TPoint from, TPoint to, const TLinePen& pen)
{
    if (pen.Width <= 0 || from == to) {
        return;
    }
    const int dx = std::abs(to.X - from.X);
    const int dy = std::abs(to.Y - from.Y);
    const int sx = from.X < to.X ? 1 : -1;
    const int sy = from.Y < to.Y ? 1 : -1;
    const int steps = std::max(dx, dy);
    // The dash pattern restarts with every line, as on the desktop device.
    const int period = std::accumulate(pen.Dashes.begin(), pen.Dashes.end(), 0);
    if ((dx == 0 || dy == 0) && !pen.Invert) {
        // A level or upright line: each dash (or the whole solid line) is one rectangle, the squares of its first
        // to its last pixel.
        const int offset = pen.Width > 1 ? pen.Width / 2 : 0;
        const auto run = [&](int first, int end) {
            const TPoint a{from.X + sx * (dy == 0 ? first : 0), from.Y + sy * (dx == 0 ? first : 0)};
            const TPoint b{from.X + sx * (dy == 0 ? end - 1 : 0), from.Y + sy * (dx == 0 ? end - 1 : 0)};
            Fill({std::min(a.X, b.X) - offset, std::min(a.Y, b.Y) - offset, std::max(a.X, b.X) - offset + pen.Width,
                  std::max(a.Y, b.Y) - offset + pen.Width},
                 pen.Pixel);
        };
        if (period == 0) {
            run(0, steps);
            return;
        }
        for (int k = 0, dash = 0; k < steps; k += pen.Dashes[dash], dash = (dash + 1) % static_cast<int>(pen.Dashes.size())) {
            if (dash % 2 == 0 && pen.Dashes[dash] > 0) {
                run(k, std::min(steps, k + pen.Dashes[dash]));
            }
        }
        return;
    }
    std::size_t dash = 0;
    int left = period == 0 ? 0 : pen.Dashes[0];
    const auto nextDash = [&] {
        do {
            dash = (dash + 1) % pen.Dashes.size();
            left = pen.Dashes[dash];
        } while (left <= 0);
    };
    if (period > 0 && left <= 0) {
        nextDash();
    }
    int x = from.X;
    int y = from.Y;
    int err = dx - dy;
    for (int k = 0; k < steps; ++k) {
        if (period == 0 || dash % 2 == 0) {
            Plot(x, y, pen);
        }
        if (period > 0 && --left == 0) {
            nextDash();
        }
        const int twice = 2 * err;
        if (twice > -dy) {
            err -= dy;
            x += sx;
        }
        if (twice < dx) {
            err += dx;
            y += sy;
        }
    }
}

void TPixelSurface::FillSpans(std::span<const TSpan> spans, std::uint32_t pixel, TBrushStyle style)
{
    if (style == bsClear) {
        return;
    }
    for (const TSpan& span : spans) {
        if (style == bsSolid) {
            Fill({span.From, span.Y, span.To, span.Y + 1}, pixel);
            continue;
        }
        for (int x = span.From; x < span.To; ++x) {
            if (Hatched(style, x, span.Y)) {
                Fill({x, span.Y, x + 1, span.Y + 1}, pixel);
            }
        }
    }
}

void TPixelSurface::Blend(const TCoverage& coverage, int deviceX, int deviceY, std::uint32_t pixel)
{
    const TRect clip = DeviceClip();
    const int left = deviceX + coverage.X;
    const int top = deviceY + coverage.Y;
    const int x0 = std::max(left, clip.Left);
    const int x1 = std::min(left + coverage.Width, clip.Right);
    const int y0 = std::max(top, clip.Top);
    const int y1 = std::min(top + coverage.Height, clip.Bottom);
    for (int y = y0; y < y1; ++y) {
        const std::uint8_t* alpha = coverage.Alpha.data() + static_cast<std::size_t>(y - top) * coverage.Width - left;
        std::uint32_t* row = pixels_.data() + static_cast<std::size_t>(y) * deviceWidth_;
        for (int x = x0; x < x1; ++x) {
            const std::uint32_t a = alpha[x];
            if (a == 255) {
                row[x] = pixel;
            } else if (a != 0) {
                const std::uint32_t below = row[x];
                row[x] = 0xFF000000u | (Mix((below >> 16) & 0xFF, (pixel >> 16) & 0xFF, a) << 16)
                         | (Mix((below >> 8) & 0xFF, (pixel >> 8) & 0xFF, a) << 8) | Mix(below & 0xFF, pixel & 0xFF, a);
            }
        }
    }
    changed_ = true;
}

void TPixelSurface::Copy(const TPixelSurface& from, int x, int y)
{
    const TRect clip = DeviceClip();
    const int left = static_cast<int>(std::lround(x * scale_));
    const int top = static_cast<int>(std::lround(y * scale_));
    const int x0 = std::max(left, clip.Left);
    const int x1 = std::min(left + from.deviceWidth_, clip.Right);
    const int y0 = std::max(top, clip.Top);
    const int y1 = std::min(top + from.deviceHeight_, clip.Bottom);
    if (x0 >= x1) {
        return;
    }
    for (int row = y0; row < y1; ++row) {
        const std::uint32_t* source = from.pixels_.data() + static_cast<std::size_t>(row - top) * from.deviceWidth_ + (x0 - left);
        std::copy(source, source + (x1 - x0), pixels_.data() + static_cast<std::size_t>(row) * deviceWidth_ + x0);
    }
    changed_ = true;
}
