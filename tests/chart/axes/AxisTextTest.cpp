#include "AxisTestChart.h"

#include "chart/axes/AxisDateTime.h"
#include "chart/axes/FormatFloat.h"

#include <gtest/gtest.h>

namespace {

// DrawAxisText on each of the four sides at each right angle, for a one-line and a two-line text.
class AxisText : public ::testing::Test {
protected:
    void SetUp() override
    {
        chart.Canvas().AttachCanvas(device);
        chart.Canvas().Font().Assign(chart.BottomAxis().LabelsFont());
    }

    std::vector<TDrawnText> Draw(TChartAxis& axis, int angle, const std::string& text)
    {
        device.Clear();
        axis.DrawAxisText(100, 200, angle, text);
        return DrawnTexts(device);
    }

    TAxisTestChart chart;
    TRecordingDevice device{553, 337};
};

TEST_F(AxisText, AlignmentAndAnchorByAngleAndSide)
{
    const struct {
        TChartAxis* Axis;
        int Angle;
        TDrawnText Expected;
    } cases[] = {
        {&chart.BottomAxis(), 0, {"T", {100, 200}, TA_CENTER | TA_TOP, 0}},
        {&chart.TopAxis(), 0, {"T", {100, 200}, TA_CENTER | TA_BOTTOM, 0}},
        {&chart.LeftAxis(), 0, {"T", {100, 194}, TA_RIGHT | TA_TOP, 0}},
        {&chart.RightAxis(), 0, {"T", {100, 194}, TA_LEFT | TA_TOP, 0}},
        {&chart.BottomAxis(), 90, {"T", {94, 200}, TA_RIGHT | TA_TOP, 900}},
        {&chart.TopAxis(), 90, {"T", {94, 200}, TA_LEFT | TA_TOP, 900}},
        {&chart.LeftAxis(), 90, {"T", {100, 200}, TA_CENTER | TA_BOTTOM, 900}},
        {&chart.RightAxis(), 90, {"T", {100, 200}, TA_CENTER | TA_TOP, 900}},
        {&chart.BottomAxis(), 180, {"T", {100, 200}, TA_CENTER | TA_BOTTOM, 1800}},
        {&chart.TopAxis(), 180, {"T", {100, 200}, TA_CENTER | TA_TOP, 1800}},
        {&chart.LeftAxis(), 180, {"T", {100, 206}, TA_LEFT | TA_TOP, 1800}},
        {&chart.RightAxis(), 180, {"T", {100, 206}, TA_RIGHT | TA_TOP, 1800}},
        {&chart.BottomAxis(), 270, {"T", {106, 200}, TA_LEFT | TA_TOP, 2700}},
        {&chart.TopAxis(), 270, {"T", {106, 200}, TA_RIGHT | TA_TOP, 2700}},
        {&chart.LeftAxis(), 270, {"T", {100, 200}, TA_CENTER | TA_TOP, 2700}},
        {&chart.RightAxis(), 270, {"T", {100, 200}, TA_CENTER | TA_BOTTOM, 2700}},
        {&chart.BottomAxis(), 45, {"T", {100, 200}, TA_LEFT | TA_TOP, 450}},
    };
    for (const auto& c : cases) {
        const std::vector<TDrawnText> texts = Draw(*c.Axis, c.Angle, "T");
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0], c.Expected) << c.Angle << " " << static_cast<int>(c.Axis->Kind());
        EXPECT_EQ(device.State().TextAlign, TA_LEFT | TA_TOP) << "alignment reset";
    }
}

TEST_F(AxisText, LinesAreStackedAndTheBlockCentred)
{
    const std::string text = "A\rB";
    EXPECT_EQ(Draw(chart.LeftAxis(), 0, text),
        (std::vector<TDrawnText>{{"A", {100, 187}, TA_RIGHT, 0}, {"B", {100, 200}, TA_RIGHT, 0}}));
    EXPECT_EQ(Draw(chart.BottomAxis(), 0, text),
        (std::vector<TDrawnText>{{"A", {100, 200}, TA_CENTER, 0}, {"B", {100, 213}, TA_CENTER, 0}}));
    EXPECT_EQ(Draw(chart.TopAxis(), 0, text),
        (std::vector<TDrawnText>{{"A", {100, 187}, TA_CENTER | TA_BOTTOM, 0}, {"B", {100, 200}, TA_CENTER | TA_BOTTOM, 0}}));
    EXPECT_EQ(Draw(chart.BottomAxis(), 90, text),
        (std::vector<TDrawnText>{{"A", {87, 200}, TA_RIGHT, 900}, {"B", {100, 200}, TA_RIGHT, 900}}));
    EXPECT_TRUE(Draw(chart.LeftAxis(), 0, "").empty());
}

TEST_F(AxisText, TickPositionsStopAtTwoThousand)
{
    SetAxisFormatSettings({".", ","});
    ConfigureCalculatorAxes(chart);
    AddSeries(chart, {200, 360}, {0.9, 1.5});
    TChartAxis& left = chart.LeftAxis();
    left.SetLabelsSeparation(0);
    left.SetIncrement(0.0001);
    left.MinorTicks().SetVisible(false);
    left.Grid().SetVisible(false);
    chart.BeforePaintAxes = [&] { device.Clear(); };
    chart.Draw(device);
    int labels = 0;
    for (const TDrawnText& t : DrawnTexts(device))
        labels += t.At.X == left.LabelsPos();
    int ticks = 0;
    for (const TDrawnLine& l : DrawnLines(device))
        ticks += l.From.X == left.LinePos() - 1 && l.To.X == left.LinePos() - 1 - left.TickLength();
    EXPECT_EQ(labels, 6001);
    EXPECT_EQ(ticks, 2000);
}

TEST(AxisDateTime, FormatsDatesAndTimes)
{
    // 2024-03-05 14:07:09.250 is day 45356 after 1899-12-30.
    const double value = 45356 + (14 * 3600 + 7 * 60 + 9.25) / 86400;
    const std::pair<const char*, const char*> cases[] = {
        {"yyyy-mm-dd", "2024-03-05"},
        {"d/m/yy", "5/3/24"},
        {"dd mmm yyyy", "05 Mar 2024"},
        {"mmmm", "March"},
        {"dddd ddd", "Tuesday Tue"},
        {"hh:nn:ss.zzz", "14:07:09.250"},
        {"hh:mm", "14:07"},
        {"h:nn am/pm", "2:07 pm"},
        {"'at' hh", "at 14"},
    };
    for (const auto& [format, expected] : cases)
        EXPECT_EQ(FormatDateTime(format, value), expected) << format;
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", 0), "1899-12-30 00:00");
    EXPECT_EQ(FormatDateTime("dd/mm/yyyy", 1), "31/12/1899");
}

TEST(AxisDateTime, StepsRunThroughTheCalendarTable)
{
    EXPECT_EQ(NextDateTimeStep(1), 2);
    EXPECT_EQ(NextDateTimeStep(7), 15);
    EXPECT_EQ(NextDateTimeStep(15), 30);
    EXPECT_EQ(NextDateTimeStep(365), 730);
    EXPECT_EQ(DateTimeStepAtLeast(20), 30);
    EXPECT_EQ(DateTimeStepAtLeast(30), 30);
    EXPECT_FALSE(IsCalendarDateTimeStep(7));
    EXPECT_TRUE(IsCalendarDateTimeStep(15));
    EXPECT_TRUE(IsCalendarDateTimeStep(91));
    EXPECT_TRUE(IsCalendarDateTimeStep(730));
    // 2024-03-20 floors to the 15th, to the quarter's first day and to the year's.
    const double march20 = 45371;
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", CalendarFloor(march20, 15)), "2024-03-15");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", CalendarFloor(march20, 91)), "2024-01-01");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", CalendarFloor(march20, 365)), "2024-01-01");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", CalendarPrevious(CalendarFloor(march20, 15), 15)), "2024-03-01");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", CalendarPrevious(45352, 15)), "2024-02-15");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", CalendarPrevious(45352, 30)), "2024-02-01");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", CalendarPrevious(45352, 182)), "2023-09-01");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd", CalendarPrevious(45352, 730)), "2022-01-01");
}

TEST(AxisDateTime, ADateTimeAxisLabelsCalendarMonths)
{
    TAxisTestChart chart;
    TRecordingDevice device{553, 337};
    // 2024-01-10 .. 2024-07-20 on the bottom axis: monthly labels fall on the first of each month.
    AddSeries(chart, {45301, 45493}, {0, 1}).XValues().SetDateTime(true);
    chart.BottomAxis().SetDateTimeFormat("mmm");
    chart.BottomAxis().SetIncrement(30);
    chart.BeforePaintAxes = [&] { device.Clear(); };
    chart.Draw(device);
    std::vector<std::string> labels;
    for (const TDrawnText& t : DrawnTexts(device))
        if (t.At.Y == chart.BottomAxis().LabelsPos())
            labels.push_back(t.Text);
    EXPECT_TRUE(chart.BottomAxis().IsDateTimeScale());
    EXPECT_EQ(labels, (std::vector<std::string>{"Jul", "Jun", "May", "Apr", "Mar", "Feb"}));
    EXPECT_EQ(chart.BottomAxis().LabelText(-1), "");
}

}
