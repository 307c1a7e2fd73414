#include "chart/frame/TChartLegend.h"
#include "chart/mouse/MouseTestChart.h"
#include "platform/ChartRendering.h"
#include "platform/TChartWidget.h"

#include <QWheelEvent>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// The calculator-like chart in a real widget, shown and painted once so its layout is known.
class ChartMouseWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetUpCalculatorLikeChart(widget_.Chart());
        widget_.resize(553, 337);
        widget_.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget_));
        widget_.repaint();
    }

    TChart& Chart() { return widget_.Chart(); }
    QPoint At(double x, double y) { return {Chart().BottomAxis().XValueToPixel(x), Chart().LeftAxis().YValueToPixel(y)}; }

    void Drag(Qt::MouseButton button, QPoint from, QPoint to)
    {
        QTest::mousePress(&widget_, button, Qt::NoModifier, from);
        QTest::mouseMove(&widget_, to);
        QTest::mouseRelease(&widget_, button, Qt::NoModifier, to);
        widget_.repaint();
    }

    void Wheel(int delta)
    {
        const QPointF p(widget_.width() / 2.0, widget_.height() / 2.0);
        QWheelEvent event(p, widget_.mapToGlobal(p), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&widget_, &event);
        widget_.repaint();
    }

    TChartWidget widget_;
};

TEST_F(ChartMouseWidget, ADragZoomsAndTheReverseDragRestoresTheFixedRanges)
{
    const QPoint from = At(220, 1.4);
    const QPoint to = from + QPoint(100, 50);
    const TChartAxis& bottom = Chart().BottomAxis();
    const TChartAxis& left = Chart().LeftAxis();
    const double xMin = bottom.PixelToValue(from.x());
    const double xMax = bottom.PixelToValue(to.x());
    const double yMin = left.PixelToValue(to.y());
    const double yMax = left.PixelToValue(from.y());

    Drag(Qt::LeftButton, from, to);

    EXPECT_EQ(bottom.Minimum(), xMin);
    EXPECT_EQ(bottom.Maximum(), xMax);
    EXPECT_EQ(left.Minimum(), yMin);
    EXPECT_EQ(left.Maximum(), yMax);
    EXPECT_TRUE(Chart().Zoomed());
    // The zoomed range is laid out on the next paint: its ends span the plot.
    EXPECT_EQ(bottom.PixelToValue(bottom.PixelStart()), xMin);

    Drag(Qt::LeftButton, to, from);

    EXPECT_EQ(bottom.Minimum(), 200);
    EXPECT_EQ(bottom.Maximum(), 360);
    EXPECT_EQ(left.Minimum(), 0.9);
    EXPECT_EQ(left.Maximum(), 1.5);
    EXPECT_FALSE(Chart().Zoomed());
}

TEST_F(ChartMouseWidget, SixteenPixelDragsDoNothingAndSeventeenPixelDragsZoom)
{
    const QPoint from = At(240, 1.3);
    Drag(Qt::LeftButton, from, from + QPoint(16, 16));
    EXPECT_EQ(Chart().BottomAxis().Minimum(), 200);
    EXPECT_FALSE(Chart().Zoomed());

    Drag(Qt::LeftButton, from, from + QPoint(17, 17));
    EXPECT_GT(Chart().BottomAxis().Minimum(), 200);
    EXPECT_TRUE(Chart().Zoomed());

    // To the top right: undone, not zoomed.
    const QPoint start(Chart().PlotXCenter(), Chart().PlotYCenter());
    Drag(Qt::LeftButton, start, start + QPoint(40, -40));
    EXPECT_EQ(Chart().BottomAxis().Minimum(), 200);
    EXPECT_EQ(Chart().LeftAxis().Maximum(), 1.5);
}

TEST_F(ChartMouseWidget, ARightDragScrollsTheContentWithTheMouse)
{
    const QPoint from = At(280, 1.3);
    const TChartAxis& bottom = Chart().BottomAxis();
    const double shift = bottom.PixelToValue(from.x()) - bottom.PixelToValue(from.x() + 10);

    Drag(Qt::RightButton, from, from + QPoint(10, 0));

    EXPECT_DOUBLE_EQ(bottom.Minimum(), 200 + shift);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), 360 + shift);
    EXPECT_LT(shift, 0);
    EXPECT_EQ(Chart().LeftAxis().Minimum(), 0.9);
    EXPECT_FALSE(Chart().Panning().Active);
}

// A right click that does not move asks for the context menu; a right drag only scrolls.
TEST_F(ChartMouseWidget, ARightClickWithoutMovementAsksForTheContextMenu)
{
    std::vector<QPoint> requests;
    QObject::connect(&widget_, &TChartWidget::ContextMenuRequested, [&](QPoint at) { requests.push_back(at); });
    const QPoint at = At(280, 1.3);

    QTest::mouseClick(&widget_, Qt::RightButton, Qt::NoModifier, at);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests.front(), widget_.mapToGlobal(at));
    EXPECT_EQ(Chart().BottomAxis().Minimum(), 200);

    Drag(Qt::RightButton, at, at + QPoint(10, 0));
    EXPECT_EQ(requests.size(), 1u);
    EXPECT_NE(Chart().BottomAxis().Minimum(), 200);

    QTest::mouseClick(&widget_, Qt::LeftButton, Qt::NoModifier, at);
    EXPECT_EQ(requests.size(), 1u);
}

TEST_F(ChartMouseWidget, TheWheelMovesTheLeftAxisByThreePercentOfItsRangePerNotch)
{
    Wheel(120);
    EXPECT_NEAR(Chart().LeftAxis().Minimum(), 0.882, 1e-12);
    EXPECT_NEAR(Chart().LeftAxis().Maximum(), 1.482, 1e-12);
    Wheel(-240);
    EXPECT_NEAR(Chart().LeftAxis().Minimum(), 0.882 + 0.036, 1e-12);
    EXPECT_EQ(Chart().BottomAxis().Minimum(), 200);
}

TEST_F(ChartMouseWidget, ABackgroundHandlerThatClearsTheCancelFlagLetsTheDragStart)
{
    Chart().OnClickBackground = [](TCustomChart& sender, TMouseButton, TShiftState, int, int) { sender.SetCancelMouse(false); };
    const QPoint from = At(220, 1.4);
    QTest::mousePress(&widget_, Qt::LeftButton, Qt::NoModifier, from);
    EXPECT_TRUE(Chart().Zoom().Active);
    QTest::mouseRelease(&widget_, Qt::LeftButton, Qt::NoModifier, from);
    EXPECT_FALSE(Chart().Zoom().Active);

    Chart().OnClickBackground = [](TCustomChart&, TMouseButton, TShiftState, int, int) {};
    QTest::mousePress(&widget_, Qt::LeftButton, Qt::NoModifier, from);
    EXPECT_FALSE(Chart().Zoom().Active);
    QTest::mouseRelease(&widget_, Qt::LeftButton, Qt::NoModifier, from);
}

TEST_F(ChartMouseWidget, ALegendClickStartsNoDrag)
{
    const TRect box = Chart().Legend().LegendBox();
    ASSERT_FALSE(box.IsEmpty());
    const QPoint p((box.Left + box.Right) / 2, box.Top + 3);
    QTest::mousePress(&widget_, Qt::LeftButton, Qt::NoModifier, p);
    EXPECT_FALSE(Chart().Zoom().Active);
    QTest::mouseRelease(&widget_, Qt::LeftButton, Qt::NoModifier, p);
}

// Counts the paint events a widget receives.
class TPaintCounter : public QObject {
public:
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++Paints;
        return false;
    }
};

TEST_F(ChartMouseWidget, TheZoomRectangleShowsOnTheWindowWhileDraggingAndGoesAfterwards)
{
    int draws = 0;
    Chart().OnAfterDraw = [&] { ++draws; };
    TPaintCounter counter;
    widget_.installEventFilter(&counter);
    const QImage before = widget_.grab().toImage();
    const QPoint from = At(220, 1.4);
    counter.Paints = 0;

    QTest::mousePress(&widget_, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(&widget_, from + QPoint(12, 10));
    QCoreApplication::processEvents();
    EXPECT_GT(counter.Paints, 0);
    const QImage during = widget_.grab().toImage();

    const QPoint topEdge = from + QPoint(6, 0);
    const QPoint inside = from + QPoint(6, 5);
    EXPECT_NE(during.pixel(topEdge), before.pixel(topEdge));
    EXPECT_NE(during.pixel(from + QPoint(0, 5)), before.pixel(from + QPoint(0, 5)));
    EXPECT_EQ(during.pixel(inside), before.pixel(inside));
    // Moving the rectangle repaints from the buffer: no draw pass.
    EXPECT_EQ(draws, 0);

    QTest::mouseRelease(&widget_, Qt::LeftButton, Qt::NoModifier, from + QPoint(12, 10));
    QCoreApplication::processEvents();
    EXPECT_TRUE(widget_.grab().toImage() == before);
    EXPECT_EQ(Chart().BottomAxis().Minimum(), 200);
}

TEST_F(ChartMouseWidget, TheChartStillPaintsAfterZoomsScrollsWheelAndUndo)
{
    int draws = 0;
    Chart().OnAfterDraw = [&] { ++draws; };
    const QPoint centre(Chart().PlotXCenter(), Chart().PlotYCenter());
    const std::vector<std::function<void()>> steps{
        [&] { Drag(Qt::LeftButton, centre - QPoint(60, 40), centre + QPoint(60, 40)); },
        [&] { Drag(Qt::RightButton, centre, centre + QPoint(-30, 20)); },
        [&] { Wheel(-120); },
        [&] { Drag(Qt::LeftButton, centre - QPoint(30, 30), centre + QPoint(30, 30)); },
        [&] { Drag(Qt::LeftButton, centre, centre - QPoint(50, 50)); },
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        const int before = draws;
        steps[i]();
        EXPECT_GT(draws, before);
    }
    EXPECT_EQ(Chart().BottomAxis().Minimum(), 200);
    EXPECT_EQ(Chart().LeftAxis().Maximum(), 1.5);

    // Back on the starting ranges, the window shows what a fresh chart of the same settings draws.
    TChart fresh;
    SetUpCalculatorLikeChart(fresh);
    const QImage expected = RenderChart(fresh, 553, 337);
    const QImage shown = widget_.grab().toImage().convertToFormat(expected.format());
    EXPECT_TRUE(shown == expected);
}

} // namespace
