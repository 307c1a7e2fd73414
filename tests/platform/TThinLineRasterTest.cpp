#include "platform/TThinLineRaster.h"

#include "platform/QtDeviceMapping.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

const QRgb Ink = qRgb(10, 120, 230);

// Each line is drawn twice on white images: once by the raster (QPainter takes what it refuses) and
// once by QPainter alone, with the same pen and clip; the pixels must be the same.
class ThinLineRaster : public ::testing::Test {
protected:
    void SetUp() override { SetSize(40, 40); }

    void SetSize(int width, int height)
    {
        ours = QImage(width, height, QImage::Format_RGB32);
        theirs = QImage(width, height, QImage::Format_RGB32);
    }

    QPen PenOf(TPenStyle style) const
    {
        return MakePen(TDevicePen{RGBColor(10, 120, 230), style, 1, pmCopy});
    }

    void Paint(QImage& image, const QPen& pen, const QLineF& line) const
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        if (clip)
            painter.setClipRect(*clip);
        painter.setPen(pen);
        painter.drawLine(line);
    }

    TThinLineRaster Raster()
    {
        return TThinLineRaster(ours.bits(), ours.bytesPerLine(), clip.value_or(ours.rect()));
    }

    // Draws a solid line both ways; true when the raster took it.
    bool CompareSolid(const QLineF& line) { return Compare(line, [&] { return Raster().Solid(line, Ink); }); }
    // The device's line from one point to another, with the raster's own walk.
    bool CompareSegment(QPoint from, QPoint to)
    {
        return Compare(ThinLineOf(from, to), [&] { return Raster().Segment(from, to, Ink); });
    }

    template <typename Draw>
    bool Compare(const QLineF& line, Draw draw)
    {
        ours.fill(Qt::white);
        theirs.fill(Qt::white);
        const bool taken = draw();
        if (!taken)
            Paint(ours, PenOf(psSolid), line);
        Paint(theirs, PenOf(psSolid), line);
        EXPECT_EQ(ours, theirs) << "line " << line.x1() << "," << line.y1() << " -> " << line.x2() << "," << line.y2();
        return taken;
    }

    bool CompareDashed(TPenStyle style, QPoint from, QPoint to)
    {
        ours.fill(Qt::white);
        theirs.fill(Qt::white);
        const QLineF thin = ThinLineOf(from, to);
        const bool taken = Raster().Dashed(from, to, DashPatternOf(style), Ink);
        if (!taken)
            Paint(ours, PenOf(style), thin);
        Paint(theirs, PenOf(style), thin);
        EXPECT_EQ(ours, theirs) << "style " << int(style) << " line " << from.x() << "," << from.y() << " -> " << to.x() << "," << to.y();
        return taken;
    }

    QImage ours;
    QImage theirs;
    std::optional<QRect> clip;
};

}

TEST_F(ThinLineRaster, EveryLineBetweenGridPointsMatchesQPainterInBothDirections)
{
    // All pairs of points of a 12 x 12 grid: every octant, every short slope, zero lengths, and the
    // slid lines the device draws for lines running towards lower coordinates.
    int taken = 0;
    for (int a = 0; a < 144; ++a)
        for (int b = 0; b < 144; ++b) {
            const QPoint from(4 + (a % 12) * 3, 4 + a / 12 * 2);
            const QPoint to(4 + (b % 12) * 2, 4 + b / 12 * 3);
            taken += CompareSolid(ThinLineOf(from, to));
            taken += CompareSegment(from, to);
            if (HasFailure())
                return;
        }
    EXPECT_EQ(taken, 2 * 144 * 144);
}

TEST_F(ThinLineRaster, LongRandomLinesMatchQPainter)
{
    SetSize(700, 450);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(1, 698);
    std::uniform_int_distribution<int> y(1, 448);
    for (int i = 0; i < 400 && !HasFailure(); ++i)
        EXPECT_TRUE(CompareSolid(ThinLineOf(QPoint(x(random), y(random)), QPoint(x(random), y(random)))));
}

TEST_F(ThinLineRaster, LinesReachingOutsideTheClipAreLeftToQPainter)
{
    SetSize(60, 60);
    clip = QRect(10, 12, 30, 25);
    std::mt19937 random(11);
    std::uniform_int_distribution<int> c(0, 59);
    int taken = 0;
    int refused = 0;
    for (int i = 0; i < 3000 && !HasFailure(); ++i) {
        const QPoint from(c(random), c(random));
        const QPoint to(c(random), c(random));
        const QLineF line = ThinLineOf(from, to);
        const bool inside = clip->contains(line.p1().toPoint()) && clip->contains(line.p2().toPoint());
        const bool wasTaken = CompareSolid(line);
        EXPECT_TRUE(!wasTaken || inside);
        EXPECT_EQ(CompareSegment(from, to), wasTaken);
        (wasTaken ? taken : refused) += 1;
    }
    // Lines along the clip's edges, inside it.
    for (const QLineF& line : {QLineF(10, 12, 39, 12), QLineF(39, 36, 10, 36), QLineF(10, 36, 39, 12), QLineF(39, 12, 39, 36)})
        EXPECT_TRUE(CompareSolid(line));
    EXPECT_GT(taken, 0);
    EXPECT_GT(refused, 0);
}

TEST_F(ThinLineRaster, DashedLinesMatchQPainterInEveryDirectionAndPhase)
{
    SetSize(80, 80);
    for (TPenStyle style : {psDash, psDot, psDashDot, psDashDotDot, psAlternate})
        for (int from = 3; from < 12; ++from)
            for (int to = 2; to < 78 && !HasFailure(); to += 5) {
                if (to == from)
                    continue;
                EXPECT_TRUE(CompareDashed(style, QPoint(from, 40), QPoint(to, 40)));
                EXPECT_TRUE(CompareDashed(style, QPoint(to, 41), QPoint(from, 41)));
                EXPECT_TRUE(CompareDashed(style, QPoint(40, from), QPoint(40, to)));
                EXPECT_TRUE(CompareDashed(style, QPoint(41, to), QPoint(41, from)));
            }
}

TEST_F(ThinLineRaster, DashedLinesThatAreSlantedEmptyOrClippedAreRefused)
{
    clip = QRect(5, 5, 20, 20);
    EXPECT_FALSE(CompareDashed(psDot, QPoint(6, 6), QPoint(20, 9)));
    EXPECT_FALSE(CompareDashed(psDot, QPoint(6, 6), QPoint(6, 6)));
    EXPECT_FALSE(CompareDashed(psDot, QPoint(2, 10), QPoint(20, 10)));
    EXPECT_FALSE(CompareDashed(psDot, QPoint(10, 10), QPoint(10, 30)));
    EXPECT_TRUE(CompareDashed(psDot, QPoint(5, 24), QPoint(24, 24)));
}

TEST_F(ThinLineRaster, WithoutPixelsEveryLineIsRefused)
{
    const TThinLineRaster none(nullptr, 0, QRect(0, 0, 40, 40));
    EXPECT_FALSE(none.Solid(QLineF(1, 1, 20, 5), Ink));
    EXPECT_FALSE(none.Segment(QPoint(1, 1), QPoint(20, 5), Ink));
    EXPECT_FALSE(none.Segment(QPoint(20, 5), QPoint(1, 1), Ink));
    EXPECT_FALSE(none.Dashed(QPoint(1, 1), QPoint(20, 1), DashPatternOf(psDot), Ink));
}
