#include "platform/TShapeStamps.h"

#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace {

// Only small shapes are learnt, and only so many of them.
constexpr int MaxPoints = 32;
constexpr int MaxReach = 64;
constexpr std::size_t MaxStamps = 64;

bool Stampable(const QPen& pen, const QBrush& brush)
{
    const bool solidBrush = brush.style() == Qt::SolidPattern || brush.style() == Qt::NoBrush;
    // Wide pens are stroked as filled outlines whose pixels can shift with the place; thin ones move whole.
    const bool solidPen = pen.style() == Qt::NoPen || (pen.isCosmetic() && pen.brush().style() == Qt::SolidPattern);
    return solidBrush && solidPen && brush.color().alpha() == 255 && pen.color().alpha() == 255;
}

}

TShapeStamps::TStamp TShapeStamps::Learn(std::span<const QPoint> points, const QPen& pen, const QBrush& brush, int scale)
{
    TStamp stamp{std::vector<QPoint>(points.begin(), points.end()), pen, brush, scale, QRect(), {}};
    const QRect shape = QPolygon(QList<QPoint>(points.begin(), points.end())).boundingRect();
    QRect bounds(shape.topLeft() * scale, shape.size() * scale);
    // The last pixel of an edge may reach past the points.
    const int margin = 2 * scale;
    bounds.adjust(-margin, -margin, margin, margin);
    // The scratch image starts transparent: every pixel the shape paints becomes opaque.
    QImage scratch(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    {
        QPainter painter(&scratch);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(-bounds.topLeft());
        if (scale > 1) {
            painter.scale(scale, scale);
            painter.translate(0.5, 0.5);
        }
        painter.setPen(pen);
        painter.setBrush(brush);
        painter.drawPolygon(stamp.Shape.data(), static_cast<int>(stamp.Shape.size()), Qt::OddEvenFill);
    }
    const QPoint origin = points.front() * scale;
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x)
            if (qAlpha(row[x]) != 0)
                stamp.Pixels.push_back(TPixel{bounds.topLeft() + QPoint(x, y) - origin, row[x]});
    }
    stamp.Reach = bounds.translated(-origin);
    return stamp;
}

bool TShapeStamps::Polygon(std::span<const QPoint> points, const QPen& pen, const QBrush& brush, int scale, uchar* bits,
    qsizetype bytesPerLine, const QRect& clip)
{
    if (bits == nullptr || scale < 1 || points.empty() || points.size() > MaxPoints || !Stampable(pen, brush))
        return false;
    const QPoint origin = points.front();
    const auto same = [&](const TStamp& s) {
        return s.Pen == pen && s.Brush == brush && s.Scale == scale && s.Shape.size() == points.size()
            && std::equal(points.begin(), points.end(), s.Shape.begin(), [&](QPoint a, QPoint b) { return a - origin == b - s.Shape.front(); });
    };
    auto found = std::find_if(stamps_.begin(), stamps_.end(), same);
    if (found == stamps_.end()) {
        const QRect bounds = QPolygon(QList<QPoint>(points.begin(), points.end())).boundingRect();
        if (bounds.width() > MaxReach || bounds.height() > MaxReach)
            return false;
        if (stamps_.size() >= MaxStamps)
            stamps_.clear();
        stamps_.push_back(Learn(points, pen, brush, scale));
        found = stamps_.end() - 1;
    }
    // QPainter clips shapes that leave the clip geometrically, so only shapes wholly inside are stamped.
    const QPoint place = origin * scale;
    if (!clip.contains(found->Reach.translated(place)))
        return false;
    for (const TPixel& pixel : found->Pixels) {
        const QPoint at = place + pixel.Offset;
        reinterpret_cast<QRgb*>(bits + at.y() * bytesPerLine)[at.x()] = pixel.Color;
    }
    return true;
}
