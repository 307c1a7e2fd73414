#include "chart/axes/TChartAxis.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "support/TRecordingDevice.h"
#include "chart/frame/TChartLegend.h"
#include "chart/panel/TChart.h"
#include "chart/series/TChartValueList.h"
#include "chart/series/TAreaSeries.h"
#include "chart/series/TBarSeries.h"
#include "chart/series/TFastLineSeries.h"
#include "chart/series/THorizBarSeries.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPieSeries.h"
#include "chart/series/TPointSeries.h"
#include "SeriesDrawingFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

namespace {

TEST_F(SeriesDrawing, ThePointSeriesDrawsABlackDiamondOfHalfSizeTwo)
{
    TPointSeries& series = Add<TPointSeries>();
    series.SetSeriesColor(clGreen);
    series.Pointer().SetStyle(psDiamond);
    series.Pointer().SetHorizSize(2);
    series.Pointer().SetVertSize(2);
    series.Pointer().Brush().SetColor(clBlack);
    series.AddPoint(50, 50);
    const std::vector<TDrawRecord> records = Paint();
    const std::vector<TDrawRecord> polygons = Only(records, TDrawOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    const TPoint p = Pixel(series, 0);
    EXPECT_EQ(polygons[0].Points, (std::vector<TPoint>{{p.X - 2, p.Y}, {p.X, p.Y - 2}, {p.X + 2, p.Y}, {p.X, p.Y + 2}}));
    EXPECT_EQ(polygons[0].State.Brush.Color, clBlack);
    EXPECT_EQ(polygons[0].State.Pen.Color, clBlack);
    EXPECT_TRUE(Only(records, TDrawOp::LineTo).empty());
}

TEST_F(SeriesDrawing, EveryPointerStyleHasItsShape)
{
    TPointSeries& series = Add<TPointSeries>();
    series.SetSeriesColor(clRed);
    series.Pointer().SetHorizSize(3);
    series.Pointer().SetVertSize(2);
    series.AddPoint(50, 50);
    series.Pointer().SetStyle(psRectangle);
    std::vector<TDrawRecord> records = Only(Paint(), TDrawOp::Rectangle);
    const TPoint p = Pixel(series, 0);
    const int l = p.X - 3, r = p.X + 3, t = p.Y - 2, b = p.Y + 2;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Rect, (TRect{l, t, r + 1, b + 1}));
    EXPECT_EQ(records[0].State.Brush.Color, clRed);

    series.Pointer().SetStyle(psCircle);
    records = Only(Paint(), TDrawOp::Ellipse);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Rect, (TRect{l, t, r, b}));

    series.Pointer().SetStyle(psTriangle);
    records = Paint();
    ASSERT_EQ(Only(records, TDrawOp::Polygon).size(), 1u);
    EXPECT_EQ(Only(records, TDrawOp::Polygon)[0].Points, (std::vector<TPoint>{{l, b}, {r, b}, {p.X, t}}));
    // The base once more, to its right end inclusive, which a raster outline leaves out.
    records = Only(records, TDrawOp::LineTo);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].P1, (TPoint{l, b}));
    EXPECT_EQ(records[0].P2, (TPoint{r + 1, b}));

    series.Pointer().SetStyle(psDownTriangle);
    records = Only(Paint(), TDrawOp::Polygon);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].Points, (std::vector<TPoint>{{l, t}, {r, t}, {p.X, b}}));

    series.Pointer().SetStyle(psStar);
    records = Only(Paint(), TDrawOp::LineTo);
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[0].P1, (TPoint{p.X, t}));
    EXPECT_EQ(records[0].P2, (TPoint{p.X, b + 1}));
    EXPECT_EQ(records[1].P1, (TPoint{l, p.Y}));
    EXPECT_EQ(records[1].P2, (TPoint{r + 1, p.Y}));
    EXPECT_EQ(records[2].P1, (TPoint{l, t}));
    EXPECT_EQ(records[2].P2, (TPoint{r + 1, b + 1}));
    EXPECT_EQ(records[3].P1, (TPoint{r, t}));
    EXPECT_EQ(records[3].P2, (TPoint{l - 1, b + 1}));
    for (const TDrawRecord& line : records)
        EXPECT_EQ(line.State.Pen.Color, clRed);

    series.Pointer().SetStyle(psSmallDot);
    records = Only(Paint(), TDrawOp::SetPixel);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].P1, p);
    EXPECT_EQ(records[0].Color, clRed);
}

TEST_F(SeriesDrawing, MarkersComeAfterTheSegmentsAroundTheirPoint)
{
    TLineSeries& series = Add<TLineSeries>();
    series.Pointer().SetVisible(true);
    for (double x : {10.0, 40.0, 70.0, 90.0})
        series.AddPoint(x, x / 2);
    const std::vector<TDrawRecord> records = Paint();
    const auto indexOf = [&records](auto predicate) {
        for (std::size_t i = 0; i < records.size(); ++i)
            if (predicate(records[i]))
                return static_cast<int>(i);
        return -1;
    };
    for (int i = 0; i < series.Count(); ++i) {
        const TPoint p = Pixel(series, i);
        const int marker = indexOf([&](const TDrawRecord& r) { return r.Op == TDrawOp::Rectangle && r.Rect.Left == p.X - 4 && r.Rect.Top == p.Y - 4; });
        ASSERT_GE(marker, 0) << "no marker for point " << i;
        const int entering = indexOf([&](const TDrawRecord& r) { return r.Op == TDrawOp::LineTo && r.P2 == p; });
        const int leaving = indexOf([&](const TDrawRecord& r) { return r.Op == TDrawOp::LineTo && r.P1 == p; });
        if (i > 0) {
            ASSERT_GE(entering, 0) << i;
            EXPECT_LT(entering, marker) << i;
        }
        if (i + 1 < series.Count()) {
            ASSERT_GE(leaving, 0) << i;
            EXPECT_LT(leaving, marker) << i;
        }
    }
}

TEST_F(SeriesDrawing, TheFirstSegmentEntersAtTheLeftEdgeAtTheInterpolatedHeight)
{
    chart.BottomAxis().SetMinMax(10, 100);
    TLineSeries& series = Add<TLineSeries>();
    series.AddPoint(0, 0);
    series.AddPoint(20, 20);
    series.AddPoint(60, 60);
    std::vector<TDrawRecord> lines = Only(Paint(), TDrawOp::LineTo);
    EXPECT_EQ(series.FirstVisible(), 1);
    ASSERT_EQ(lines.size(), 2u);
    const int left = chart.PlotRect().Left;
    const double edgeValue = chart.BottomAxis().PixelToValue(left);
    EXPECT_NEAR(edgeValue, 10, 0.5);
    EXPECT_EQ(lines[0].P1, (TPoint{left, chart.LeftAxis().YValueToPixel(edgeValue)}));
    EXPECT_EQ(lines[0].P2, Pixel(series, 1));
    EXPECT_EQ(lines[1].P2, Pixel(series, 2));

    series.SetStairs(true);
    lines = Only(Paint(), TDrawOp::LineTo);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].P1, (TPoint{left, Pixel(series, 0).Y}));
    EXPECT_EQ(lines[0].P2, (TPoint{Pixel(series, 1).X, Pixel(series, 0).Y}));
}

TEST_F(SeriesDrawing, OnlyTheFirstPointPastTheRightEdgeIsDrawn)
{
    chart.BottomAxis().SetMinMax(0, 50);
    TLineSeries& series = Add<TLineSeries>();
    for (double x : {10.0, 40.0, 60.0, 80.0})
        series.AddPoint(x, 50);
    const std::vector<TDrawRecord> lines = Only(Paint(), TDrawOp::LineTo);
    EXPECT_EQ(series.LastVisible(), 2);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].P2, Pixel(series, 2));
}

// The visible range ends at the first point at or past the right edge: a point exactly on the edge
// belongs to it, and one past the edge only to a series that keeps a point past the edge.
TEST_F(SeriesDrawing, APointExactlyOnTheRightEdgeIsVisible)
{
    struct TCase {
        bool KeepPointPastEdge;
        std::vector<double> Offsets;
        int LastVisible;
    };
    for (const TCase& c : {TCase{false, {-40, 0, 5}, 1}, TCase{true, {-40, 0, 5}, 1}, TCase{false, {-40, 0}, 1},
             TCase{true, {-40, 0}, 1}, TCase{false, {-40, -1, 5}, 1}, TCase{true, {-40, -1, 5}, 2},
             TCase{false, {-40, 0, 0, 5}, 1}}) {
        SCOPED_TRACE(testing::Message() << c.KeepPointPastEdge << " " << c.Offsets.size());
        chart.DestroyAllSeries();
        chart.BottomAxis().SetMinMax(0, 50);
        TLineSeries& series = Add<TLineSeries>();
        Paint();
        const double edge = chart.BottomAxis().PixelToValue(chart.PlotRect().Right);
        series.SetKeepPointPastEdge(c.KeepPointPastEdge);
        for (double offset : c.Offsets)
            series.AddPoint(edge + offset, 50);
        Paint();
        EXPECT_EQ(series.FirstVisible(), 0);
        EXPECT_EQ(series.LastVisible(), c.LastVisible);
    }
}

// Scrolled so that the first visible point follows a null point, the line does not enter from the
// left edge: no line runs from a null point, with or without markers.
TEST_F(SeriesDrawing, NoLineEntersFromANullPointBeforeTheVisibleRange)
{
    for (const bool markers : {false, true}) {
        for (const bool nullBefore : {false, true}) {
            SCOPED_TRACE(testing::Message() << "markers " << markers << " null before " << nullBefore);
            chart.DestroyAllSeries();
            chart.BottomAxis().SetMinMax(10, 100);
            TLineSeries& series = Add<TLineSeries>();
            series.Pointer().SetVisible(markers);
            if (nullBefore)
                series.AddNullPoint(0, 0);
            else
                series.AddPoint(0, 0);
            series.AddPoint(20, 20);
            series.AddPoint(60, 60);
            const std::vector<TDrawRecord> lines = Only(Paint(), TDrawOp::LineTo);
            ASSERT_EQ(series.FirstVisible(), 1);
            ASSERT_EQ(lines.size(), nullBefore ? 1u : 2u);
            EXPECT_EQ(lines.front().P1.X, nullBefore ? Pixel(series, 1).X : chart.PlotRect().Left);
            EXPECT_EQ(lines.back().P2, Pixel(series, 2));
        }
    }
}

TEST_F(SeriesDrawing, NullPointsBreakTheLineAndHaveNoMarker)
{
    TLineSeries& series = Add<TLineSeries>();
    series.Pointer().SetVisible(true);
    series.AddPoint(10, 10);
    series.AddPoint(20, 20);
    series.AddNullPoint(30, 30);
    series.AddPoint(40, 40);
    series.AddPoint(50, 50);
    const std::vector<TDrawRecord> records = Paint();
    const std::vector<TDrawRecord> lines = Only(records, TDrawOp::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].P1, Pixel(series, 0));
    EXPECT_EQ(lines[0].P2, Pixel(series, 1));
    EXPECT_EQ(lines[1].P1, Pixel(series, 3));
    EXPECT_EQ(lines[1].P2, Pixel(series, 4));
    const std::vector<TDrawRecord> markers = Only(records, TDrawOp::Rectangle);
    EXPECT_EQ(markers.size(), 4u);
    for (const TDrawRecord& m : markers)
        EXPECT_NE(m.Rect.Left, Pixel(series, 2).X - 4);
}

TEST_F(SeriesDrawing, TwoPointsAtOneXGiveOneVerticalLine)
{
    TLineSeries& series = Add<TLineSeries>();
    series.SetSeriesColor(clBlue);
    series.AddPoint(50, 80);
    series.AddPoint(50, 20);
    const std::vector<TDrawRecord> lines = Only(Paint(), TDrawOp::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].P1, Pixel(series, 0));
    EXPECT_EQ(lines[0].P2, Pixel(series, 1));
    EXPECT_EQ(lines[0].P1.X, lines[0].P2.X);
    EXPECT_LT(lines[0].P1.Y, lines[0].P2.Y);
    EXPECT_EQ(lines[0].State.Pen.Color, clBlue);
}

TEST_F(SeriesDrawing, PointsAtOnePixelDrawNoLineButTheirMarkers)
{
    TLineSeries& series = Add<TLineSeries>();
    series.Pointer().SetVisible(true);
    series.AddPoint(50, 50);
    series.AddPoint(50, 50);
    const std::vector<TDrawRecord> records = Paint();
    EXPECT_TRUE(Only(records, TDrawOp::LineTo).empty());
    EXPECT_EQ(Only(records, TDrawOp::Rectangle).size(), 2u);
}

TEST_F(SeriesDrawing, EverySeriesPrimitiveIsDrawnInsideThePlotClip)
{
    chart.BottomAxis().SetMinMax(20, 60);
    TLineSeries& series = Add<TLineSeries>();
    series.Pointer().SetVisible(true);
    for (int i = 0; i <= 20; ++i)
        series.AddPoint(i * 5, (i % 3) * 60 - 10);
    const std::vector<TDrawRecord> records = Paint();
    const TRect plot = chart.PlotRect();
    const TRect clip{plot.Left + 1, plot.Top + 1, plot.Right, plot.Bottom - 1};
    ASSERT_FALSE(Only(records, TDrawOp::LineTo).empty());
    for (const TDrawRecord& r : records) {
        if (r.Op == TDrawOp::ClipRect || r.Op == TDrawOp::UnClip || r.Op == TDrawOp::MoveTo)
            continue;
        ASSERT_TRUE(r.State.Clip.has_value()) << static_cast<int>(r.Op);
        EXPECT_EQ(*r.State.Clip, clip);
    }
}

TEST_F(SeriesDrawing, LegendSymbolIsALineAndAMarkerOnlyWithAVisiblePointer)
{
    TLineSeries& series = Add<TLineSeries>();
    series.SetSeriesColor(clRed);
    series.AddPoint(1, 1);
    Paint();
    const TRect rect{10, 20, 40, 32};

    device.Clear();
    series.DrawLegendItem(-1, rect, clWhite);
    std::vector<TDrawRecord> lines = Only(device.Records(), TDrawOp::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].P1, (TPoint{10, 26}));
    EXPECT_EQ(lines[0].P2, (TPoint{40, 26}));
    EXPECT_EQ(lines[0].State.Pen.Color, clRed);
    EXPECT_TRUE(Only(device.Records(), TDrawOp::Rectangle).empty());

    series.Pointer().SetVisible(true);
    device.Clear();
    series.DrawLegendItem(-1, rect, clWhite);
    const std::vector<TDrawRecord> markers = Only(device.Records(), TDrawOp::Rectangle);
    ASSERT_EQ(Only(device.Records(), TDrawOp::LineTo).size(), 1u);
    ASSERT_EQ(markers.size(), 1u);
    // Half-sizes limited to a third of the rectangle: min(4, 30 div 3) and min(4, 12 div 3).
    EXPECT_EQ(markers[0].Rect, (TRect{25 - 4, 26 - 4, 25 + 5, 26 + 5}));

    series.LinePen().SetVisible(false);
    series.Pointer().SetHorizSize(20);
    device.Clear();
    series.DrawLegendItem(-1, rect, clWhite);
    const std::vector<TDrawRecord> wide = Only(device.Records(), TDrawOp::Rectangle);
    ASSERT_EQ(wide.size(), 1u);
    // Without a visible line the limit is half the rectangle plus one: 30 div 2 + 1 = 16.
    EXPECT_EQ(wide[0].Rect, (TRect{25 - 16, 26 - 4, 25 + 17, 26 + 5}));
}

TEST_F(SeriesDrawing, MarginsLeaveRoomForVisibleMarkers)
{
    TPointSeries& series = Add<TPointSeries>();
    series.Pointer().SetHorizSize(2);
    series.Pointer().SetVertSize(3);
    int left = 0, right = 1, top = 0, bottom = 9;
    series.HorizMargins(left, right);
    series.VertMargins(top, bottom);
    EXPECT_EQ(left, 3);
    EXPECT_EQ(right, 3);
    EXPECT_EQ(top, 4);
    EXPECT_EQ(bottom, 9);
    series.Pointer().SetInflateMargins(false);
    left = right = 0;
    series.HorizMargins(left, right);
    EXPECT_EQ(left, 0);
}

TEST_F(SeriesDrawing, PointAtPixelFindsMarkersAndLines)
{
    TLineSeries& series = Add<TLineSeries>();
    series.AddPoint(10, 10);
    series.AddPoint(50, 10);
    series.AddPoint(90, 90);
    Paint();
    const TPoint a = Pixel(series, 0);
    const TPoint b = Pixel(series, 1);
    EXPECT_EQ(series.PointAtPixel(a.X, a.Y), 0);
    EXPECT_EQ(series.PointAtPixel((a.X + b.X) / 2, a.Y), 0);
    EXPECT_EQ(series.PointAtPixel((a.X + b.X) / 2, a.Y - 3), -1);
    series.Pointer().SetVisible(true);
    int clicked = -1;
    series.OnClickPointer = [&clicked](TCustomSeries&, int index, int, int) { clicked = index; };
    EXPECT_EQ(series.PointAtPixel(b.X + 3, b.Y - 3), 1);
    EXPECT_EQ(clicked, 1);
    // The marker test is strict: a distance of HorizSize is outside it.
    EXPECT_EQ(series.PointAtPixel(b.X + 4, b.Y), -1);
    series.SetLineClickable(false);
    EXPECT_EQ(series.PointAtPixel((a.X + b.X) / 2, a.Y), -1);
}

// On ascending X only the segments around the pixel's column are tried; the answer is the one a
// try of every segment gives (the order set to none makes the search try them all).
TEST_F(SeriesDrawing, PointAtPixelOnAscendingXFindsWhatTryingEverySegmentFinds)
{
    TLineSeries& series = Add<TLineSeries>();
    std::uint32_t seed = 5;
    const auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>(seed >> 16);
    };
    double y = 0;
    for (int i = 0; i < 3000; ++i) {
        y += next() % 7 - 3;
        // Repeated X values make vertical runs within one column.
        series.AddPoint(i / 3 + (next() % 5 == 0 ? 0.5 : 0.0), y);
    }
    chart.BottomAxis().SetAutomatic(true);
    chart.LeftAxis().SetAutomatic(true);
    for (const bool inverted : {false, true}) {
        chart.BottomAxis().SetInverted(inverted);
        Paint();
        std::vector<TPoint> probes;
        for (int i = 0; i < 3000; i += 7) {
            const TPoint a = Pixel(series, i);
            const TPoint b = Pixel(series, i + 1);
            probes.push_back(a);
            probes.push_back({(a.X + b.X) / 2, (a.Y + b.Y) / 2});
            probes.push_back({a.X, a.Y + 1});
        }
        for (int k = 0; k < 600; ++k)
            probes.push_back({next() % 420, next() % 320});
        std::vector<int> found;
        for (const TPoint& p : probes)
            found.push_back(series.PointAtPixel(p.X, p.Y));
        series.XValues().SetOrder(loNone);
        for (std::size_t k = 0; k < probes.size(); ++k)
            EXPECT_EQ(found[k], series.PointAtPixel(probes[k].X, probes[k].Y)) << probes[k].X << "," << probes[k].Y << " inverted " << inverted;
        series.XValues().SetOrder(loAscending);
        EXPECT_GT(std::count_if(found.begin(), found.end(), [](int i) { return i >= 0; }), 300) << inverted;
    }
}

TEST_F(SeriesDrawing, APointBeyondThePixelRangeIsSkippedAndTheLineBridgesIt)
{
    TLineSeries& series = Add<TLineSeries>();
    series.AddPoint(10, 10);
    series.AddPoint(20, 20000);
    series.AddPoint(30, 30);
    const std::vector<TDrawRecord> lines = Only(Paint(), TDrawOp::LineTo);
    ASSERT_LT(series.CalcYPixel(1), -32766);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].P1, Pixel(series, 0));
    EXPECT_EQ(lines[0].P2, Pixel(series, 2));
}

TEST_F(SeriesDrawing, OnGetPointerStyleChoosesTheShapeOfEachPoint)
{
    TPointSeries& series = Add<TPointSeries>();
    series.AddPoint(20, 20);
    series.AddPoint(40, 40);
    series.AddPoint(60, 60);
    std::vector<int> asked;
    series.OnGetPointerStyle = [&asked](TCustomSeries&, int index) {
        asked.push_back(index);
        return index == 1 ? psCircle : psDiamond;
    };
    const std::vector<TDrawRecord> records = Paint();
    EXPECT_EQ(asked, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(Only(records, TDrawOp::Polygon).size(), 2u);
    ASSERT_EQ(Only(records, TDrawOp::Ellipse).size(), 1u);
    EXPECT_EQ(Only(records, TDrawOp::Ellipse)[0].Rect.Left, Pixel(series, 1).X - 4);
}

TEST_F(SeriesDrawing, VisibleMarksShowTheLabelAboveThePoint)
{
    TLineSeries& series = Add<TLineSeries>();
    series.Marks().SetVisible(true);
    series.AddPoint(50, 50, "ab");
    const std::vector<TDrawRecord> texts = Only(Paint(), TDrawOp::TextOut);
    const auto mark = std::find_if(texts.begin(), texts.end(), [](const TDrawRecord& r) { return r.Text == "ab"; });
    ASSERT_NE(mark, texts.end());
    const TPoint p = Pixel(series, 0);
    EXPECT_EQ(mark->P1.X, p.X);
    EXPECT_LT(mark->P1.Y, p.Y - series.Marks().ArrowLength());
    ASSERT_EQ(series.Marks().Positions().size(), 1u);
    EXPECT_EQ(series.Marks().Positions()[0].Bottom, p.Y - 8);
}

// A mark's arrow (white by default) leaves the point at the edge of the marker drawn there, on the side
// of the mark, so it never draws a stripe through the marker.
TEST_F(SeriesDrawing, AMarksArrowStartsAtTheMarkersEdge)
{
    struct TCase {
        bool PointerVisible;
        int VertSize;
        int ArrowLength;
        int StartDy;
    };
    for (const TCase c : {TCase{true, 4, 8, -5}, TCase{true, 2, 8, -3}, TCase{false, 4, 8, 0}, TCase{true, 4, -12, 5},
             TCase{true, 4, 3, 0}}) {
        SCOPED_TRACE(testing::Message() << c.PointerVisible << " " << c.VertSize << " " << c.ArrowLength);
        chart.DestroyAllSeries();
        TLineSeries& series = Add<TLineSeries>();
        series.Pointer().SetVisible(c.PointerVisible);
        series.Pointer().SetVertSize(c.VertSize);
        series.Marks().SetVisible(true);
        series.Marks().SetArrowLength(c.ArrowLength);
        series.AddPoint(50, 50, "ab");
        std::vector<TDrawRecord> arrows;
        for (const TDrawRecord& r : Only(Paint(), TDrawOp::LineTo))
            if (r.State.Pen.Color == clWhite)
                arrows.push_back(r);
        const TPoint p = Pixel(series, 0);
        if (c.StartDy == 0 && c.PointerVisible) {
            // An arrow no longer than the marker's half height is hidden by the marker: none is drawn.
            EXPECT_TRUE(arrows.empty());
            continue;
        }
        ASSERT_EQ(arrows.size(), 1u);
        EXPECT_EQ(arrows[0].P1, (TPoint{p.X, p.Y + c.StartDy}));
        EXPECT_EQ(arrows[0].P2, (TPoint{p.X, p.Y - c.ArrowLength}));
    }
}

// A pie's slices have a solid black outline of one pixel whatever pen the axes' grid left behind.
TEST_F(SeriesDrawing, PieSlicesHaveASolidOutline)
{
    chart.LeftAxis().Grid().SetStyle(psDot);
    TPieSeries& series = Add<TPieSeries>();
    for (double v : {1.0, 2.0, 3.0})
        series.AddPoint(0, v);
    const std::vector<TDrawRecord> pies = Only(Paint(), TDrawOp::Pie);
    ASSERT_EQ(pies.size(), 3u);
    for (const TDrawRecord& r : pies) {
        EXPECT_EQ(r.State.Pen.Style, psSolid);
        EXPECT_EQ(r.State.Pen.Width, 1);
        EXPECT_EQ(r.State.Pen.Color, clBlack);
        EXPECT_EQ(r.State.Brush.Style, bsSolid);
    }
}

// The other registered types draw their own primitive for each point.
TEST_F(SeriesDrawing, OtherSeriesTypesDrawTheirPoints)
{
    struct Case {
        const char* Name;
        std::function<TChartSeries&()> Make;
        TDrawOp Op;
        std::size_t Count;
    };
    const std::vector<Case> cases{
        {"bar", [this]() -> TChartSeries& { return Add<TBarSeries>(); }, TDrawOp::Rectangle, 3},
        {"horizontal bar", [this]() -> TChartSeries& { return Add<THorizBarSeries>(); }, TDrawOp::Rectangle, 3},
        {"area", [this]() -> TChartSeries& { return Add<TAreaSeries>(); }, TDrawOp::Polygon, 2},
        {"fast line", [this]() -> TChartSeries& { return Add<TFastLineSeries>(); }, TDrawOp::Polyline, 1},
        {"pie", [this]() -> TChartSeries& { return Add<TPieSeries>(); }, TDrawOp::Pie, 3},
    };
    for (const Case& c : cases) {
        chart.DestroyAllSeries();
        TChartSeries& series = c.Make();
        series.AddPoint(20, 30);
        series.AddPoint(50, 60);
        series.AddPoint(80, 40);
        EXPECT_EQ(Only(Paint(), c.Op).size(), c.Count) << c.Name;
    }
}

TEST_F(SeriesDrawing, ASinglePointShowsOnlyItsMarkerWhenThePointerIsVisible)
{
    TLineSeries& series = Add<TLineSeries>();
    series.AddPoint(50, 50);
    std::vector<TDrawRecord> records = Paint();
    EXPECT_TRUE(Only(records, TDrawOp::LineTo).empty());
    EXPECT_TRUE(Only(records, TDrawOp::Rectangle).empty());
    series.Pointer().SetVisible(true);
    records = Paint();
    EXPECT_TRUE(Only(records, TDrawOp::LineTo).empty());
    EXPECT_EQ(Only(records, TDrawOp::Rectangle).size(), 1u);
}

TEST_F(SeriesDrawing, StairsRunThenRiseAndInvertedStairsRiseThenRun)
{
    TLineSeries& series = Add<TLineSeries>();
    series.SetStairs(true);
    series.AddPoint(20, 20);
    series.AddPoint(60, 70);
    std::vector<TDrawRecord> lines = Only(Paint(), TDrawOp::LineTo);
    const TPoint a = Pixel(series, 0);
    const TPoint b = Pixel(series, 1);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].P1, a);
    EXPECT_EQ(lines[0].P2, (TPoint{b.X, a.Y}));
    EXPECT_EQ(lines[1].P2, b);
    series.SetInvertedStairs(true);
    lines = Only(Paint(), TDrawOp::LineTo);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].P1, a);
    EXPECT_EQ(lines[0].P2, (TPoint{a.X, b.Y}));
    EXPECT_EQ(lines[1].P2, b);
}

}
