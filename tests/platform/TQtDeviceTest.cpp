#include "platform/TQtDevice.h"

#include "platform/EDeviceError.h"
#include "chart/canvas/TChartCanvas.h"
#include "platform/QtDeviceMapping.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

template <typename TAction>
void ExpectDeviceError(const TAction& action, const std::string& message)
{
    try {
        action();
        ADD_FAILURE() << "no error, expected: " << message;
    } catch (const EDeviceError& error) {
        EXPECT_EQ(std::string(error.what()), message);
    }
}

TEST(QtDeviceFailures, AFailureToDrawOrToMakeAPictureIsReported)
{
    // Qt paints on no image with a colour table.
    QImage indexed(10, 10, QImage::Format_Indexed8);
    TQtDevice onIndexed(indexed);
    ExpectDeviceError([&] { onIndexed.Rectangle({1, 1, 5, 5}); }, "Cannot draw on the picture");
    // More bytes in a line than Qt can address.
    ExpectDeviceError([] { TQtDevice huge(1 << 29, 4); }, "Cannot make a picture of 536870912 x 4 pixels");
    // An empty picture has nothing to draw on and is no failure.
    TQtDevice empty(0, 0);
    empty.Rectangle({1, 1, 5, 5});
    EXPECT_TRUE(empty.Image().isNull());
}

// A canvas drawing on a small white image; pixels are read back as TColor.
class QtDevice : public ::testing::Test {
protected:
    QtDevice() : device(24, 24) { canvas.AttachCanvas(device); }

    TColor Pixel(int x, int y)
    {
        const QRgb rgb = device.Image().pixel(x, y);
        return RGBColor(static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
                        static_cast<std::uint8_t>(qBlue(rgb)));
    }

    // The painted cells of a row or column as a string: '#' where the pixel is not the background.
    std::string Row(int y, TColor background = clWhite)
    {
        std::string s;
        for (int x = 0; x < device.Width(); ++x)
            s += Pixel(x, y) == background ? '.' : '#';
        return s;
    }
    std::string Column(int x, TColor background = clWhite)
    {
        std::string s;
        for (int y = 0; y < device.Height(); ++y)
            s += Pixel(x, y) == background ? '.' : '#';
        return s;
    }

    void Fill(TColor color)
    {
        canvas.Brush().SetColor(color);
        canvas.Brush().SetStyle(bsSolid);
        canvas.FillRect(TRect{0, 0, device.Width(), device.Height()});
    }

    TQtDevice device;
    TChartCanvas canvas;
};

}

TEST_F(QtDevice, LinesDoNotPaintTheirEndPointInEitherDirection)
{
    canvas.Line(2, 5, 8, 5);
    canvas.Line(15, 20, 9, 20);
    canvas.Line(22, 7, 22, 14);
    canvas.Line(20, 18, 20, 10);
    EXPECT_EQ(Row(5), "..######................");
    EXPECT_EQ(Row(20), "..........######........");
    EXPECT_EQ(Column(22), ".......#######..........");
    EXPECT_EQ(Column(20), "...........########.....");
}

TEST_F(QtDevice, DiagonalLinesRunFromTheirStartAndStopBeforeTheirEnd)
{
    canvas.Line(2, 2, 8, 8);
    canvas.Line(21, 21, 15, 15);
    for (int i = 2; i < 8; ++i)
        EXPECT_EQ(Pixel(i, i), clBlack) << i;
    EXPECT_EQ(Pixel(8, 8), clWhite);
    for (int i = 16; i <= 21; ++i)
        EXPECT_EQ(Pixel(i, i), clBlack) << i;
    EXPECT_EQ(Pixel(15, 15), clWhite);
}

TEST_F(QtDevice, PolylinePaintsEachJointOnceAndNotItsLastPoint)
{
    canvas.Pen().SetMode(pmNotXor);
    const std::array<TPoint, 4> points{TPoint{2, 4}, TPoint{10, 4}, TPoint{10, 12}, TPoint{3, 12}};
    canvas.Polyline(points);
    EXPECT_EQ(Row(4), "..#########.............");
    EXPECT_EQ(Column(10), "....#########...........");
    EXPECT_EQ(Row(12), "....#######.............");
}

TEST_F(QtDevice, RectangleOutlinesWithThePenAndFillsWithTheBrushInsideRightAndBottom)
{
    canvas.Pen().SetColor(clRed);
    canvas.Brush().SetColor(clBlue);
    canvas.Rectangle(2, 2, 6, 6);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool border = (x == 2 || x == 5 || y == 2 || y == 5) && x >= 2 && x <= 5 && y >= 2 && y <= 5;
            const bool inside = x >= 3 && x <= 4 && y >= 3 && y <= 4;
            EXPECT_EQ(Pixel(x, y), border ? clRed : (inside ? clBlue : clWhite)) << x << "," << y;
        }
}

TEST_F(QtDevice, RectangleWithAClearPenFillsItsWholeCell)
{
    TChartHiddenPen hidden;
    canvas.SelectChartPen(hidden);
    canvas.Brush().SetColor(clBlue);
    canvas.Rectangle(2, 2, 6, 6);
    EXPECT_EQ(Row(2, clWhite), "..####..................");
    EXPECT_EQ(Column(5, clWhite), "..####..................");
}

TEST_F(QtDevice, EllipseStaysInsideRightAndBottomAndTouchesAllFourSides)
{
    canvas.Brush().SetColor(clBlue);
    canvas.Ellipse(2, 3, 14, 19);
    int minX = 99, minY = 99, maxX = -1, maxY = -1;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            if (Pixel(x, y) != clWhite) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    EXPECT_EQ(minX, 2);
    EXPECT_EQ(maxX, 13);
    EXPECT_EQ(minY, 3);
    EXPECT_EQ(maxY, 18);
    EXPECT_EQ(Pixel(8, 11), clBlue);
    EXPECT_EQ(Pixel(2, 11), clBlack);
}

TEST_F(QtDevice, DefaultFontIsThirteenPixelsHigh)
{
    EXPECT_EQ(canvas.Font().Height(), -11);
    EXPECT_EQ(canvas.FontHeight(), 13);
    EXPECT_EQ(canvas.TextWidth(""), 0);
    EXPECT_GT(canvas.TextWidth("200"), 0);
    EXPECT_EQ(canvas.TextWidth("200"), 3 * canvas.TextWidth("0"));
}

TEST_F(QtDevice, TransparentTextPaintsOnlyItsGlyphs)
{
    Fill(clLime);
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(2, 2, "W");
    int glyph = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const TColor c = Pixel(x, y);
            EXPECT_TRUE(c == clLime || c == clBlack) << x << "," << y;
            glyph += c == clBlack;
        }
    EXPECT_GT(glyph, 10);
    EXPECT_EQ(Pixel(2, 2), clLime);
}

// An axis leaves the mode opaque after its grid; labels drawn next over a clear brush must not get a box.
TEST_F(QtDevice, TextOverAClearBrushStaysTransparentInOpaqueMode)
{
    Fill(clLime);
    canvas.Brush().SetStyle(bsClear);
    canvas.SetBackMode(bmOpaque);
    canvas.SetBackColor(clBlack);
    canvas.TextOut(2, 2, "W");
    EXPECT_EQ(Pixel(2, 2), clLime);
    EXPECT_EQ(Pixel(2, 14), clLime);
}

TEST_F(QtDevice, OpaqueTextFillsExactlyItsCellWithTheBackColour)
{
    Fill(clLime);
    canvas.Brush().SetColor(clYellow);
    const int width = canvas.TextWidth("W");
    canvas.TextOut(3, 4, "W");
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x) {
            const bool inCell = x >= 3 && x < 3 + width && y >= 4 && y < 4 + 13;
            const TColor c = Pixel(x, y);
            if (inCell)
                EXPECT_TRUE(c == clYellow || c == clBlack) << x << "," << y;
            else
                EXPECT_EQ(c, clLime) << x << "," << y;
        }
}

TEST_F(QtDevice, AlignmentFlagsPlaceTheTextCellAroundTheAnchor)
{
    struct Case {
        unsigned align;
        int left, top; // the cell's top-left relative to the anchor, for a cell of width w and height 13
    };
    TQtDevice wide(60, 40);
    TChartCanvas canvas;
    canvas.AttachCanvas(wide);
    const auto pixel = [&wide](int x, int y) { return wide.Image().pixel(x, y) == qRgb(255, 255, 0) ? clYellow : clWhite; };
    const int w = canvas.TextWidth("WW");
    const Case cases[] = {
        {TA_LEFT | TA_TOP, 0, 0},
        {TA_RIGHT | TA_TOP, -w, 0},
        {TA_CENTER | TA_TOP, -(w / 2), 0},
        {TA_LEFT | TA_BOTTOM, 0, -13},
        {TA_RIGHT | TA_BOTTOM, -w, -13},
    };
    for (const Case& c : cases) {
        canvas.Brush().SetColor(clWhite);
        canvas.FillRect(TRect{0, 0, 60, 40});
        canvas.Brush().SetColor(clYellow);
        canvas.SetTextAlign(c.align);
        canvas.TextOut(30, 20, "WW");
        const int left = 30 + c.left;
        const int top = 20 + c.top;
        EXPECT_EQ(pixel(left, top), clYellow) << c.align;
        EXPECT_EQ(pixel(left - 1, top), clWhite) << c.align;
        EXPECT_EQ(pixel(left, top - 1), clWhite) << c.align;
        EXPECT_EQ(pixel(left + w - 1, top + 12), clYellow) << c.align;
        EXPECT_EQ(pixel(left + w, top + 12), clWhite) << c.align;
        EXPECT_EQ(pixel(left + w - 1, top + 13), clWhite) << c.align;
    }
}

TEST_F(QtDevice, EscapementRotatesTextCounterClockwiseAboutItsAnchor)
{
    TQtDevice wide(40, 40);
    TChartCanvas rotated;
    rotated.AttachCanvas(wide);
    rotated.Brush().SetColor(clYellow);
    TDeviceFont font;
    font.Escapement = 900;
    wide.SetFont(font);
    wide.SetBackMode(bmOpaque);
    wide.SetBackColor(clYellow);
    wide.TextOut(10, 30, "WW");
    const QImage& image = wide.Image();
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                minX = std::min(minX, x);
                maxX = std::max(maxX, x);
                minY = std::min(minY, y);
                maxY = std::max(maxY, y);
            }
    // Turned a quarter to the left: the text runs upwards from the anchor and its cell lies to the right.
    EXPECT_EQ(minX, 10);
    EXPECT_EQ(maxX, 10 + 13 - 1);
    EXPECT_EQ(maxY, 29);
    EXPECT_EQ(minY, 30 - rotated.TextWidth("WW"));
}

TEST_F(QtDevice, NotXorDrawnTwiceRestoresThePixels)
{
    Fill(RGBColor(10, 100, 200));
    canvas.Pen().SetColor(clRed);
    canvas.Pen().SetMode(pmNotXor);
    canvas.Brush().SetStyle(bsClear);
    const QImage before = device.Image().copy();
    canvas.Rectangle(3, 3, 15, 12);
    canvas.Line(0, 20, 23, 20);
    // not (pen xor screen): red over (10, 100, 200) gives (10, 155, 55).
    EXPECT_EQ(Pixel(3, 3), RGBColor(10, 155, 55));
    EXPECT_EQ(Pixel(14, 3), RGBColor(10, 155, 55));
    EXPECT_EQ(Pixel(14, 11), RGBColor(10, 155, 55));
    EXPECT_EQ(Pixel(8, 20), RGBColor(10, 155, 55));
    EXPECT_EQ(Pixel(8, 8), RGBColor(10, 100, 200));
    canvas.Rectangle(3, 3, 15, 12);
    canvas.Line(0, 20, 23, 20);
    EXPECT_EQ(device.Image(), before);
}

TEST_F(QtDevice, ClipRectangleBoundsDrawingUntilUnclipped)
{
    canvas.Brush().SetColor(clBlue);
    canvas.ClipRectangle(TRect{5, 6, 10, 12});
    canvas.FillRect(TRect{0, 0, 24, 24});
    canvas.Line(0, 3, 24, 3);
    EXPECT_EQ(Row(8), ".....#####..............");
    EXPECT_EQ(Column(7), "......######............");
    canvas.UnClip();
    canvas.Line(0, 3, 24, 3);
    EXPECT_EQ(Row(3), "########################");
}

TEST_F(QtDevice, SmallDotsPaintEveryOtherPixel)
{
    TChartPen pen;
    pen.SetSmallDots(true);
    canvas.SelectChartPen(pen);
    canvas.Line(0, 4, 24, 4);
    canvas.Line(6, 0, 6, 24);
    EXPECT_EQ(Row(4), "#.#.#.#.#.#.#.#.#.#.#.#.");
    EXPECT_EQ(Column(6), "#.#.#.#.#.#.#.#.#.#.#.#.");
}

TEST_F(QtDevice, DottedPenUsesThreePixelDots)
{
    canvas.Pen().SetStyle(psDot);
    canvas.Brush().SetStyle(bsClear);
    canvas.Line(0, 4, 24, 4);
    EXPECT_EQ(Row(4), "###...###...###...###...");
}

TEST_F(QtDevice, SetPixelAndBitmapCopy)
{
    std::unique_ptr<TBitmapDevice> bitmap = device.CreateBitmap(4, 3, bfColor);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 4);
    EXPECT_EQ(bitmap->Height(), 3);
    bitmap->SetPixel(0, 0, clRed);
    bitmap->SetPixel(3, 2, clBlue);
    device.CopyBitmap(*bitmap, 10, 11);
    EXPECT_EQ(Pixel(10, 11), clRed);
    EXPECT_EQ(Pixel(13, 13), clBlue);
    EXPECT_EQ(Pixel(11, 12), clWhite);
    EXPECT_EQ(Pixel(9, 11), clWhite);

    // A copy covering the whole image replaces every pixel.
    TQtDevice same(24, 24);
    same.SetPixel(5, 5, clGreen);
    device.CopyBitmap(same, 0, 0);
    EXPECT_EQ(Pixel(5, 5), clGreen);
    EXPECT_EQ(Pixel(10, 11), clWhite);
    canvas.Line(0, 0, 3, 0);
    EXPECT_EQ(Row(0), "###.....................");
    EXPECT_EQ(same.Image().pixel(0, 0), qRgb(255, 255, 255));
}

TEST_F(QtDevice, HatchBrushLeavesTheBackgroundBetweenItsLinesWhenTransparent)
{
    Fill(clLime);
    canvas.Pen().SetStyle(psClear);
    canvas.Brush().SetColor(clRed);
    canvas.Brush().SetStyle(bsHorizontal);
    canvas.FillRect(TRect{0, 0, 24, 24});
    int red = 0, lime = 0;
    for (int y = 0; y < 24; ++y) {
        const TColor c = Pixel(5, y);
        red += c == clRed;
        lime += c == clLime;
    }
    EXPECT_EQ(red + lime, 24);
    EXPECT_EQ(red, 3);
}

TEST_F(QtDevice, OpaqueModePaintsTheGapsOfDottedLinesAndHatchesInTheBackColour)
{
    Fill(clLime);
    canvas.Brush().SetColor(clYellow); // a solid brush selects opaque mode with its colour
    canvas.Pen().SetStyle(psDot);
    canvas.Line(0, 4, 12, 4);
    const TColor dotted[12] = {clBlack, clBlack, clBlack, clYellow, clYellow, clYellow,
                               clBlack, clBlack, clBlack, clYellow, clYellow, clYellow};
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(Pixel(x, 4), dotted[x]) << x;
    EXPECT_EQ(Pixel(12, 4), clLime);

    canvas.Brush().SetColor(clRed);
    canvas.Brush().SetStyle(bsHorizontal);
    canvas.SetBackMode(bmOpaque);
    canvas.SetBackColor(clYellow);
    canvas.FillRect(TRect{0, 10, 24, 24});
    int red = 0, yellow = 0;
    for (int y = 10; y < 24; ++y) {
        red += Pixel(5, y) == clRed;
        yellow += Pixel(5, y) == clYellow;
    }
    EXPECT_GT(red, 0);
    EXPECT_EQ(red + yellow, 14);
}

TEST_F(QtDevice, PieAndArcRunCounterClockwiseFromStartToEnd)
{
    canvas.Brush().SetColor(clBlue);
    // From three o'clock to twelve o'clock: the upper right quarter.
    canvas.Pie(2, 2, 22, 22, 22, 12, 12, 2);
    EXPECT_EQ(Pixel(16, 8), clBlue);
    EXPECT_EQ(Pixel(8, 8), clWhite);
    EXPECT_EQ(Pixel(8, 16), clWhite);
    EXPECT_EQ(Pixel(16, 16), clWhite);

    Fill(clWhite);
    // From twelve o'clock round the left to six o'clock: the left half of the ring only.
    canvas.Arc(2, 2, 22, 22, 12, 2, 12, 22);
    int left = 0, right = 0;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 24; ++x)
            if (Pixel(x, y) != clWhite)
                (x < 12 ? left : right) += 1;
    EXPECT_GT(left, 20);
    EXPECT_LE(right, 2);
}

// Rectangle outlines with a thin solid pen are the pixels QPainter strokes for the cell's border,
// also where the clip cuts them.
TEST(QtDeviceOutlines, ThinSolidOutlinesMatchQPainterStrokes)
{
    const QRect clips[] = {QRect(0, 0, 40, 40), QRect(6, 5, 20, 17)};
    const QRect cells[] = {QRect(3, 3, 2, 2), QRect(3, 3, 3, 7), QRect(10, 8, 12, 2), QRect(2, 4, 30, 25), QRect(8, 9, 9, 30)};
    for (const QRect& clip : clips)
        for (const QRect& cell : cells) {
            TQtDevice device(40, 40);
            TChartCanvas canvas;
            canvas.AttachCanvas(device);
            canvas.ClipRectangle(TRect{clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1});
            canvas.Pen().SetColor(clRed);
            canvas.Brush().SetColor(clYellow);
            canvas.Rectangle(cell.left(), cell.top(), cell.right() + 1, cell.bottom() + 1);
            QImage expected(40, 40, QImage::Format_RGB32);
            expected.fill(Qt::white);
            {
                QPainter painter(&expected);
                painter.setClipRect(clip);
                painter.fillRect(cell.adjusted(1, 1, -1, -1), QColor(Qt::yellow));
                painter.setPen(MakePen(TDevicePen{clRed, psSolid, 1, pmCopy}));
                painter.drawRect(cell.adjusted(0, 0, -1, -1));
            }
            EXPECT_EQ(device.Image(), expected) << "cell " << cell.x() << "," << cell.y() << " " << cell.width() << "x" << cell.height();
        }
}

// Lines are written into the image's own pixels; an image the caller shares them with keeps its own.
TEST(QtDeviceOnImage, LinesLandInTheTargetImageAndNotInACopyOfIt)
{
    QImage target(20, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    const QImage copy = target;
    {
        TQtDevice device(target);
        TChartCanvas canvas;
        canvas.AttachCanvas(device);
        canvas.Line(2, 5, 12, 5);
        canvas.Line(4, 1, 4, 9);
    }
    EXPECT_EQ(target.pixel(2, 5), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(11, 5), qRgb(0, 0, 0));
    EXPECT_EQ(target.pixel(12, 5), qRgb(255, 255, 255));
    EXPECT_EQ(target.pixel(4, 8), qRgb(0, 0, 0));
    EXPECT_EQ(copy.pixel(2, 5), qRgb(255, 255, 255));
    EXPECT_EQ(copy.pixel(4, 8), qRgb(255, 255, 255));
}
