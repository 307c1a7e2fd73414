#include "AxisTestChart.h"

#include "chart/axes/FormatFloat.h"
#include "chart/canvas/ChartMath.h"
#include "numeric/Extended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A bottom and a left axis laid out on the plot (54, 31, 430, 292) with the given limits.
class AxisMapping : public ::testing::Test {
protected:
    void SetUp() override { chart.Canvas().AttachCanvas(device); }

    void Place(TChartAxis& axis, double min, double max, TRect plot = {54, 31, 430, 292})
    {
        axis.SetMinMax(min, max);
        chart.SetPlotRect(plot);
        axis.PrepareScale();
        axis.PlacePixels();
    }

    TAxisTestChart chart;
    TRecordingDevice device{553, 337};
};

TEST_F(AxisMapping, HorizontalGrowsRightAndVerticalGrowsUpUnlessInverted)
{
    TChartAxis& bottom = chart.BottomAxis();
    TChartAxis& left = chart.LeftAxis();
    Place(bottom, 0, 100);
    Place(left, 0, 100);
    const struct {
        double Value;
        int X, Y, InvertedX, InvertedY;
    } cases[] = {
        {0, 54, 292, 430, 31},
        {100, 430, 31, 54, 292},
        {50, 242, 162, 242, 161},
        {25, 148, 227, 336, 96},
        {-10, 16, 318, 468, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(bottom.XValueToPixel(c.Value), c.X) << c.Value;
        EXPECT_EQ(left.YValueToPixel(c.Value), c.Y) << c.Value;
        EXPECT_EQ(bottom.ValueToPixel(c.Value), c.X) << c.Value;
        EXPECT_EQ(left.ValueToPixel(c.Value), c.Y) << c.Value;
    }
    bottom.SetInverted(true);
    left.SetInverted(true);
    for (const auto& c : cases) {
        EXPECT_EQ(bottom.XValueToPixel(c.Value), c.InvertedX) << c.Value;
        EXPECT_EQ(left.YValueToPixel(c.Value), c.InvertedY) << c.Value;
    }
}

TEST_F(AxisMapping, GuardsMapToTheCentreOrZero)
{
    TChartAxis& bottom = chart.BottomAxis();
    Place(bottom, 5, 5 + 1e-10);
    // SetMinMax keeps a range of 1e-10; PrepareScale on equal limits gives a zero range.
    bottom.SetAutomatic(false);
    bottom.SetMaximum(5);
    bottom.PrepareScale();
    EXPECT_EQ(bottom.ScaleRange(), 0);
    EXPECT_EQ(bottom.XValueToPixel(5), bottom.PixelCentre());
    EXPECT_EQ(bottom.XValueToPixel(-1e300), 242);
    // An offset of 2147483647 pixels or more maps to the centre as well.
    Place(bottom, 0, 376);
    EXPECT_EQ(bottom.XValueToPixel(2147483647.0), 242);
    EXPECT_EQ(bottom.XValueToPixel(1e9), 54 + 1000000000);
    // Just inside the guard, a pixel past the int range stays at its edge.
    EXPECT_EQ(bottom.XValueToPixel(2147483600.0), std::numeric_limits<int>::max());
    EXPECT_EQ(bottom.XValueToPixel(-2147483600.0), 54 - 2147483600);
    TChartAxis& left = chart.LeftAxis();
    Place(left, 0, 261);
    EXPECT_EQ(left.YValueToPixel(-2147483600.0), std::numeric_limits<int>::max());
    left.SetInverted(true);
    EXPECT_EQ(left.YValueToPixel(2147483640.0), std::numeric_limits<int>::max());
    bottom.SetInverted(true);
    EXPECT_EQ(bottom.XValueToPixel(-2147483600.0), std::numeric_limits<int>::max());
    bottom.SetInverted(false);
    EXPECT_EQ(bottom.XValueToPixel(1e12), 242);
    EXPECT_EQ(bottom.XValueToPixel(-1e12), 242);
    EXPECT_EQ(bottom.XValueToPixel(std::nan("")), 242);
    // No span: pixels have no value.
    chart.SetPlotRect({54, 31, 430, 292});
    bottom.SetStartPosition(50);
    bottom.SetEndPosition(50);
    bottom.PlacePixels();
    EXPECT_EQ(bottom.PixelLength(), 0);
    EXPECT_EQ(bottom.PixelToValue(100), 0);
}

TEST_F(AxisMapping, ValuesSurviveTheRoundTripThroughPixels)
{
    TChartAxis& bottom = chart.BottomAxis();
    TChartAxis& left = chart.LeftAxis();
    Place(bottom, 200, 360);
    Place(left, 0.9, 1.5);
    for (int x = 54; x <= 430; ++x)
        EXPECT_EQ(bottom.XValueToPixel(bottom.PixelToValue(x)), x);
    for (int y = 31; y <= 292; ++y)
        EXPECT_EQ(left.YValueToPixel(left.PixelToValue(y)), y);
    left.SetInverted(true);
    for (int y = 31; y <= 292; ++y)
        EXPECT_EQ(left.YValueToPixel(left.PixelToValue(y)), y);
    EXPECT_EQ(bottom.PixelToValue(54), 200);
    EXPECT_EQ(bottom.PixelToValue(430), 360);
    EXPECT_EQ(left.PixelToValue(292), 1.5);
    EXPECT_EQ(left.PixelToValue(31), 0.9);
}

TEST_F(AxisMapping, LogarithmicPositionsFollowTheLogarithm)
{
    TChartAxis& bottom = chart.BottomAxis();
    Place(bottom, 1, 1000, {0, 0, 300, 100});
    bottom.SetLogarithmic(true);
    EXPECT_EQ(bottom.XValueToPixel(1), 0);
    EXPECT_EQ(bottom.XValueToPixel(10), 100);
    EXPECT_EQ(bottom.XValueToPixel(100), 200);
    EXPECT_EQ(bottom.XValueToPixel(1000), 300);
    EXPECT_EQ(bottom.XValueToPixel(0), 0);
    EXPECT_EQ(bottom.XValueToPixel(-5), 0);
    EXPECT_NEAR(bottom.PixelToValue(200), 100, 1e-9);
    for (int x = 0; x <= 300; ++x)
        EXPECT_EQ(bottom.XValueToPixel(bottom.PixelToValue(x)), x);
    TChartAxis& left = chart.LeftAxis();
    Place(left, 3, 3, {0, 0, 300, 100});
    left.SetMaximum(3);
    left.SetLogarithmic(true);
    EXPECT_EQ(left.ScaleRange(), 0);
    EXPECT_EQ(left.YValueToPixel(3), left.PixelCentre());
}

TEST_F(AxisMapping, SeriesMarginsNarrowTheDataInsideTheFullSpan)
{
    TChartAxis& bottom = chart.BottomAxis();
    Place(bottom, 0, 100, {0, 0, 100, 100});
    bottom.ApplySeriesMargins(10, 20);
    EXPECT_EQ(bottom.PixelStart(), 0);
    EXPECT_EQ(bottom.PixelEnd(), 100);
    EXPECT_DOUBLE_EQ(bottom.ScaleMinimum(), -100.0 / 7);
    EXPECT_DOUBLE_EQ(bottom.ScaleMaximum(), 100 + 200.0 / 7);
    EXPECT_EQ(bottom.XValueToPixel(0), 10);
    EXPECT_EQ(bottom.XValueToPixel(100), 80);
    TChartAxis& left = chart.LeftAxis();
    Place(left, 0, 100, {0, 0, 100, 100});
    left.ApplySeriesMargins(10, 20);
    EXPECT_LT(left.ScaleMinimum(), left.ScaleMaximum());
    EXPECT_EQ(left.YValueToPixel(100), 10);
    EXPECT_EQ(left.YValueToPixel(0), 80);
}

TEST_F(AxisMapping, StartEndAndPositionPercentPlaceTheAxis)
{
    TChartAxis& left = chart.LeftAxis();
    left.SetStartPosition(10);
    left.SetEndPosition(60);
    Place(left, 0, 1, {0, 100, 200, 300});
    EXPECT_EQ(left.PixelStart(), 120);
    EXPECT_EQ(left.PixelEnd(), 220);
    EXPECT_EQ(left.PixelCentre(), 170);
    left.SetPositionPercent(25);
    chart.Draw(device);
    EXPECT_EQ(left.LinePos(), chart.PlotRect().Left + Round(0.25_ext * chart.PlotRect().Width()));
}

TEST_F(AxisMapping, SetMinMaxOrdersAndWidensTheLimits)
{
    TChartAxis& bottom = chart.BottomAxis();
    bottom.SetMinMax(10, 2);
    EXPECT_FALSE(bottom.Automatic());
    EXPECT_FALSE(bottom.AutomaticMinimum());
    EXPECT_FALSE(bottom.AutomaticMaximum());
    EXPECT_EQ(bottom.Minimum(), 2);
    EXPECT_EQ(bottom.Maximum(), 10);
    bottom.SetMinMax(3, 3);
    EXPECT_EQ(bottom.Minimum(), 3);
    EXPECT_EQ(bottom.Maximum(), 3 + 1e-10);
}

TEST_F(AxisMapping, ScrollMovesBothLimitsWithinTheData)
{
    AddSeries(chart, {0, 100}, {0, 10});
    TChartAxis& bottom = chart.BottomAxis();
    bottom.SetMinMax(20, 60);
    bottom.Scroll(10, false);
    EXPECT_EQ(bottom.Minimum(), 30);
    EXPECT_EQ(bottom.Maximum(), 70);
    bottom.SetMinMax(50, 100);
    bottom.Scroll(10, true);
    EXPECT_EQ(bottom.Maximum(), 100) << "no data beyond the maximum";
    bottom.Scroll(-10, true);
    EXPECT_EQ(bottom.Minimum(), 40);
    bottom.SetMinMax(0, 50);
    bottom.Scroll(-5, true);
    EXPECT_EQ(bottom.Minimum(), 0) << "no data below the minimum";
    bottom.SetAutomatic(true);
    bottom.Scroll(0, true);
    EXPECT_TRUE(bottom.Automatic());
    bottom.Scroll(5, false);
    EXPECT_FALSE(bottom.Automatic());
}

TEST_F(AxisMapping, HitTestCoversLineAndLabels)
{
    ConfigureCalculatorAxes(chart);
    AddSeries(chart, {200, 360}, {0.9, 1.5});
    chart.Draw(device);
    const TChartAxis& bottom = chart.BottomAxis();
    const TChartAxis& left = chart.LeftAxis();
    // Bottom: x 54..429, y from LinePos - 3 (289) to LabelsPos (298) exclusive.
    EXPECT_TRUE(bottom.HitTest(54, 289));
    EXPECT_TRUE(bottom.HitTest(429, 297));
    EXPECT_FALSE(bottom.HitTest(430, 295));
    EXPECT_FALSE(bottom.HitTest(100, 298));
    EXPECT_FALSE(bottom.HitTest(100, 288));
    // Left: x from LabelsPos (48) to LinePos + 3 (57) exclusive, y 31..291.
    EXPECT_TRUE(left.HitTest(48, 31));
    EXPECT_TRUE(left.HitTest(56, 291));
    EXPECT_FALSE(left.HitTest(57, 100));
    EXPECT_FALSE(left.HitTest(47, 100));
    EXPECT_FALSE(chart.TopAxis().HitTest(100, 31)) << "not shown";
}

TEST_F(AxisMapping, AnOtherSideAxisReservesFromTheRightAndAnExtraAxisLeavesTheRectangle)
{
    SetAxisFormatSettings({".", ","});
    AddSeries(chart, {0, 1}, {0, 10}).SetVertAxis(aRightAxis);
    TChartAxis& right = chart.RightAxis();
    right.SetMinMax(0, 10);
    right.Title().SetCaption("R");
    const TRect start{17, 31, 430, 324};
    chart.SetPlotRect(start);
    chart.Canvas().AttachCanvas(device);
    right.PrepareScale();
    TRect r = start;
    right.ReserveSpace(r, TAxisPlacement::TakesRoom);
    // Title 13 (angle 270 across a vertical axis), labels "10" + " " = 15, ticks 2 + 4.
    EXPECT_EQ(r, (TRect{17, 31, 396, 324}));
    EXPECT_EQ(right.TitlePos(), 417);
    EXPECT_EQ(right.LabelsPos(), 402);
    right.SetPositionPercent(10);
    r = start;
    right.ReserveSpace(r, TAxisPlacement::TakesRoom);
    // 10 % of the plot width 413 is 41, toward the chart for an other-side axis.
    EXPECT_EQ(right.TitlePos(), 376);
    EXPECT_EQ(right.LabelsPos(), 361);
    right.SetPositionPercent(0);
    r = start;
    right.ReserveSpace(r, TAxisPlacement::OnEdge);
    EXPECT_EQ(r, start);
    EXPECT_EQ(right.LinePos(), 430);
    EXPECT_EQ(right.LabelsPos(), 436);
    EXPECT_EQ(right.TitlePos(), 451);
}

}
