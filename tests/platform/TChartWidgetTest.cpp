#include "platform/ChartRendering.h"
#include "platform/TChartWidget.h"

#include "chart/canvas/TChartCanvas3D.h"
#include "chart/frame/TChartLegend.h"
#include "chart/axes/TChartAxis.h"
#include "chart/series/TChartSeries.h"
#include "chart/series/TLineSeries.h"
#include "platform/EDeviceError.h"
#include "platform/TApplication.h"
#include "platform/TQtDevice.h"

#include <QFile>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ChartWidget, AnUnchangedChartRepaintsFromItsBuffer)
{
    TChartWidget widget;
    widget.resize(553, 337);
    int passes = 0;
    widget.Chart().OnAfterDraw = [&] { ++passes; };
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.repaint();
    const int afterFirst = passes;
    EXPECT_GE(afterFirst, 1);
    widget.repaint();
    widget.repaint();
    EXPECT_EQ(passes, afterFirst);

    widget.Chart().SetMarginLeft(5);
    widget.repaint();
    EXPECT_EQ(passes, afterFirst + 1);
}

TEST(ChartWidget, AFailedPaintIsReportedOnceAfterThePaintAndTheNextPaintDrawsAgain)
{
    std::vector<std::string> shown;
    TApplication::SetErrorBox([&](const std::string&, const std::string& text) { shown.push_back(text); });
    TChartWidget widget;
    widget.resize(300, 200);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QCoreApplication::processEvents();
    const QImage good = widget.grab().toImage();
    bool failing = true;
    widget.Chart().OnAfterDraw = [&] {
        if (failing)
            throw EDeviceError("Cannot draw on the picture");
    };

    widget.Chart().Invalidate();
    widget.repaint();
    EXPECT_TRUE(shown.empty()) << "reported inside the paint";
    widget.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(shown, std::vector<std::string>{"Cannot draw on the picture."});

    failing = false;
    EXPECT_EQ(widget.grab().toImage(), good);
    failing = true;
    widget.Chart().Invalidate();
    widget.repaint();
    QCoreApplication::processEvents();
    EXPECT_EQ(shown.size(), 2u);
    TApplication::SetErrorBox({});
}

TEST(ChartWidget, ManyInvalidationsInOneHandlerGiveOneDraw)
{
    TChartWidget widget;
    widget.resize(300, 200);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QCoreApplication::processEvents();
    int passes = 0;
    widget.Chart().OnAfterDraw = [&] { ++passes; };
    widget.Chart().SetMarginLeft(6);
    widget.Chart().SetMarginTop(6);
    widget.Chart().SetMarginRight(6);
    EXPECT_EQ(passes, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(passes, 1);
}

TEST(ChartWidget, AResizeGivesABitmapOfTheNewSize)
{
    TChartWidget widget;
    widget.resize(400, 250);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.repaint();
    ASSERT_NE(widget.Chart().Canvas().Bitmap(), nullptr);
    EXPECT_EQ(widget.Chart().Canvas().Bitmap()->Width(), 400);

    widget.resize(320, 240);
    widget.repaint();
    EXPECT_EQ(widget.Chart().Width(), 320);
    EXPECT_EQ(widget.Chart().Canvas().Bitmap()->Width(), 320);
    EXPECT_EQ(widget.Chart().Canvas().Bitmap()->Height(), 240);
}

TEST(ChartWidget, ErasesNoBackgroundBeforeItPaints)
{
    TChartWidget widget;
    EXPECT_TRUE(widget.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_TRUE(widget.testAttribute(Qt::WA_NoSystemBackground));
}

TEST(ChartWidget, LeavingTheWidgetEndsPanning)
{
    TChartWidget widget;
    widget.Chart().Panning().Activate(5, 5);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&widget, &leave);
    EXPECT_FALSE(widget.Chart().Panning().Active);
}

TEST(ChartWidget, ShowsTheZoomRectangleOnlyWhileDragging)
{
    TChartWidget widget;
    widget.resize(553, 337);
    TChart& chart = widget.Chart();
    chart.SetView3D(false);
    auto* series = new TChartSeries;
    series->AddPoint(0, 0);
    series->AddPoint(1, 1);
    chart.AttachSeries(series);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    int passes = 0;
    chart.OnAfterDraw = [&] { ++passes; };
    const QImage before = widget.grab().toImage();
    const int passesBefore = passes;
    const QPoint edge(105, 100);

    QTest::mousePress(&widget, Qt::LeftButton, {}, QPoint(100, 100));
    QTest::mouseMove(&widget, QPoint(110, 110));
    ASSERT_TRUE(chart.Zoom().Active);
    const QImage during = widget.grab().toImage();
    EXPECT_NE(during.pixel(edge), before.pixel(edge));

    // A drag this short zooms nothing; the rectangle goes away.
    QTest::mouseRelease(&widget, Qt::LeftButton, {}, QPoint(110, 110));
    EXPECT_FALSE(chart.Zoom().Active);
    const QImage after = widget.grab().toImage();
    EXPECT_EQ(after.pixel(edge), before.pixel(edge));
    EXPECT_EQ(passes, passesBefore);
}

// The offscreen platform gives a second screen, of twice the pixels, only when started with a configuration
// that asks for it: without one the running test runs itself again in a program started so.
bool RanOnTwoScreens()
{
    if (QGuiApplication::screens().size() >= 2)
        return false;
    QTemporaryDir dir;
    EXPECT_TRUE(dir.isValid());
    QFile config(dir.filePath("screens.json"));
    EXPECT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(R"({"screens": [
        {"name": "plain", "x": 0, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "sharp", "x": 800, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}]})");
    config.close();
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName());
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
    child.start(QCoreApplication::applicationFilePath(),
        {QStringLiteral("--gtest_filter=%1.%2").arg(test.test_suite_name(), test.name())});
    EXPECT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
    return true;
}

// A window moved to a screen of another device pixel ratio draws its chart anew at that ratio, instead of
// enlarging the buffer it kept.
TEST(ChartWidgetOnTwoScreens, ABufferMadeForAnotherRatioIsDrawnAgain)
{
    if (RanOnTwoScreens())
        return;
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens[1]->devicePixelRatio(), 2.0);
    TChartWidget widget;
    widget.resize(300, 200);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    widget.repaint();
    const auto scaleOfBuffer = [&] {
        const auto* buffer = dynamic_cast<const TQtDevice*>(widget.Chart().Canvas().Bitmap());
        return buffer != nullptr ? buffer->Scale() : 0.0;
    };
    EXPECT_EQ(scaleOfBuffer(), 1.0);

    widget.windowHandle()->setScreen(screens[1]);
    QCoreApplication::processEvents();
    ASSERT_EQ(widget.devicePixelRatio(), 2.0);
    widget.repaint();
    EXPECT_EQ(scaleOfBuffer(), 2.0);

    widget.windowHandle()->setScreen(screens[0]);
    QCoreApplication::processEvents();
    widget.repaint();
    EXPECT_EQ(scaleOfBuffer(), 1.0);
}

TEST(RenderChart, DrawsTheChartAtTheGivenSize)
{
    TChart chart;
    chart.SetView3D(false);
    chart.SetBevelOuter(bvNone);
    chart.SetColor(clWhite);
    const QImage image = RenderChart(chart, 200, 150);
    ASSERT_EQ(image.size(), QSize(200, 150));
    // The panel background and the black back-wall frame at PlotRect's top-left corner.
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
    const TRect plot = chart.PlotRect();
    EXPECT_EQ(image.pixel(plot.Left, plot.Top), qRgb(0, 0, 0));
}

TEST(RenderChart, PointsOutsideThePlotAreClippedAndTheFrameStaysIntact)
{
    TChart chart;
    chart.SetView3D(false);
    chart.SetBevelOuter(bvNone);
    chart.SetColor(clWhite);
    chart.Legend().SetVisible(false);
    chart.BottomAxis().SetMinMax(0, 10);
    chart.LeftAxis().SetMinMax(0, 10);
    auto* series = new TLineSeries;
    series->SetSeriesColor(clRed);
    series->AddPoint(5.5, -50);
    series->AddPoint(5.5, 50);
    chart.AttachSeries(series);
    const QImage image = RenderChart(chart, 300, 200);
    const TRect plot = chart.PlotRect();
    // Between two grid lines, which would cross the frame themselves.
    const int x = chart.BottomAxis().XValueToPixel(5.5);
    const QRgb red = qRgb(255, 0, 0);
    // The clip covers rows Top + 1 ... Bottom - 2: the frame rows and the row above the bottom one stay unpainted.
    EXPECT_EQ(image.pixel(x, plot.Top + 1), red);
    EXPECT_EQ(image.pixel(x, plot.Bottom - 2), red);
    for (int y : {plot.Top - 2, plot.Top, plot.Bottom - 1, plot.Bottom, plot.Bottom + 2})
        EXPECT_NE(image.pixel(x, y), red) << y;
    EXPECT_EQ(image.pixel(x + 3, plot.Top), qRgb(0, 0, 0));
}

} // namespace
