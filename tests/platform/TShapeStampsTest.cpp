#include "platform/TShapeStamps.h"

#include "platform/QtDeviceMapping.h"

#include <gtest/gtest.h>

#include <QPainter>

#include <vector>

namespace {

struct TShapeCase {
    const char* Name;
    std::vector<QPoint> Shape;
};

// The shapes markers and small symbols are drawn with, and a self-crossing one.
const TShapeCase Shapes[] = {
    {"diamond", {{0, -4}, {4, 0}, {0, 4}, {-4, 0}}},
    {"small diamond", {{0, -1}, {1, 0}, {0, 1}, {-1, 0}}},
    {"triangle", {{-4, 4}, {0, -4}, {4, 4}}},
    {"flat triangle", {{-7, 2}, {6, 0}, {-7, -1}}},
    {"star", {{0, -6}, {2, 5}, {-5, -2}, {5, -2}, {-2, 5}}},
    {"square", {{-3, -3}, {3, -3}, {3, 3}, {-3, 3}}},
};

// The shape as the Qt device's painter draws it at scale image pixels per logical pixel.
QImage Painted(const std::vector<QPoint>& points, const QPen& pen, const QBrush& brush, const QRect& clip, int scale)
{
    QImage image(40 * scale, 40 * scale, QImage::Format_RGB32);
    image.fill(qRgb(200, 210, 220));
    QPainter painter(&image);
    if (scale > 1) {
        painter.scale(scale, scale);
        painter.translate(0.5, 0.5);
    }
    painter.setClipRect(clip);
    painter.setPen(pen);
    painter.setBrush(brush);
    painter.drawPolygon(points.data(), static_cast<int>(points.size()), Qt::OddEvenFill);
    return image;
}

}

// Each shape is stamped at several places, with thin and dashed pens, filled and hollow, on plain
// and enlarged images; the second place onwards uses the learnt pixels. QPainter draws the same on its own.
TEST(ShapeStamps, StampedShapesMatchQPainterAtEveryPlace)
{
    const QBrush brushes[] = {QBrush(QColor(0, 128, 0)), QBrush(Qt::NoBrush)};
    const QRect clip(0, 0, 40, 40);
    for (const int scale : {1, 2})
        for (const TShapeCase& shape : Shapes)
            for (const QPen& pen : {MakePen(TDevicePen{clBlack, psSolid, 1, pmCopy}, scale),
                     MakePen(TDevicePen{clRed, psDot, 1, pmCopy}, scale), QPen(Qt::NoPen)})
                for (const QBrush& brush : brushes) {
                    TShapeStamps stamps;
                    for (const QPoint place : {QPoint(13, 13), QPoint(22, 15), QPoint(16, 26)}) {
                        std::vector<QPoint> points;
                        for (const QPoint p : shape.Shape)
                            points.push_back(p + place);
                        QImage image(40 * scale, 40 * scale, QImage::Format_RGB32);
                        image.fill(qRgb(200, 210, 220));
                        ASSERT_TRUE(stamps.Polygon(points, pen, brush, scale, image.bits(), image.bytesPerLine(),
                            QRect(clip.topLeft() * scale, clip.size() * scale)))
                            << shape.Name;
                        EXPECT_EQ(image, Painted(points, pen, brush, clip, scale))
                            << shape.Name << " pen " << int(pen.style()) << " brush " << int(brush.style()) << " at "
                            << place.x() << "," << place.y() << " scale " << scale;
                    }
                }
}

TEST(ShapeStamps, ShapesLeavingTheClipOrWithPatternsOrWidePensAreLeftToQPainter)
{
    TShapeStamps stamps;
    QImage image(40, 40, QImage::Format_RGB32);
    const QPen pen = MakePen(TDevicePen{clBlack, psSolid, 1, pmCopy});
    const std::vector<QPoint> diamond{{10, 6}, {14, 10}, {10, 14}, {6, 10}};
    EXPECT_FALSE(stamps.Polygon(diamond, pen, QBrush(Qt::red), 1, image.bits(), image.bytesPerLine(), QRect(8, 0, 32, 40)));
    EXPECT_FALSE(stamps.Polygon(diamond, pen, QBrush(Qt::red, Qt::DiagCrossPattern), 1, image.bits(), image.bytesPerLine(), QRect(0, 0, 40, 40)));
    EXPECT_FALSE(stamps.Polygon(diamond, pen, QBrush(Qt::red), 1, nullptr, 0, QRect(0, 0, 40, 40)));
    EXPECT_FALSE(stamps.Polygon(diamond, MakePen(TDevicePen{clBlue, psSolid, 3, pmCopy}), QBrush(Qt::red), 1, image.bits(),
        image.bytesPerLine(), QRect(0, 0, 40, 40)));
    const std::vector<QPoint> large{{0, 0}, {100, 0}, {100, 100}};
    EXPECT_FALSE(stamps.Polygon(large, pen, QBrush(Qt::red), 1, image.bits(), image.bytesPerLine(), QRect(0, 0, 40, 40)));
    EXPECT_TRUE(stamps.Polygon(diamond, pen, QBrush(Qt::red), 1, image.bits(), image.bytesPerLine(), QRect(0, 0, 40, 40)));
}
