#include "AxisTestChart.h"

#include "chart/axes/AxisException.h"
#include "chart/axes/TChartDepthAxis.h"
#include "chart/panel/ChartException.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

TEST(AxisProperties, DefaultsOfANewAxis)
{
    TAxisTestChart chart;
    const TChartAxis& a = chart.BottomAxis();
    EXPECT_TRUE(a.Automatic() && a.AutomaticMaximum() && a.AutomaticMinimum());
    EXPECT_EQ(a.Axis().Color(), clBlack);
    EXPECT_EQ(a.Axis().Width(), 2);
    EXPECT_EQ(a.AxisValuesFormat(), "#,##0.###");
    EXPECT_FALSE(a.IsAxisValuesFormatStored());
    EXPECT_EQ(a.DateTimeFormat(), "");
    EXPECT_TRUE(a.ExactDateTime());
    EXPECT_EQ(a.Grid().Color(), clGray);
    EXPECT_EQ(a.Grid().Style(), psDot);
    EXPECT_TRUE(a.Grid().Visible());
    EXPECT_FALSE(a.GridCentered());
    EXPECT_EQ(a.Increment(), 0);
    EXPECT_FALSE(a.Inverted());
    EXPECT_TRUE(a.Labels());
    EXPECT_EQ(a.LabelsAngle(), 0);
    EXPECT_TRUE(a.LabelsFont().IsDefault());
    EXPECT_FALSE(a.LabelsMultiLine());
    EXPECT_TRUE(a.LabelsOnAxis());
    EXPECT_EQ(a.LabelsSeparation(), 10);
    EXPECT_EQ(a.LabelsSize(), 0);
    EXPECT_EQ(a.LabelStyle(), talAuto);
    EXPECT_FALSE(a.Logarithmic());
    EXPECT_EQ(a.LogarithmicBase(), 10);
    EXPECT_EQ(a.Maximum(), 0);
    EXPECT_EQ(a.Minimum(), 0);
    EXPECT_FALSE(a.MinorGrid().Visible());
    EXPECT_EQ(a.MinorTickCount(), 3);
    EXPECT_EQ(a.MinorTickLength(), 2);
    EXPECT_EQ(a.MinorTicks().Color(), clGray);
    EXPECT_EQ(a.StartPosition(), 0);
    EXPECT_EQ(a.EndPosition(), 100);
    EXPECT_EQ(a.PositionPercent(), 0);
    EXPECT_TRUE(a.RoundFirstLabel());
    EXPECT_EQ(a.TickInnerLength(), 0);
    EXPECT_EQ(a.TickLength(), 4);
    EXPECT_TRUE(a.TickOnLabelsOnly());
    EXPECT_EQ(a.Ticks().Color(), clGray);
    EXPECT_EQ(a.TicksInner().Color(), clGray);
    EXPECT_EQ(a.Title().Caption(), "");
    EXPECT_EQ(a.TitleSize(), 0);
    EXPECT_TRUE(a.Visible());
}

TEST(AxisProperties, TheChartsAxesByKind)
{
    TAxisTestChart chart;
    const struct {
        const TCustomChartAxis* Axis;
        bool Horizontal, OtherSide, Depth;
        int TitleAngle;
        bool Visible;
    } cases[] = {
        {&chart.BottomAxis(), true, false, false, 0, true},
        {&chart.TopAxis(), true, true, false, 0, true},
        {&chart.LeftAxis(), false, false, false, 90, true},
        {&chart.RightAxis(), false, true, false, 270, true},
        {&chart.DepthAxis(), false, true, true, 0, false},
    };
    ASSERT_EQ(chart.AxesList().size(), 5u);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        EXPECT_EQ(chart.AxesList()[i], c.Axis);
        EXPECT_EQ(c.Axis->IsHorizontal(), c.Horizontal) << i;
        EXPECT_EQ(c.Axis->IsOtherSide(), c.OtherSide) << i;
        EXPECT_EQ(c.Axis->IsDepthAxis(), c.Depth) << i;
        EXPECT_EQ(c.Axis->Title().Angle(), c.TitleAngle) << i;
        EXPECT_EQ(c.Axis->DefaultTitleAngle(), c.TitleAngle) << i;
        EXPECT_FALSE(c.Axis->Title().IsAngleStored()) << i;
        EXPECT_EQ(c.Axis->Visible(), c.Visible) << i;
    }
}

TEST(AxisProperties, RefusedValuesRaiseTheirMessageAndKeepTheOldValue)
{
    TAxisTestChart chart;
    TChartAxis& a = chart.BottomAxis();
    a.SetMinMax(200, 360);
    const struct {
        std::function<void()> Set;
        const char* Message;
        std::function<bool()> Kept;
    } cases[] = {
        {[&] { a.SetMinimum(400); }, "Axis Minimum Value must be <= Maximum", [&] { return a.Minimum() == 200; }},
        {[&] { a.SetMaximum(100); }, "Axis Maximum Value must be >= Minimum", [&] { return a.Maximum() == 360; }},
        {[&] { a.SetIncrement(-0.1); }, "Axis increment must be >= 0", [&] { return a.Increment() == 0; }},
        {[&] { a.SetIncrement(std::nan("")); }, "Axis increment must be >= 0", [&] { return a.Increment() == 0; }},
        {[&] { a.SetLabelsSeparation(-1); }, "Labels Separation % must be greater than 0", [&] { return a.LabelsSeparation() == 10; }},
        {[&] { a.SetLogarithmicBase(1); }, "Axis Logarithmic Base should be >= 2", [&] { return a.LogarithmicBase() == 10; }},
    };
    for (const auto& c : cases) {
        try {
            c.Set();
            ADD_FAILURE() << "accepted: " << c.Message;
        } catch (const AxisException& e) {
            EXPECT_STREQ(e.what(), c.Message);
        }
        EXPECT_TRUE(c.Kept()) << c.Message;
    }
    a.SetLabelsSeparation(0);
    EXPECT_EQ(a.LabelsSeparation(), 0);
    a.SetMinimum(360);
    EXPECT_EQ(a.Minimum(), 360);
}

TEST(AxisProperties, AnglesOutsideTheCircleAreRefusedByTheChart)
{
    TAxisTestChart chart;
    TChartAxis& a = chart.LeftAxis();
    for (int angle : {-1, 360}) {
        try {
            a.SetLabelsAngle(angle);
            ADD_FAILURE() << angle;
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), "Axis Labels Angle must be between 0 and 359 degrees");
        }
        try {
            a.Title().SetAngle(angle);
            ADD_FAILURE() << angle;
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), "Axis Title Angle must be between 0 and 359 degrees");
        }
    }
    EXPECT_EQ(a.LabelsAngle(), 0);
    EXPECT_EQ(a.Title().Angle(), 90);
    a.SetLabelsAngle(359);
    a.Title().SetAngle(0);
    EXPECT_EQ(a.LabelsAngle(), 359);
    EXPECT_TRUE(a.Title().IsAngleStored());
}

TEST(AxisProperties, LogarithmicNeedsNonNegativeLimitsAndANumericScale)
{
    TAxisTestChart chart;
    TChartAxis& left = chart.LeftAxis();
    left.SetMinMax(-1, 10);
    try {
        left.SetLogarithmic(true);
        ADD_FAILURE();
    } catch (const AxisException& e) {
        EXPECT_STREQ(e.what(), "Logarithmic Axis Min and Max values should be >= 0");
    }
    EXPECT_FALSE(left.Logarithmic());
    TChartAxis& bottom = chart.BottomAxis();
    AddSeries(chart, {1, 2}, {1, 2}).XValues().SetDateTime(true);
    try {
        bottom.SetLogarithmic(true);
        ADD_FAILURE();
    } catch (const AxisException& e) {
        EXPECT_STREQ(e.what(), "DateTime Axis cannot be Logarithmic");
    }
    EXPECT_FALSE(bottom.Logarithmic());
}

TEST(AxisProperties, LimitChecksAreSkippedWhileLoading)
{
    TAxisTestChart chart;
    TChartAxis& a = chart.BottomAxis();
    chart.BeginLoading();
    a.SetAutomatic(false);
    a.SetMinimum(200);
    a.SetMaximum(360);
    chart.EndLoading();
    EXPECT_EQ(a.Minimum(), 200);
    EXPECT_EQ(a.Maximum(), 360);
    // While loading, Automatic does not carry the two others along.
    EXPECT_FALSE(a.Automatic());
    EXPECT_TRUE(a.AutomaticMinimum());
    EXPECT_TRUE(a.AutomaticMaximum());
}

TEST(AxisProperties, AutomaticFlagsFollowEachOther)
{
    TAxisTestChart chart;
    TChartAxis& a = chart.BottomAxis();
    a.SetAutomatic(false);
    EXPECT_FALSE(a.AutomaticMinimum());
    EXPECT_FALSE(a.AutomaticMaximum());
    a.SetAutomaticMinimum(true);
    EXPECT_FALSE(a.Automatic()) << "the maximum is still fixed";
    a.SetAutomaticMaximum(true);
    EXPECT_TRUE(a.Automatic());
    a.SetAutomaticMinimum(false);
    EXPECT_FALSE(a.Automatic());
    EXPECT_TRUE(a.AutomaticMaximum());
}

TEST(AxisProperties, SettersRepaintOnlyOnChange)
{
    TAxisTestChart chart;
    int repaints = 0;
    chart.OnInvalidate = [&] { ++repaints; };
    TChartAxis& a = chart.BottomAxis();
    a.SetTickLength(4);
    a.SetGridCentered(false);
    a.Grid().SetColor(clGray);
    EXPECT_EQ(repaints, 0);
    a.SetTickLength(5);
    EXPECT_EQ(repaints, 1);
    a.Grid().SetColor(clRed);
    EXPECT_EQ(repaints, 2);
    a.LabelsFont().SetSize(10);
    EXPECT_EQ(repaints, 3);
    a.Title().SetCaption("X");
    EXPECT_EQ(repaints, 4);
    int immediate = 0;
    chart.OnRepaint = [&] { ++immediate; };
    a.SetLabelStyle(talValue);
    EXPECT_EQ(repaints, 5);
    EXPECT_EQ(immediate, 1);
    a.Scroll(1, false);
    EXPECT_EQ(repaints, 6);
    EXPECT_EQ(immediate, 1);
}

TEST(AxisProperties, AssignCopiesSettingsPensFontTitleAndOrientation)
{
    TAxisTestChart chart;
    TChartAxis& bottom = chart.BottomAxis();
    bottom.SetMinMax(200, 360);
    bottom.SetIncrement(20);
    bottom.SetMinorTickCount(4);
    bottom.Grid().SetColor(clRed);
    bottom.LabelsFont().SetSize(12);
    bottom.Title().SetCaption("Hardness");
    bottom.SetAxisValuesFormat("0.0");
    TChartAxis& right = chart.RightAxis();
    right.Assign(bottom);
    EXPECT_FALSE(right.Automatic());
    EXPECT_EQ(right.Minimum(), 200);
    EXPECT_EQ(right.Maximum(), 360);
    EXPECT_EQ(right.Increment(), 20);
    EXPECT_EQ(right.MinorTickCount(), 4);
    EXPECT_EQ(right.Grid().Color(), clRed);
    EXPECT_EQ(right.LabelsFont().Size(), 12);
    EXPECT_EQ(right.Title().Caption(), "Hardness");
    EXPECT_EQ(right.Title().Angle(), 0);
    EXPECT_EQ(right.AxisValuesFormat(), "0.0");
    EXPECT_TRUE(right.IsHorizontal());
    EXPECT_FALSE(right.IsOtherSide());
}

}
