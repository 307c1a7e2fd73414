#include "AxisTestChart.h"

#include "chart/axes/FormatFloat.h"
#include "chart/canvas/TextAlign.h"

#include <gtest/gtest.h>

namespace {

class CalculatorAxes : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetAxisFormatSettings({".", ","});
        ConfigureCalculatorAxes(chart);
        AddSeries(chart, {200, 360}, {0.9, 1.5});
    }

    TAxisTestChart chart;
    TRecordingDevice device{553, 337};
};

TEST_F(CalculatorAxes, ReserveTheirRoomAndSpanThePlot)
{
    chart.Layout(device);
    EXPECT_EQ(chart.PlotRect(), (TRect{54, 31, 430, 292}));
    const TChartAxis& bottom = chart.BottomAxis();
    const TChartAxis& left = chart.LeftAxis();
    EXPECT_EQ(bottom.TitlePos(), 311);
    EXPECT_EQ(bottom.LabelsPos(), 298);
    EXPECT_EQ(left.TitlePos(), 30);
    EXPECT_EQ(left.LabelsPos(), 48);
    EXPECT_EQ(bottom.PixelStart(), 54);
    EXPECT_EQ(bottom.PixelEnd(), 430);
    EXPECT_EQ(bottom.PixelLength(), 376);
    EXPECT_EQ(left.PixelStart(), 31);
    EXPECT_EQ(left.PixelEnd(), 292);
    EXPECT_EQ(left.PixelLength(), 261);
    EXPECT_EQ(bottom.ScaleMinimum(), 200);
    EXPECT_EQ(bottom.ScaleMaximum(), 360);
    EXPECT_EQ(left.ScaleMinimum(), 0.9);
    EXPECT_EQ(left.ScaleMaximum(), 1.5);
}

TEST_F(CalculatorAxes, FirstLayoutMeasuresTheLimitsAndLaterOnesTheRoundedLabels)
{
    chart.Canvas().AttachCanvas(device);
    chart.Canvas().Font().Assign(chart.LeftAxis().LabelsFont());
    TChartAxis& left = chart.LeftAxis();
    left.PrepareScale();
    // No layout yet: the step is 1e-12 and the texts measured are those of 1.5 and 0.9.
    EXPECT_EQ(left.PixelLength(), 0);
    EXPECT_EQ(left.ComputeIncrement(), 1e-12);
    EXPECT_EQ(left.MaxLabelsWidth(), 18);
    chart.Layout(device);
    chart.Canvas().Font().Assign(left.LabelsFont());
    EXPECT_EQ(left.ComputeIncrement(), 0.1);
    EXPECT_EQ(left.MaxLabelsWidth(), 18);
    chart.Layout(device);
    EXPECT_EQ(chart.PlotRect(), (TRect{54, 31, 430, 292}));
}

TEST_F(CalculatorAxes, ChooseTheirSteps)
{
    chart.Layout(device);
    chart.Canvas().Font().Assign(chart.BottomAxis().LabelsFont());
    EXPECT_EQ(chart.BottomAxis().ComputeIncrement(), 10);
    EXPECT_EQ(chart.LeftAxis().ComputeIncrement(), 0.1);
}

TEST_F(CalculatorAxes, DrawTheBottomLabelsCentredBelowTheAxisWithEvenTies)
{
    chart.BeforePaintAxes = [&] { device.Clear(); };
    chart.Draw(device);
    std::vector<TDrawnText> bottom;
    for (const TDrawnText& t : DrawnTexts(device))
        if (t.At.Y == 298)
            bottom.push_back(t);
    const std::vector<std::pair<std::string, int>> expected{
        {"360", 430}, {"350", 406}, {"340", 383}, {"330", 360}, {"320", 336}, {"310", 312}, {"300", 289},
        {"290", 266}, {"280", 242}, {"270", 218}, {"260", 195}, {"250", 172}, {"240", 148}, {"230", 124},
        {"220", 101}, {"210", 78}, {"200", 54},
    };
    ASSERT_EQ(bottom.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(bottom[i].Text, expected[i].first);
        EXPECT_EQ(bottom[i].At.X, expected[i].second) << expected[i].first;
        EXPECT_EQ(bottom[i].Align, TA_CENTER | TA_TOP);
        EXPECT_EQ(bottom[i].Escapement, 0);
    }
}

TEST_F(CalculatorAxes, DrawTheLeftLabelsRightAlignedAndCentredOnTheirValues)
{
    chart.BeforePaintAxes = [&] { device.Clear(); };
    chart.Draw(device);
    std::vector<TDrawnText> left;
    for (const TDrawnText& t : DrawnTexts(device))
        if (t.At.X == 48)
            left.push_back(t);
    // Positions 31, 75, 118, 162, 205, 249, 292; the tops lie half a text height (6) above them.
    const std::vector<std::pair<std::string, int>> expected{
        {"1.5", 25}, {"1.4", 69}, {"1.3", 112}, {"1.2", 156}, {"1.1", 199}, {"1", 243}, {"0.9", 286},
    };
    ASSERT_EQ(left.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(left[i].Text, expected[i].first);
        EXPECT_EQ(left[i].At.Y, expected[i].second) << expected[i].first;
        EXPECT_EQ(left[i].Align, TA_RIGHT | TA_TOP);
    }
}

TEST_F(CalculatorAxes, MapTheirValuesToThePixelsOfTheExample)
{
    chart.Layout(device);
    const TChartAxis& bottom = chart.BottomAxis();
    const TChartAxis& left = chart.LeftAxis();
    // Exact halves round to even: 352.5 -> 352, 305.5 -> 306, 164.5 -> 164, 117.5 -> 118.
    EXPECT_EQ(bottom.XValueToPixel(350), 406);
    EXPECT_EQ(bottom.XValueToPixel(330), 360);
    EXPECT_EQ(bottom.XValueToPixel(270), 218);
    EXPECT_EQ(bottom.XValueToPixel(250), 172);
    // Offsets just below the half round down: 217.49999999999997, 130.4999999999999, 43.499999999999844.
    EXPECT_EQ(left.YValueToPixel(1.4), 75);
    EXPECT_EQ(left.YValueToPixel(1.5 - 0.1 - 0.1 - 0.1), 162);
    EXPECT_EQ(left.YValueToPixel(1.5 - 0.1 - 0.1 - 0.1 - 0.1 - 0.1), 249);
    EXPECT_EQ(left.ValueToPixel(0.9), 292);
    EXPECT_EQ(left.ValueToPixel(1.5), 31);
}

TEST_F(CalculatorAxes, DrawTitlesInTheirBands)
{
    chart.BeforePaintAxes = [&] { device.Clear(); };
    chart.Draw(device);
    const std::vector<TDrawnText> texts = DrawnTexts(device);
    const auto find = [&](const std::string& text) {
        for (const TDrawnText& t : texts)
            if (t.Text == text)
                return t;
        return TDrawnText{};
    };
    EXPECT_EQ(find("Hardness"), (TDrawnText{"Hardness", {242, 311}, TA_CENTER | TA_TOP, 0}));
    EXPECT_EQ(find("Equivalent Protection of 320 BHN"),
        (TDrawnText{"Equivalent Protection of 320 BHN", {30, 161}, TA_CENTER | TA_BOTTOM, 900}));
}

TEST_F(CalculatorAxes, LeftAxisDrawsLineTicksGridAndMinorTicks)
{
    chart.BeforePaintAxes = [&] { device.Clear(); };
    chart.Draw(device);
    // The left axis is drawn after the bottom one; its line is the one at x 54 in the axis pen.
    const std::vector<TDrawnLine> axisLines = DrawnLines(device, [](const TDrawRecord& r) { return r.State.Pen.Width == 2; });
    ASSERT_EQ(axisLines, (std::vector<TDrawnLine>{{{54, 292}, {430, 292}}, {{54, 31}, {54, 292}}}));
    bool seen = false;
    const std::vector<TDrawnLine> after = DrawnLines(device, [&seen](const TDrawRecord& r) {
        const bool wasSeen = seen;
        seen = seen || (r.State.Pen.Width == 2 && r.P1.X == 54 && r.P2.X == 54);
        return wasSeen;
    });
    const std::vector<int> labels{31, 75, 118, 162, 205, 249, 292};
    ASSERT_GE(after.size(), 3 * labels.size());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        EXPECT_EQ(after[i], (TDrawnLine{{53, labels[i]}, {49, labels[i]}})) << "tick " << i;
        EXPECT_EQ(after[labels.size() + i], (TDrawnLine{{54, labels[i]}, {430, labels[i]}})) << "grid " << i;
    }
    std::vector<int> minor;
    for (std::size_t i = 2 * labels.size(); i < after.size(); ++i) {
        EXPECT_EQ(after[i].From.X, 53);
        EXPECT_EQ(after[i].To.X, 48);
        minor.push_back(after[i].From.Y);
    }
    const std::vector<int> expectedMinor{66, 57, 49, 40, 109, 101, 92, 84, 153, 144, 136, 127, 196, 188, 179, 171,
        240, 231, 223, 214, 283, 275, 266, 258};
    EXPECT_EQ(minor, expectedMinor);
}

}
