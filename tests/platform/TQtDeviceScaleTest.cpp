// The Qt device on a surface with more than one pixel per logical pixel: the engine's logical
// picture drawn enlarged, pens a whole number of pixels wide.

#include "platform/TQtDevice.h"

#include "chart/canvas/TChartCanvas.h"

#include <gtest/gtest.h>

namespace {

// The painted image pixels of a column between two rows: '#' where the pixel is not white.
std::string ColumnOf(const QImage& image, int x, int top, int bottom)
{
    std::string s;
    for (int y = top; y < bottom; ++y)
        s += image.pixel(x, y) == qRgb(255, 255, 255) ? '.' : '#';
    return s;
}

}  // namespace

TEST(QtDeviceScale, TheLogicalSizeStaysWhileTheImageHasScaleTimesThePixels)
{
    for (const qreal scale : {1.0, 1.5, 2.0}) {
        TQtDevice device(30, 20, bfColor, scale);
        EXPECT_EQ(device.Width(), 30);
        EXPECT_EQ(device.Height(), 20);
        EXPECT_EQ(device.Image().size(), QSize(qCeil(30 * scale), qCeil(20 * scale))) << scale;
        const auto bitmap = device.CreateBitmap(10, 8, bfColor);
        EXPECT_EQ(static_cast<TQtDevice&>(*bitmap).Image().size(), QSize(qCeil(10 * scale), qCeil(8 * scale))) << scale;
    }
}

// At 2 the lines are written straight into the pixels; a clip the line leaves hands it to QPainter.
// At 1.5 QPainter draws them all. Either way a thin line is the pen's whole pixels thick at every
// place, and it covers the image pixels of its own logical pixels.
TEST(QtDeviceScale, ThinLinesAreEquallyThickAtEveryPlace)
{
    struct TCase {
        qreal Scale;
        bool Clipped;
        int Thickness;
    };
    for (const TCase c : {TCase{2.0, false, 2}, TCase{2.0, true, 2}, TCase{1.5, false, 2}, TCase{3.0, false, 3}}) {
        TQtDevice device(40, 40, bfColor, c.Scale);
        TChartCanvas canvas;
        canvas.AttachCanvas(device);
        if (c.Clipped)
            canvas.ClipRectangle(TRect{0, 0, 30, 40});
        for (int y = 2; y < 38; y += 3)
            canvas.Line(5, y, 35, y);
        const QImage& image = device.Image();
        const int x = static_cast<int>(10 * c.Scale);
        for (int y = 2; y < 38; y += 3) {
            const int top = static_cast<int>(std::floor(y * c.Scale)) - 1;
            const std::string column = ColumnOf(image, x, top, static_cast<int>(std::ceil((y + 1) * c.Scale)) + 1);
            EXPECT_EQ(std::count(column.begin(), column.end(), '#'), c.Thickness)
                << "scale " << c.Scale << " clipped " << c.Clipped << " y " << y << ": " << column;
        }
        if (c.Scale == 2.0) {
            // The line at logical row 2 covers image rows 4 and 5, from column 10 to column 69.
            EXPECT_EQ(ColumnOf(image, 20, 3, 7), ".##.");
            EXPECT_NE(image.pixel(10, 4), qRgb(255, 255, 255));
            EXPECT_EQ(image.pixel(9, 4), qRgb(255, 255, 255));
            if (!c.Clipped) {
                EXPECT_NE(image.pixel(69, 5), qRgb(255, 255, 255));
                EXPECT_EQ(image.pixel(70, 5), qRgb(255, 255, 255));
            }
        }
    }
}

TEST(QtDeviceScale, TextIsMeasuredInLogicalPixelsAndRenderedEnlarged)
{
    const auto inkHeight = [](qreal scale, TSize& extent) {
        TQtDevice device(80, 30, bfColor, scale);
        TChartCanvas canvas;
        canvas.AttachCanvas(device);
        canvas.Brush().SetStyle(bsClear);
        extent = device.TextExtent("Hardness");
        canvas.TextOut(2, 2, "Hardness");
        const QImage& image = device.Image();
        int top = image.height();
        int bottom = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                    top = std::min(top, y);
                    bottom = y;
                }
        return bottom - top + 1;
    };
    TSize single{};
    TSize twice{};
    const int singleInk = inkHeight(1.0, single);
    const int twiceInk = inkHeight(2.0, twice);
    EXPECT_EQ(twice.Width, single.Width);
    EXPECT_EQ(twice.Height, single.Height);
    EXPECT_GE(twiceInk, 2 * singleInk - 2);
    EXPECT_LE(twiceInk, 2 * singleInk + 2);
}
