#include "platform/TPixelBlock.h"

#include <gtest/gtest.h>

#include <QImage>

TEST(PixelBlock, PlainColourNeedsEveryPixelOfTheRectangleAlike)
{
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(qRgb(1, 2, 3));
    image.setPixel(19, 9, qRgb(9, 9, 9));
    const QRect inside(2, 1, 12, 6);
    const auto plain = [&](const QRect& rect) { return TPixelBlock::PlainColour(image.constBits(), image.bytesPerLine(), rect); };
    EXPECT_EQ(plain(inside), qRgb(1, 2, 3));
    EXPECT_EQ(plain(QRect(0, 0, 20, 10)), std::nullopt);
    EXPECT_EQ(plain(QRect()), std::nullopt);
    for (const QPoint odd : {QPoint(2, 1), QPoint(13, 1), QPoint(7, 4), QPoint(2, 6), QPoint(13, 6)}) {
        image.setPixel(odd, qRgb(1, 2, 4));
        EXPECT_EQ(plain(inside), std::nullopt) << odd.x() << "," << odd.y();
        image.setPixel(odd, qRgb(1, 2, 3));
    }
}

TEST(PixelBlock, CapturedPixelsArePastedAtAnotherPlace)
{
    QImage image(20, 10, QImage::Format_RGB32);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x)
            image.setPixel(x, y, qRgb(x, y, 0));
    const TPixelBlock block = TPixelBlock::Capture(image.constBits(), image.bytesPerLine(), QRect(1, 2, 3, 4));
    EXPECT_EQ(block.PixelCount(), 12u);
    block.Paste(image.bits(), image.bytesPerLine(), QPoint(10, 5));
    EXPECT_EQ(image.copy(10, 5, 3, 4), image.copy(1, 2, 3, 4));
    EXPECT_EQ(image.pixel(13, 5), qRgb(13, 5, 0));
    EXPECT_EQ(image.pixel(9, 5), qRgb(9, 5, 0));
}
