#pragma once

#include <QImage>
#include <QLineF>
#include <QPoint>
#include <QRect>

#include <span>

// Writes one-pixel lines straight into the pixels of a 32-bit image, pixel for pixel as QPainter's
// aliased cosmetic pen draws them, without the paint engine's set-up for every line. A line is
// taken only when it lies wholly inside the clip: QPainter clips longer lines geometrically first,
// which can move their pixels, so those are refused and left to QPainter.
class TThinLineRaster {
public:
    // Pixels of an RGB32/ARGB32 image (null refuses every line), with the clip in image pixels.
    TThinLineRaster(uchar* bits, qsizetype bytesPerLine, const QRect& clip);

    // The pixels QPainter paints for drawLine(line) with a solid cosmetic pen.
    bool Solid(const QLineF& line, QRgb color) const;
    // The pixels of Solid(ThinLineOf(from, to)): from painted, to not; lines towards higher
    // coordinates are walked in whole pixels.
    bool Segment(QPoint from, QPoint to, QRgb color) const;
    // A horizontal or vertical line painted from its start towards its end point, which is not
    // painted; the pixel k steps from the start is painted where the dash pattern (alternating on
    // and off lengths in pixels, starting on) is on at k.
    bool Dashed(QPoint from, QPoint to, std::span<const int> pattern, QRgb color) const;

private:
    bool Inside(qreal x, qreal y) const
    {
        return x >= clip_.left() && x <= clip_.right() && y >= clip_.top() && y <= clip_.bottom();
    }
    void Plot(int x, int y, QRgb color) const
    {
        reinterpret_cast<QRgb*>(bits_ + y * bytesPerLine_)[x] = color;
    }

    uchar* bits_;
    qsizetype bytesPerLine_;
    QRect clip_;
};
