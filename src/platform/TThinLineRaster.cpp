#include "platform/TThinLineRaster.h"

#include "platform/QtDeviceMapping.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// QPainter's line rasteriser works in 26.6 fixed point, truncating, and steps in 16.16.
int ToFixed26(qreal v)
{
    return static_cast<int>(v * 64.0);
}

int FixedDivide(int a, int b)
{
    if (std::abs(a) < 0x7fff)
        return (a * (1 << 16)) / b;
    return static_cast<int>((static_cast<long long>(a) * (1 << 16)) / b);
}

// Walks the main axis over the pixels [round(m1), round(m2)) in either direction, stepping the
// other axis in 16.16 from its value at the first pixel's centre.
template <typename Plot>
void Walk(int m1, int n1, int m2, int n2, Plot plot)
{
    if (m1 > m2) {
        std::swap(m1, m2);
        std::swap(n1, n2);
    }
    // Most lines of a dense series are one pixel long or axis-parallel: their steps need no division.
    const int along = m2 - m1;
    const int across = n2 - n1;
    const int step = across == 0 ? 0 : (along == 64 ? across * 1024 : FixedDivide(across, along));
    const int first = (m1 + 32) >> 6;
    const int end = (m2 + 32) >> 6;
    int n = n1 * (1 << 10) + ((first * 64 + (step > 0 ? 32 : 0) - m1) * step >> 6);
    for (int m = first; m < end; ++m, n += step)
        plot(m, n >> 16);
}

// Coordinates beyond this would overflow the 16.16 arithmetic.
constexpr int MaxExtent = 1 << 14;

}

TThinLineRaster::TThinLineRaster(uchar* bits, qsizetype bytesPerLine, const QRect& clip)
    : bits_(bits), bytesPerLine_(bytesPerLine), clip_(clip)
{
    if (clip_.right() >= MaxExtent || clip_.bottom() >= MaxExtent || clip_.left() < 0 || clip_.top() < 0)
        bits_ = nullptr;
}

bool TThinLineRaster::Solid(const QLineF& line, QRgb color) const
{
    if (bits_ == nullptr || !Inside(line.x1(), line.y1()) || !Inside(line.x2(), line.y2()))
        return false;
    const int x1 = ToFixed26(line.x1());
    const int y1 = ToFixed26(line.y1());
    const int x2 = ToFixed26(line.x2());
    const int y2 = ToFixed26(line.y2());
    if (line.p1() == line.p2()) {
        // A line without length is painted as its point.
        Plot(x1 >> 6, y1 >> 6, color);
        return true;
    }
    // One pixel per step of the main axis, the other axis sampled at pixel centres.
    if (std::abs(x2 - x1) < std::abs(y2 - y1))
        Walk(y1, x1, y2, x2, [&](int y, int x) { Plot(x, y, color); });
    else
        Walk(x1, y1, x2, y2, [&](int x, int y) { Plot(x, y, color); });
    return true;
}

bool TThinLineRaster::Segment(QPoint from, QPoint to, QRgb color) const
{
    const QPoint delta = to - from;
    const bool steep = std::abs(delta.x()) < std::abs(delta.y());
    if ((steep ? delta.y() : delta.x()) < 0) {
        if ((steep ? delta.x() : delta.y()) != 0)
            return Solid(ThinLineOf(from, to), color);
        // An axis-parallel line slides back by a whole pixel.
        const QPoint back = steep ? QPoint(0, 1) : QPoint(1, 0);
        from += back;
        to += back;
    }
    if (bits_ == nullptr || !Inside(from.x(), from.y()) || !Inside(to.x(), to.y()))
        return false;
    if (from == to)
        Plot(from.x(), from.y(), color);
    else if (steep)
        Walk(from.y() * 64, from.x() * 64, to.y() * 64, to.x() * 64, [&](int y, int x) { Plot(x, y, color); });
    else
        Walk(from.x() * 64, from.y() * 64, to.x() * 64, to.y() * 64, [&](int x, int y) { Plot(x, y, color); });
    return true;
}

bool TThinLineRaster::Dashed(QPoint from, QPoint to, std::span<const int> pattern, QRgb color) const
{
    if (bits_ == nullptr || from == to || (from.x() != to.x() && from.y() != to.y()) || !Inside(from.x(), from.y())
        || !Inside(to.x(), to.y()) || pattern.empty() || std::any_of(pattern.begin(), pattern.end(), [](int n) { return n <= 0; }))
        return false;
    const QPoint delta = to - from;
    const int length = std::abs(delta.x() + delta.y());
    // Pixels are one step apart along the line: one row or one column.
    const qsizetype step = (delta.x() != 0 ? 1 : bytesPerLine_ / qsizetype(sizeof(QRgb))) * (delta.x() + delta.y() > 0 ? 1 : -1);
    QRgb* const start = reinterpret_cast<QRgb*>(bits_ + from.y() * bytesPerLine_) + from.x();
    int k = 0;
    for (std::size_t dash = 0; k < length; dash = dash + 1 == pattern.size() ? 0 : dash + 1) {
        const int end = std::min(length, k + pattern[dash]);
        if (dash % 2 == 0)
            for (int i = k; i < end; ++i)
                start[i * step] = color;
        k = end;
    }
    return true;
}
