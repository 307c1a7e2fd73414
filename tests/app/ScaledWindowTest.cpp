// The window's screenshot at a device pixel ratio of 2: the chart is drawn at the screen's
// resolution, not enlarged from the 1x picture.

#include "app/ProgramRun.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

// The chart's place in the window, and the inside of its plot with the curves, in logical pixels.
const QRect ChartArea(8, 72, 553, 337);
const QRect CurveArea(70, 110, 380, 240);

QImage Screenshot(const QTemporaryDir& dir, const QString& name, const QString& scaleFactor)
{
    QProcessEnvironment environment = EnvironmentWithoutDisplay();
    environment.insert("QT_SCALE_FACTOR", scaleFactor);
    const QString path = dir.filePath(name);
    EXPECT_EQ(RunProgram({"--screenshot", path}, environment).status, 0);
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

int Channel(QRgb pixel, int shift)
{
    return static_cast<int>((pixel >> shift) & 0xFF);
}

TEST(ScaledWindow, AtTwiceTheResolutionTheChartIsTheSamePictureDrawnSharper)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage single = Screenshot(dir, "single.png", "1");
    const QImage twice = Screenshot(dir, "twice.png", "2");
    ASSERT_EQ(single.size(), QSize(563, 426));
    ASSERT_EQ(twice.size(), QSize(1126, 852));

    // Each logical pixel against the mean of its 2 x 2 block; a block whose pixels differ shows
    // detail finer than a logical pixel, which an enlarged 1x picture never has.
    long difference = 0;
    int detailedBlocks = 0;
    for (int y = ChartArea.top(); y <= ChartArea.bottom(); ++y) {
        for (int x = ChartArea.left(); x <= ChartArea.right(); ++x) {
            const QRgb block[] = {twice.pixel(2 * x, 2 * y), twice.pixel(2 * x + 1, 2 * y), twice.pixel(2 * x, 2 * y + 1),
                twice.pixel(2 * x + 1, 2 * y + 1)};
            if (CurveArea.contains(x, y))
                detailedBlocks += !(block[0] == block[1] && block[0] == block[2] && block[0] == block[3]);
            for (const int shift : {0, 8, 16}) {
                const int mean = (Channel(block[0], shift) + Channel(block[1], shift) + Channel(block[2], shift)
                                     + Channel(block[3], shift) + 2) / 4;
                difference += std::abs(mean - Channel(single.pixel(x, y), shift));
            }
        }
    }
    const double meanDifference = static_cast<double>(difference) / (3.0 * ChartArea.width() * ChartArea.height());
    EXPECT_LT(meanDifference, 8.0);
    EXPECT_GT(detailedBlocks, 2000);
}

}  // namespace

// A scale factor the window can never be painted at is refused in one line, instead of a program that waits
// forever or says it is out of memory.
TEST(ScaledWindow, AScaleFactorThatIsNotAFinitePositiveNumberIsRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const QString factor : {"-1", "inf", "1e999", "0", "-0", "nan"}) {
        QProcessEnvironment environment = EnvironmentWithoutDisplay();
        environment.insert("QT_SCALE_FACTOR", factor);
        const QString path = dir.filePath("s.png");
        const TProgramRun run = RunProgram({"--screenshot", path}, environment);
        EXPECT_EQ(run.status, 2) << factor.toStdString();
        EXPECT_EQ(run.err, "bhncalc: QT_SCALE_FACTOR must be a finite number above 0, not \"" + factor + "\"\n");
        EXPECT_FALSE(QFile::exists(path));
    }
}

// A scale the window would exceed the largest picture at, whether asked for directly or through the font's
// DPI, or one so large that Qt's own arithmetic wraps it, is refused before the window takes the memory.
TEST(ScaledWindow, AScaleThatMakesTheWindowLargerThanAnyPictureIsRefused)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        const char* variable;
        const char* value;
        const char* err;
    } cases[] = {
        {"QT_SCALE_FACTOR", "100", "bhncalc: at scale 100 the window would be 56300x42600 pixels; at most 10000 a side\n"},
        {"QT_SCALE_FACTOR", "17.8", "bhncalc: at scale 17.8 the window would be 10022x7583 pixels; at most 10000 a side\n"},
        {"QT_FONT_DPI", "10000", nullptr},
        {"QT_SCALE_FACTOR", "1e308", nullptr},
    };
    for (const auto& row : cases) {
        QProcessEnvironment environment = EnvironmentWithoutDisplay();
        environment.insert(row.variable, row.value);
        const QString path = dir.filePath("s.png");
        const TProgramRun run = RunProgram({"--screenshot", path}, environment);
        const std::string name = std::string(row.variable) + '=' + row.value;
        EXPECT_EQ(run.status, 2) << name;
        if (row.err != nullptr) {
            EXPECT_EQ(run.err, QString::fromLatin1(row.err)) << name;
        } else {
            EXPECT_TRUE(run.err.startsWith("bhncalc: at scale ") && run.err.endsWith(" pixels; at most 10000 a side\n"))
                << name << ": " << run.err.toStdString();
        }
        EXPECT_FALSE(QFile::exists(path)) << name;
    }
}
