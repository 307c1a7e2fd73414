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

// Level and upright lines, filled polygons and outlined rectangles, many crossing the clip's edges.
void DrawLevelShapes(TQtDevice& device)
{
    TChartCanvas canvas;
    canvas.AttachCanvas(device);
    canvas.ClipRectangle(TRect{6, 5, 71, 52});
    canvas.Pen().SetColor(clRed);
    for (int i = 0; i < 8; ++i) {
        canvas.Line(3 + 10 * i, 1, 3 + 10 * i, 58 - 3 * i);
        canvas.Line(78 - 2 * i, 2 + 7 * i, 1, 2 + 7 * i);
    }
    // Short lines left of and above the clip, near its corner, are clipped away whole.
    canvas.Line(3, 8, 3, 25);
    canvas.Line(9, 3, 34, 3);
    canvas.Pen().SetColor(clBlue);
    canvas.Brush().SetColor(clLime);
    for (int i = 0; i < 4; ++i) {
        const TPoint step[] = {{8 + 18 * i, 20}, {24 + 18 * i, 20}, {24 + 18 * i, 56}, {16 + 18 * i, 56}, {16 + 18 * i, 30},
            {8 + 18 * i, 30}};
        canvas.Polygon(step);
        canvas.Rectangle(4 + 19 * i, 40, 18 + 19 * i, 49);
    }
}

}  // namespace

// A side that ends inside an image pixel gets that pixel whole: at 1.5, 31 logical pixels are 47 image pixels.
TEST(QtDeviceScale, TheLogicalSizeStaysWhileTheImageHasScaleTimesThePixels)
{
    struct TCase {
        qreal Scale;
        QSize Logical;
        QSize Pixels;
    };
    for (const TCase c : {TCase{1.0, {30, 20}, {30, 20}}, TCase{1.5, {30, 20}, {45, 30}}, TCase{2.0, {30, 20}, {60, 40}},
             TCase{1.5, {31, 21}, {47, 32}}, TCase{1.25, {553, 337}, {692, 422}}, TCase{1.5, {11, 7}, {17, 11}}}) {
        TQtDevice device(c.Logical.width(), c.Logical.height(), bfColor, c.Scale);
        EXPECT_EQ(device.Width(), c.Logical.width());
        EXPECT_EQ(device.Height(), c.Logical.height());
        EXPECT_EQ(device.Image().size(), c.Pixels) << c.Scale;
        const auto bitmap = device.CreateBitmap(c.Logical.width(), c.Logical.height(), bfColor);
        EXPECT_EQ(static_cast<TQtDevice&>(*bitmap).Image().size(), c.Pixels) << c.Scale;
    }
}

// On a caller's image of more pixels per logical pixel the engine works in the image's logical size, and what
// it draws at the logical corner lands in the image's last pixels.
TEST(QtDeviceScale, OnAnEnlargedImageTheDeviceHasTheLogicalSize)
{
    QImage target(120, 80, QImage::Format_RGB32);
    target.setDevicePixelRatio(2.0);
    target.fill(Qt::white);
    {
        TQtDevice device(target);
        EXPECT_EQ(device.Width(), 60);
        EXPECT_EQ(device.Height(), 40);
        EXPECT_EQ(device.Scale(), 2.0);
        TChartCanvas canvas;
        canvas.AttachCanvas(device);
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(TRect{50, 30, device.Width(), device.Height()});
    }
    EXPECT_EQ(target.pixel(119, 79), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(100, 60), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(99, 59), qRgb(255, 255, 255));
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

// Level and upright lines, rectangles and right-angled polygons have no detail finer than a logical pixel: at 2,
// clipped or not, they are the plain picture with each pixel made a 2 x 2 block, exactly.
TEST(QtDeviceScale, AtTwiceTheScaleLevelShapesAreThePlainPictureEnlargedExactly)
{
    TQtDevice single(80, 60, bfColor, 1.0);
    TQtDevice twice(80, 60, bfColor, 2.0);
    DrawLevelShapes(single);
    DrawLevelShapes(twice);
    const QImage enlarged = single.Image().scaled(160, 120, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QImage& drawn = twice.Image();
    ASSERT_EQ(drawn.size(), enlarged.size());
    int differing = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            differing += drawn.pixel(x, y) != enlarged.pixel(x, y);
    EXPECT_EQ(differing, 0);
}
