#include "chart/axes/TChartAxis.h"
#include "support/TRecordingDevice.h"
#include "chart/mouse/TChartClickedPart.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"

#include <gtest/gtest.h>

#include <ostream>

// The calculator refills its series in a handler and the chart repaints later; a click that arrives in
// between finds a series with fewer points than its last paint drew.
namespace {

struct TChangedSeriesCase {
    const char* Name;
    void (*Change)(TLineSeries&);
};

// gtest would otherwise print the case as raw bytes, padding included.
void PrintTo(const TChangedSeriesCase& c, std::ostream* out)
{
    *out << c.Name;
}


class MouseAfterChangeAbuse : public ::testing::TestWithParam<TChangedSeriesCase> {};

TEST_P(MouseAfterChangeAbuse, ClickOnWherePointsWereBeforeTheRepaint)
{
    TChart chart;
    chart.SetSize(553, 337);
    chart.SetView3D(false);
    chart.BottomAxis().SetMinMax(200, 360);
    chart.LeftAxis().SetMinMax(0.9, 1.5);
    auto* marker = new TLineSeries;
    marker->AddPoint(280, 1.5);
    marker->AddPoint(280, 0.9);
    chart.AttachSeries(marker);
    TRecordingDevice window(553, 337);
    chart.Paint(window);
    const int x = chart.BottomAxis().XValueToPixel(280);
    const int y = chart.LeftAxis().YValueToPixel(1.2);
    ASSERT_EQ(chart.ClickedPart(x, y).Series, marker);

    GetParam().Change(*marker);

    TChartClickedPart part;
    ASSERT_NO_THROW(part = chart.ClickedPart(x, y));
    EXPECT_NE(part.Series, marker);
    EXPECT_NO_THROW(chart.MouseDown(mbLeft, ssLeft, x, y));
    EXPECT_NO_THROW(chart.MouseMove(ssLeft, x + 30, y + 30));
    EXPECT_NO_THROW(chart.MouseUp(mbLeft, 0, x + 30, y + 30));
    chart.Paint(window);
    EXPECT_NO_THROW(chart.ClickedPart(x, y));
}

INSTANTIATE_TEST_SUITE_P(Changes, MouseAfterChangeAbuse,
                         ::testing::Values(TChangedSeriesCase{"cleared", [](TLineSeries& s) { s.ClearPoints(); }},
                                           TChangedSeriesCase{"last_deleted", [](TLineSeries& s) { s.DeletePoint(1); }}),
                         [](const ::testing::TestParamInfo<TChangedSeriesCase>& info) { return std::string(info.param.Name); });

}  // namespace
