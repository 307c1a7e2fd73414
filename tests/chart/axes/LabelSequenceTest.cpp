#include "AxisTestChart.h"

#include "chart/axes/FormatFloat.h"

#include <gtest/gtest.h>

namespace {

class AxisLabels : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetAxisFormatSettings({".", ","});
        ConfigureCalculatorAxes(chart);
        AddSeries(chart, {200, 360}, {0.9, 1.5});
        chart.BeforePaintAxes = [&] { device.Clear(); };
    }

    // The texts drawn at the labels position of the axis, in drawing order.
    std::vector<std::string> LabelsOf(const TChartAxis& axis)
    {
        chart.Draw(device);
        std::vector<std::string> texts;
        for (const TDrawnText& t : DrawnTexts(device))
            if ((axis.IsHorizontal() ? t.At.Y : t.At.X) == axis.LabelsPos() && t.Text != axis.Title().Caption())
                texts.push_back(t.Text);
        return texts;
    }

    // The outer ticks of the left axis (lines ending at LinePos - 1 - TickLength), by y.
    std::vector<int> LeftTicks()
    {
        std::vector<int> ys;
        const int from = chart.LeftAxis().LinePos() - 1;
        for (const TDrawnLine& l : DrawnLines(device))
            if (l.From.X == from && l.To.X == from - chart.LeftAxis().TickLength())
                ys.push_back(l.From.Y);
        return ys;
    }

    TAxisTestChart chart;
    TRecordingDevice device{553, 337};
};

TEST_F(AxisLabels, NextStepRunsOneTwoFive)
{
    const std::pair<double, double> cases[] = {
        {1, 2}, {1.5, 2}, {2, 5}, {4.9, 5}, {5, 10}, {9, 10}, {10, 20}, {20, 50}, {50, 100}, {100, 200},
        {0.1, 0.2}, {0.2, 0.5}, {0.5, 1}, {0.05, 0.1}, {250, 500},
    };
    for (const auto& [x, next] : cases)
        EXPECT_DOUBLE_EQ(TCustomChartAxis::NextStep(x), next) << x;
}

TEST_F(AxisLabels, AGivenIncrementIsEnlargedWhenItsLabelsDoNotFit)
{
    // 55 pixels of left axis hold Round(55 / 14) = 4 labels: 0.1 becomes 0.2.
    chart.StartRect = {17, 31, 430, 31 + 55 + 32};
    EXPECT_EQ(LabelsOf(chart.LeftAxis()), (std::vector<std::string>{"1.4", "1.2", "1"}));
    chart.Canvas().Font().Assign(chart.LeftAxis().LabelsFont());
    EXPECT_DOUBLE_EQ(chart.LeftAxis().ComputeIncrement(), 0.2);
}

// Lengths on both sides of the lengths where one more 14-pixel label fits, Round(length / 14): the
// step is the first of 0.1, 0.2, 0.5 whose label count (6, 3, 1 over 0.9..1.5) is not above that.
TEST_F(AxisLabels, TheStepChangesExactlyWhereOneMoreLabelFits)
{
    struct TCase {
        int Length;
        double Step;
    };
    for (const TCase c : {TCase{34, 0.5}, TCase{40, 0.2}, TCase{42, 0.2}, TCase{70, 0.2}, TCase{76, 0.2}, TCase{78, 0.1},
             TCase{84, 0.1}, TCase{90, 0.1}}) {
        SCOPED_TRACE(c.Length);
        chart.StartRect = {17, 31, 430, 31 + c.Length + 32};
        chart.Draw(device);
        ASSERT_EQ(chart.LeftAxis().PixelLength(), c.Length);
        chart.Canvas().Font().Assign(chart.LeftAxis().LabelsFont());
        EXPECT_DOUBLE_EQ(chart.LeftAxis().ComputeIncrement(), c.Step);
    }
}

// Minor ticks lie strictly inside the axis: one that falls on either end of it is left out, at every
// plot width from 103 to 503 pixels (the narrower ones step by 50, so minor ticks run up to the end).
TEST_F(AxisLabels, MinorTicksStayStrictlyInsideTheAxisAtEveryWidth)
{
    TChartAxis& bottom = chart.BottomAxis();
    bottom.MinorTicks().SetColor(clFuchsia);
    for (int right = 120; right <= 520; ++right) {
        SCOPED_TRACE(right);
        chart.StartRect = {17, 31, right, 324};
        chart.Draw(device);
        const std::vector<TDrawnLine> minor = DrawnLines(device, [](const TDrawRecord& r) { return r.State.Pen.Color == clFuchsia; });
        ASSERT_FALSE(minor.empty());
        for (const TDrawnLine& l : minor) {
            EXPECT_GT(l.From.X, bottom.PixelStart());
            EXPECT_LT(l.From.X, bottom.PixelEnd());
        }
    }
}

TEST_F(AxisLabels, AShortBottomAxisStepsByTwenty)
{
    chart.StartRect = {17, 31, 17 + 37 + 300, 324};
    EXPECT_EQ(LabelsOf(chart.BottomAxis()), (std::vector<std::string>{"360", "340", "320", "300", "280", "260", "240", "220", "200"}));
}

TEST_F(AxisLabels, RoundFirstLabelChoosesMultiplesOrStartsAtTheMaximum)
{
    TChartAxis& left = chart.LeftAxis();
    left.SetMaximum(1.55);
    left.SetMinimum(0.95);
    EXPECT_EQ(LabelsOf(left), (std::vector<std::string>{"1.5", "1.4", "1.3", "1.2", "1.1", "1"}));
    left.SetRoundFirstLabel(false);
    EXPECT_EQ(LabelsOf(left), (std::vector<std::string>{"1.55", "1.45", "1.35", "1.25", "1.15", "1.05", "0.95"}));
}

TEST_F(AxisLabels, LabelsOnAxisFalseDropsTheLabelsAndTicksAtTheEnds)
{
    chart.LeftAxis().SetLabelsOnAxis(false);
    EXPECT_EQ(LabelsOf(chart.LeftAxis()), (std::vector<std::string>{"1.4", "1.3", "1.2", "1.1", "1"}));
    EXPECT_EQ(LeftTicks(), (std::vector<int>{75, 118, 162, 205, 249}));
}

TEST_F(AxisLabels, AnAxisWithNoRoomForALabelDrawsNoLabelsAndNoTicks)
{
    // 6 pixels hold Round(6 / 14) = 0 labels: the step is 1e-12 and the range holds too many.
    chart.StartRect = {17, 31, 430, 31 + 6 + 32};
    EXPECT_TRUE(LabelsOf(chart.LeftAxis()).empty());
    EXPECT_TRUE(LeftTicks().empty());
}

TEST_F(AxisLabels, ATinyIncrementWithoutSeparationDrawsNothing)
{
    chart.LeftAxis().SetLabelsSeparation(0);
    chart.LeftAxis().SetIncrement(0.00005);
    EXPECT_TRUE(LabelsOf(chart.LeftAxis()).empty());
    chart.LeftAxis().SetIncrement(0.1);
    EXPECT_EQ(LabelsOf(chart.LeftAxis()).size(), 7u);
}

TEST_F(AxisLabels, ANegativeMinimumKeepsItsLabel)
{
    TChartAxis& left = chart.LeftAxis();
    left.SetMinimum(-100);
    left.SetMaximum(100);
    left.SetIncrement(50);
    EXPECT_EQ(LabelsOf(left), (std::vector<std::string>{"100", "50", "0", "-50", "-100"}));
}

TEST_F(AxisLabels, LabelsFalseWithTicksOnLabelsOnlyLeavesNoTicksOrGrid)
{
    chart.LeftAxis().SetLabels(false);
    EXPECT_TRUE(LabelsOf(chart.LeftAxis()).empty());
    EXPECT_TRUE(LeftTicks().empty());
    const std::vector<TDrawnLine> grid = DrawnLines(device, [](const TDrawRecord& r) { return r.State.Pen.Style == psDot && r.P1.Y == r.P2.Y; });
    EXPECT_TRUE(grid.empty());
    chart.LeftAxis().SetTickOnLabelsOnly(false);
    LabelsOf(chart.LeftAxis());
    EXPECT_EQ(LeftTicks().size(), 7u);
}

TEST_F(AxisLabels, GridCenteredDrawsLinesBetweenLabels)
{
    chart.LeftAxis().SetGridCentered(true);
    chart.Draw(device);
    std::vector<int> grid;
    for (const TDrawRecord& r : device.RecordsOf(TDrawOp::LineTo))
        if (r.State.Pen.Style == psDot && r.P1.Y == r.P2.Y)
            grid.push_back(r.P1.Y);
    // Halfway between 31, 75, 118, 162, 205, 249, 292 (ties to even: 96.5 -> 96, 183.5 -> 184, 270.5 -> 270).
    EXPECT_EQ(grid, (std::vector<int>{53, 96, 140, 184, 227, 270}));
}

TEST_F(AxisLabels, MultiLineLabelsAreCentredOnTheirValue)
{
    TChartAxis& left = chart.LeftAxis();
    left.SetLabelsMultiLine(true);
    left.SetAxisValuesFormat("0.0 'BHN'");
    chart.Draw(device);
    std::vector<TDrawnText> at31;
    for (const TDrawnText& t : DrawnTexts(device))
        if (t.At.X == left.LabelsPos() && t.At.Y < 40)
            at31.push_back(t);
    // Two lines of 13 pixels centred on y 31: tops at 31 - 13 and 31.
    ASSERT_EQ(at31.size(), 2u);
    EXPECT_EQ(at31[0], (TDrawnText{"1.5", {left.LabelsPos(), 18}, TA_RIGHT | TA_TOP, 0}));
    EXPECT_EQ(at31[1], (TDrawnText{"BHN", {left.LabelsPos(), 31}, TA_RIGHT | TA_TOP, 0}));
    EXPECT_EQ(left.LabelText(1.5), "1.5\rBHN");
}

TEST_F(AxisLabels, TheGetAxisLabelHandlerReplacesTextsButNotMeasurement)
{
    int calls = 0;
    chart.OnGetAxisLabel = [&](TChartAxis& sender, TChartSeries* series, int index, std::string& text) {
        if (&sender == &chart.LeftAxis() && series == nullptr && index == -1) {
            ++calls;
            text = "<" + text + ">";
        }
    };
    chart.Canvas().AttachCanvas(device);
    chart.Canvas().Font().Assign(chart.LeftAxis().LabelsFont());
    chart.LeftAxis().PrepareScale();
    EXPECT_EQ(chart.LeftAxis().MaxLabelsWidth(), 18);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(LabelsOf(chart.LeftAxis()).front(), "<1.5>");
}

TEST_F(AxisLabels, TheNextLabelHandlerChoosesTheValues)
{
    chart.OnGetNextAxisLabel = [&](TChartAxis& sender, int index, double& value, bool& stop) {
        if (&sender != &chart.LeftAxis())
            return;
        const double values[] = {1.0, 1.25, 2.0, 1.3};
        value = values[index];
        stop = false;
    };
    // The third value lies outside the scale and ends the sequence.
    EXPECT_EQ(LabelsOf(chart.LeftAxis()), (std::vector<std::string>{"1", "1.25"}));
    EXPECT_EQ(LabelsOf(chart.BottomAxis()).size(), 17u);
}

TEST_F(AxisLabels, PointLabelsOfTheSeriesLabelTheBottomAxis)
{
    chart.DestroyAllSeries();
    AddSeries(chart, {220, 300, 301, 340}, {1, 1.1, 1.2, 1.3}, {"low", "mid", "close", "high"});
    TChartAxis& bottom = chart.BottomAxis();
    EXPECT_EQ(bottom.EffectiveLabelStyle(), talText);
    EXPECT_EQ(chart.LeftAxis().EffectiveLabelStyle(), talValue);
    // "close" (1 pixel from "mid") would overlap the label before it and is skipped.
    EXPECT_EQ(LabelsOf(bottom), (std::vector<std::string>{"low", "mid", "high"}));
    bottom.SetLabelsSeparation(0);
    EXPECT_EQ(LabelsOf(bottom), (std::vector<std::string>{"low", "mid", "close", "high"}));
}

TEST_F(AxisLabels, LogarithmicLabelsArePowersOfTheBase)
{
    TChartAxis& left = chart.LeftAxis();
    left.SetMaximum(5000);
    left.SetMinimum(2);
    left.SetIncrement(0);
    left.SetLogarithmic(true);
    EXPECT_EQ(LabelsOf(left), (std::vector<std::string>{"10", "100", "1,000"}));
    left.SetLogarithmicBase(2);
    EXPECT_EQ(LabelsOf(left).front(), "2");
    EXPECT_EQ(LabelsOf(left).back(), "4,096");
}

}
