#include "chart/series/TChartValueList.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "SeriesDrawingFixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>
#include <vector>

namespace {

using TSegment = std::pair<TPoint, TPoint>;

class FastLineDrawing : public SeriesDrawing {};

struct TColumnCase {
    const char* Name;
    std::vector<double> ColumnValues;
    // Indices into the series (0 is the point before the column) the polyline is expected to pass.
    std::vector<int> Kept;
};

// Both ways of drawing: searching whole columns (ascending X) and taking each point (unordered X).
TEST_F(FastLineDrawing, APixelColumnIsThinnedToItsFirstExtremesAndLastPoint)
{
    // A column of 150 points: extremes in later stretches of it, each reached twice, the highest
    // between the two places of the lowest, so that the order shows which place was taken.
    std::vector<double> longColumn;
    for (int k = 0; k < 150; ++k)
        longColumn.push_back(50 + k % 7);
    longColumn[100] = longColumn[130] = 10;
    longColumn[109] = longColumn[140] = 95;
    const std::vector<TColumnCase> cases = {
        {"lowest before highest", {30, 10, 70, 90, 20, 60}, {0, 1, 2, 4, 6, 7}},
        {"highest before lowest", {30, 90, 70, 10, 20, 60}, {0, 1, 2, 4, 6, 7}},
        {"first is the lowest", {5, 40, 95, 50}, {0, 1, 3, 4, 5}},
        {"last is the highest", {50, 20, 60, 99}, {0, 1, 2, 4, 5}},
        {"not a number lies at the axis middle", {60, std::numeric_limits<double>::quiet_NaN(), 70}, {0, 1, 2, 3, 4}},
        {"the first of equal extremes is kept", {30, 10, 50, 10, 90, 90, 20}, {0, 1, 2, 5, 7, 8}},
        {"extremes late in a long column", {50, 60, 55, 70, 65, 52, 58, 61, 49, 80, 51}, {0, 1, 9, 10, 11, 12}},
        {"the first of equal extremes far into a long column", longColumn, {0, 1, 101, 110, 150, 151}},
        {"not a number is an extreme of a long column", {90, 95, std::numeric_limits<double>::quiet_NaN(), 91, 92, 93, 94, 96},
            {0, 1, 3, 8, 9}},
    };
    for (const TChartListOrder order : {loAscending, loNone}) {
        for (const TColumnCase& c : cases) {
            SCOPED_TRACE(std::string(c.Name) + (order == loNone ? ", unordered" : ", ascending"));
            chart.DestroyAllSeries();
            TFastLineSeries& series = Add<TFastLineSeries>();
            series.XValues().SetOrder(order);
            series.AddPoint(40, 50);
            for (std::size_t k = 0; k < c.ColumnValues.size(); ++k)
                series.AddPoint(50.15 + 0.00001 * static_cast<double>(k), c.ColumnValues[k]);
            series.AddPoint(60, 40);
            const std::vector<TDrawRecord> records = Only(Paint(), TDrawOp::Polyline);
            for (int i = 2; i <= static_cast<int>(c.ColumnValues.size()); ++i)
                ASSERT_EQ(series.CalcXPixel(i), series.CalcXPixel(1)) << "the column points share one pixel column";
            std::vector<TPoint> expected;
            for (const int i : c.Kept)
                expected.push_back(Pixel(series, i));
            ASSERT_EQ(records.size(), 1u);
            EXPECT_EQ(records[0].Points, expected);
        }
    }
}

TEST_F(FastLineDrawing, NullPointsBreakTheLineIntoSeparatePolylines)
{
    TFastLineSeries& series = Add<TFastLineSeries>();
    series.SetSeriesColor(clRed);
    series.AddPoint(10, 10);
    series.AddPoint(20, 40);
    series.AddNullPoint(30, 30);
    series.AddPoint(40, 60);
    series.AddPoint(50, 20);
    series.AddPoint(60, 70);
    const std::vector<TDrawRecord> records = Only(Paint(), TDrawOp::Polyline);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].Points, (std::vector<TPoint>{Pixel(series, 0), Pixel(series, 1)}));
    EXPECT_EQ(records[1].Points, (std::vector<TPoint>{Pixel(series, 3), Pixel(series, 4), Pixel(series, 5)}));
    for (const TDrawRecord& r : records)
        EXPECT_EQ(r.State.Pen.Color, clRed);
}

// Without two points in one column the fast line draws exactly the line series' segments.
TEST_F(FastLineDrawing, WithoutThinningTheSegmentsAreThoseOfTheLineSeries)
{
    const std::vector<std::pair<double, double>> points = {{0, 0}, {7, 93}, {13, 12}, {25, 50}, {25.5, 50}, {40, 99}, {71, 3}, {100, 100}};
    std::vector<TSegment> lineSegments;
    {
        TLineSeries& line = Add<TLineSeries>();
        for (const auto& [x, y] : points)
            line.AddPoint(x, y);
        for (const TDrawRecord& r : Only(Paint(), TDrawOp::LineTo))
            lineSegments.emplace_back(r.P1, r.P2);
    }
    chart.DestroyAllSeries();
    TFastLineSeries& fast = Add<TFastLineSeries>();
    for (const auto& [x, y] : points)
        fast.AddPoint(x, y);
    const std::vector<TDrawRecord> drawn = Paint();
    EXPECT_TRUE(Only(drawn, TDrawOp::LineTo).empty());
    std::vector<TSegment> fastSegments;
    for (const TDrawRecord& r : Only(drawn, TDrawOp::Polyline))
        for (std::size_t i = 1; i < r.Points.size(); ++i)
            fastSegments.emplace_back(r.Points[i - 1], r.Points[i]);
    ASSERT_EQ(lineSegments.size(), points.size() - 1);
    EXPECT_EQ(fastSegments, lineSegments);
}

} // namespace
