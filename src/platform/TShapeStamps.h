#pragma once

#include "chart/ChartApi.h"

#include <QBrush>
#include <QImage>
#include <QPen>
#include <QPoint>
#include <QRect>

#include <span>
#include <vector>

// Small shapes drawn again and again in the same pen and brush, such as series markers: the pixels
// QPainter paints for a polygon are learnt once on a scratch image and then written straight into
// the target at every place the same shape comes back. Aliased painting in solid colours paints
// whole pixels and moves with the shape, so the pixels are the same. On an image with a whole number
// of pixels per logical pixel the shape is learnt enlarged, its outline through the middle of its
// logical pixels, as the Qt device draws it there.
class BHN_CHART_API TShapeStamps {
public:
    // Paints the polygon (odd-even fill, points in logical pixels) into the 32-bit pixels when it lies
    // wholly inside the clip (in image pixels); false leaves it to QPainter.
    bool Polygon(std::span<const QPoint> points, const QPen& pen, const QBrush& brush, int scale, uchar* bits,
        qsizetype bytesPerLine, const QRect& clip);

private:
    struct TPixel {
        QPoint Offset;
        QRgb Color;
    };
    struct TStamp {
        std::vector<QPoint> Shape;
        QPen Pen;
        QBrush Brush;
        int Scale;
        QRect Reach;
        std::vector<TPixel> Pixels;
    };
    static TStamp Learn(std::span<const QPoint> points, const QPen& pen, const QBrush& brush, int scale);

    std::vector<TStamp> stamps_;
};
