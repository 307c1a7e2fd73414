#include "chart/axes/TChartAxis.h"
#include "support/TRecordingDevice.h"
#include "chart/frame/TChartLegend.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <limits>
#include <vector>

// Charts fed what no caller should feed them: empty and huge series, NaN and infinite values, sizes from
// nothing to enormous, empty and inverted axis ranges. The chart must paint without crashing or hanging,
// and keep every drawn line inside the plot.
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

struct TDrawnChart {
    explicit TDrawnChart(int width = 553, int height = 337)
    {
        chart.SetSize(width, height);
        chart.SetView3D(false);
        // The legend draws a line of each series' colour too; without it every such line is the series'.
        chart.Legend().SetVisible(false);
        chart.BottomAxis().SetMinMax(200, 360);
        chart.LeftAxis().SetMinMax(0.9, 1.5);
    }

    template <class Series>
    Series& Add()
    {
        auto* series = new Series;
        chart.AttachSeries(series);
        return *series;
    }

    // Paints on a fresh window of the chart's size and returns the calls drawn on the off-screen image.
    std::vector<TDrawRecord> Paint()
    {
        TRecordingDevice window(chart.Width(), chart.Height());
        chart.Paint(window);
        std::vector<TDrawRecord> drawn;
        for (const TDrawRecord& record : window.Records()) {
            if (record.Surface != 0) {
                drawn.push_back(record);
            }
        }
        return drawn;
    }

    // The line segments drawn with the series' colour.
    static std::vector<TDrawRecord> SeriesLines(const std::vector<TDrawRecord>& drawn, TColor color)
    {
        std::vector<TDrawRecord> lines;
        for (const TDrawRecord& record : drawn) {
            if (record.Op == TDrawOp::LineTo && record.State.Pen.Color == color) {
                lines.push_back(record);
            }
        }
        return lines;
    }

    TChart chart;
};

TEST(SeriesSizeAbuse, EmptySingleTwoAndManyPointsPaint)
{
    for (const int count : {0, 1, 2, 100000}) {
        TDrawnChart drawn;
        TLineSeries& line = drawn.Add<TLineSeries>();
        line.SetSeriesColor(clRed);
        for (int i = 0; i < count; ++i) {
            line.AddPoint(200 + 160.0 * i / std::max(1, count - 1), 0.9 + 0.6 * (i % 7) / 6);
        }
        const std::vector<TDrawRecord> lines = TDrawnChart::SeriesLines(drawn.Paint(), clRed);
        // A line series joins neighbours: n points, n - 1 segments.
        EXPECT_EQ(static_cast<int>(lines.size()), std::max(0, count - 1)) << count;
        const TRect plot = drawn.chart.PlotRect();
        for (const TDrawRecord& segment : lines) {
            ASSERT_TRUE(segment.P2.X >= plot.Left && segment.P2.X <= plot.Right && segment.P2.Y >= plot.Top && segment.P2.Y <= plot.Bottom)
                << count << " points: segment to " << segment.P2.X << "," << segment.P2.Y;
        }
    }
}

struct TBadValueCase {
    const char* Name;
    double X;
    double Y;
};

// gtest would otherwise print the case as raw bytes, padding included.
void PrintTo(const TBadValueCase& c, std::ostream* out)
{
    *out << c.Name;
}


class BadValueAbuse : public ::testing::TestWithParam<TBadValueCase> {};

// What is drawn: the points in the order the series keeps them (an infinite x sorts last, a NaN x stays
// where it was added, since no comparison with it succeeds), each joined to the next. A coordinate that
// is NaN or infinite, or lies so far off the axis that its pixel would not fit, is drawn at the middle
// pixel of its axis. Every segment is drawn inside the plot's clip rectangle. Nothing hangs.
TEST_P(BadValueAbuse, LineWithABadPointJoinsItAtTheAxisMiddle)
{
    TDrawnChart drawn;
    TLineSeries& line = drawn.Add<TLineSeries>();
    line.SetSeriesColor(clRed);
    line.AddPoint(220, 1.0);
    line.AddPoint(240, 1.1);
    line.AddPoint(GetParam().X, GetParam().Y);
    line.AddPoint(320, 1.2);
    line.AddPoint(340, 1.3);
    const std::vector<TDrawRecord> lines = TDrawnChart::SeriesLines(drawn.Paint(), clRed);
    const TChartAxis& bottom = drawn.chart.BottomAxis();
    const TChartAxis& left = drawn.chart.LeftAxis();
    std::vector<TPoint> expected;
    for (int i = 0; i < line.Count(); ++i) {
        expected.push_back({bottom.XValueToPixel(line.XValueAt(i)), left.YValueToPixel(line.YValueAt(i))});
    }
    std::vector<TPoint> joined{lines.empty() ? TPoint{} : lines.front().P1};
    for (const TDrawRecord& segment : lines) {
        joined.push_back(segment.P2);
        EXPECT_TRUE(segment.State.Clip.has_value());
    }
    EXPECT_EQ(joined, expected);
    const bool badX = !std::isfinite(GetParam().X);
    const TChartAxis& badAxis = badX ? bottom : left;
    const int badPixel = badAxis.ValueToPixel(badX ? GetParam().X : GetParam().Y);
    EXPECT_NEAR(badPixel, (badAxis.PixelStart() + badAxis.PixelEnd()) / 2.0, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Values, BadValueAbuse,
                         ::testing::Values(TBadValueCase{"NaN_y", 280, NaN}, TBadValueCase{"NaN_x", NaN, 1.1},
                                           TBadValueCase{"inf_y", 280, Inf}, TBadValueCase{"minus_inf_y", 280, -Inf},
                                           TBadValueCase{"inf_x", Inf, 1.1}, TBadValueCase{"huge_y", 280, 1e308}),
                         [](const ::testing::TestParamInfo<TBadValueCase>& info) { return std::string(info.param.Name); });

TEST(BadValueAbuse, AutomaticAxesOverNaNAndInfinitePointsPaint)
{
    for (const double bad : {NaN, Inf, -Inf}) {
        TDrawnChart drawn;
        drawn.chart.BottomAxis().SetAutomatic(true);
        drawn.chart.LeftAxis().SetAutomatic(true);
        TPointSeries& points = drawn.Add<TPointSeries>();
        points.AddPoint(1, 1);
        points.AddPoint(bad, bad);
        points.AddPoint(2, 3);
        EXPECT_FALSE(drawn.Paint().empty()) << bad;
        drawn.chart.SetSize(200, 100);
        EXPECT_FALSE(drawn.Paint().empty()) << bad;
    }
}

TEST(ChartSizeAbuse, ZeroTinyAndHugeChartsPaint)
{
    struct TSize {
        int Width;
        int Height;
    };
    for (const TSize size : {TSize{0, 0}, TSize{1, 1}, TSize{10000, 10000}, TSize{553, 0}, TSize{0, 337}}) {
        TDrawnChart drawn(size.Width, size.Height);
        TLineSeries& line = drawn.Add<TLineSeries>();
        line.SetSeriesColor(clRed);
        line.AddPoint(220, 1.0);
        line.AddPoint(340, 1.3);
        const std::vector<TDrawRecord> drawnCalls = drawn.Paint();
        EXPECT_EQ(drawn.chart.Width(), size.Width);
        EXPECT_EQ(drawn.chart.Height(), size.Height);
        if (size.Width == 10000) {
            const std::vector<TDrawRecord> lines = TDrawnChart::SeriesLines(drawnCalls, clRed);
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0].P2, (TPoint{drawn.chart.BottomAxis().XValueToPixel(340), drawn.chart.LeftAxis().YValueToPixel(1.3)}));
            EXPECT_GT(lines[0].P2.X - lines[0].P1.X, 5000);
        }
    }
}

struct TAxisRangeCase {
    const char* Name;
    double Min;
    double Max;
};

// gtest would otherwise print the case as raw bytes, padding included.
void PrintTo(const TAxisRangeCase& c, std::ostream* out)
{
    *out << c.Name;
}


class AxisRangeAbuse : public ::testing::TestWithParam<TAxisRangeCase> {};

// Zero and inverted ranges come in through the form reader, where the min <= max checks are skipped.
TEST_P(AxisRangeAbuse, EmptyAndInvertedRangesPaint)
{
    for (const bool horizontal : {true, false}) {
        TDrawnChart drawn;
        TLineSeries& line = drawn.Add<TLineSeries>();
        line.AddPoint(220, 1.0);
        line.AddPoint(340, 1.3);
        TChartAxis& axis = horizontal ? drawn.chart.BottomAxis() : drawn.chart.LeftAxis();
        drawn.chart.BeginLoading();
        axis.SetMinimum(GetParam().Min);
        axis.SetMaximum(GetParam().Max);
        drawn.chart.EndLoading();
        EXPECT_FALSE(drawn.Paint().empty());
        EXPECT_EQ(axis.Minimum(), GetParam().Min);
        EXPECT_EQ(axis.Maximum(), GetParam().Max);
    }
}

INSTANTIATE_TEST_SUITE_P(Ranges, AxisRangeAbuse,
                         ::testing::Values(TAxisRangeCase{"zero_at_300", 300, 300}, TAxisRangeCase{"zero_at_0", 0, 0},
                                           TAxisRangeCase{"inverted", 360, 200}, TAxisRangeCase{"inverted_tiny", 1.0000001, 1},
                                           TAxisRangeCase{"huge", -1e308, 1e308}),
                         [](const ::testing::TestParamInfo<TAxisRangeCase>& info) { return std::string(info.param.Name); });

TEST(AxisRangeAbuse, SetMinMaxWidensAZeroRangeAndOrdersAnInvertedOne)
{
    TDrawnChart drawn;
    drawn.chart.BottomAxis().SetMinMax(300, 300);
    EXPECT_EQ(drawn.chart.BottomAxis().Minimum(), 300);
    EXPECT_GT(drawn.chart.BottomAxis().Maximum(), 300);
    drawn.chart.LeftAxis().SetMinMax(1.5, -1.5);
    EXPECT_EQ(drawn.chart.LeftAxis().Minimum(), -1.5);
    EXPECT_EQ(drawn.chart.LeftAxis().Maximum(), 1.5);
    EXPECT_FALSE(drawn.Paint().empty());
}

// The limit checks compare with the other limit, and no comparison with NaN succeeds: a NaN limit is taken.
// Every value then maps to the middle pixel of that axis, so a line series collapses onto one row.
TEST(AxisRangeAbuse, NaNLimitIsTakenAndEverythingDrawsAtTheAxisMiddle)
{
    TDrawnChart drawn;
    TLineSeries& line = drawn.Add<TLineSeries>();
    line.SetSeriesColor(clRed);
    line.AddPoint(220, 1.0);
    line.AddPoint(340, 1.3);
    drawn.chart.LeftAxis().SetMinimum(NaN);
    EXPECT_TRUE(std::isnan(drawn.chart.LeftAxis().Minimum()));
    const std::vector<TDrawRecord> lines = TDrawnChart::SeriesLines(drawn.Paint(), clRed);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].P1.Y, lines[0].P2.Y);
    const TChartAxis& left = drawn.chart.LeftAxis();
    EXPECT_NEAR(lines[0].P2.Y, (left.PixelStart() + left.PixelEnd()) / 2.0, 1.0);
}

}  // namespace
