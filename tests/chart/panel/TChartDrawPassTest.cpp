#include "PanelTestSupport.h"

#include "chart/frame/TChartLegend.h"
#include "chart/frame/TChartTitle.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// The calculator's chart size, drawn in 2D without a bevel.
class ChartDrawPass : public ::testing::Test {
protected:
    ChartDrawPass()
    {
        chart.SetSize(553, 337);
        chart.SetView3D(false);
        chart.SetBevelOuter(bvNone);
    }

    TChart chart;
    TRecordingDevice window{553, 337};
};

TEST_F(ChartDrawPass, RunsItsStepsInOrder)
{
    chart.Title().SetText({"Relation"});
    TMarkerSeries& first = AddMarkerSeries(chart, {1, 2}, {1, 2}, {100, 100, 110, 110});
    TMarkerSeries& second = AddMarkerSeries(chart, {1, 2}, {2, 1}, {105, 105, 115, 115});
    first.SetTitle("First");
    second.SetTitle("Second");
    int axesAt = -1;
    int seriesAt = -1;
    TRect plotAfterLegendAndTitle;
    chart.OnBeforeDrawAxes = [&] { axesAt = static_cast<int>(window.Records().size()); };
    chart.OnBeforeDrawSeries = [&] { seriesAt = static_cast<int>(window.Records().size()); };
    // The pre-draw hook of each active series, in list order, after the background and before the legend.
    TMarkerSeries& inactive = AddMarkerSeries(chart, {1}, {1});
    inactive.SetActive(false);
    std::vector<std::pair<const TMarkerSeries*, int>> hooks;
    for (TMarkerSeries* s : {&first, &second, &inactive})
        s->OnBeforeDrawChart = [&hooks, &window = window, s] { hooks.emplace_back(s, static_cast<int>(window.Records().size())); };

    chart.Paint(window);
    const TRect plot = chart.PlotRect();

    const int background = IndexOf(window, [](const TDrawRecord& r) { return r.Op == TDrawOp::FillRect && r.Rect == TRect{0, 0, 553, 337}; });
    const int legend = IndexOf(window, [](const TDrawRecord& r) { return r.Op == TDrawOp::TextOut && r.Text == "First"; });
    const int title = IndexOf(window, [](const TDrawRecord& r) { return r.Op == TDrawOp::TextOut && r.Text == "Relation"; });
    const int wall = IndexOf(window, [&](const TDrawRecord& r) {
        return r.Op == TDrawOp::Rectangle && r.Rect == TRect{plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1};
    });
    const int firstMarker = IndexOf(window, [&](const TDrawRecord& r) { return r.Op == TDrawOp::Rectangle && r.Rect == first.Marker(); });
    const int secondMarker = IndexOf(window, [&](const TDrawRecord& r) { return r.Op == TDrawOp::Rectangle && r.Rect == second.Marker(); });
    const int copy = IndexOf(window, [](const TDrawRecord& r) { return r.Op == TDrawOp::CopyBitmap && r.Surface == 0; });

    EXPECT_EQ(background, 0);
    ASSERT_EQ(hooks.size(), 2u);
    EXPECT_EQ(hooks[0].first, &first);
    EXPECT_EQ(hooks[1].first, &second);
    EXPECT_GT(hooks[0].second, background);
    EXPECT_LE(hooks[1].second, legend);
    // A right-hand legend is drawn before the title.
    EXPECT_LT(background, legend);
    EXPECT_LT(legend, title);
    EXPECT_LT(title, wall);
    EXPECT_LT(wall, axesAt);
    EXPECT_LT(axesAt, seriesAt);
    EXPECT_LT(seriesAt, firstMarker);
    EXPECT_LT(firstMarker, secondMarker);
    EXPECT_LT(secondMarker, copy);
    EXPECT_EQ(copy, static_cast<int>(window.Records().size()) - 1);

    // The axes took their room from the plot before the walls were drawn.
    EXPECT_GT(plot.Left, 17);
    EXPECT_LT(plot.Bottom, 324);
    // The axis lines lie between the walls and the series.
    const int axisLine = IndexOf(window, [](const TDrawRecord& r) { return r.Op == TDrawOp::LineTo && r.State.Pen.Width == 2; }, axesAt);
    EXPECT_GE(axisLine, axesAt);
    EXPECT_LT(axisLine, seriesAt);
}

TEST_F(ChartDrawPass, ClipsEachSeriesToTheInsideOfTheFrame)
{
    TMarkerSeries& first = AddMarkerSeries(chart, {1, 2}, {1, 2}, {100, 100, 110, 110});
    TMarkerSeries& second = AddMarkerSeries(chart, {1, 2}, {2, 1}, {105, 105, 115, 115});
    chart.Paint(window);
    const TRect plot = chart.PlotRect();
    const TRect clip{plot.Left + 1, plot.Top + 1, plot.Right, plot.Bottom - 1};

    for (const TMarkerSeries* series : {&first, &second}) {
        const int marker = IndexOf(window, [&](const TDrawRecord& r) { return r.Op == TDrawOp::Rectangle && r.Rect == series->Marker(); });
        ASSERT_GE(marker, 1);
        const TDrawRecord& drawn = window.Records()[static_cast<std::size_t>(marker)];
        ASSERT_TRUE(drawn.State.Clip.has_value());
        EXPECT_EQ(*drawn.State.Clip, clip);
        EXPECT_EQ(window.Records()[static_cast<std::size_t>(marker - 1)].Op, TDrawOp::ClipRect);
        EXPECT_EQ(window.Records()[static_cast<std::size_t>(marker + 1)].Op, TDrawOp::UnClip);
    }
}

TEST_F(ChartDrawPass, WithoutClipPointsSeriesAreNotClipped)
{
    chart.SetClipPoints(false);
    TMarkerSeries& series = AddMarkerSeries(chart, {1, 2}, {1, 2}, {100, 100, 110, 110});
    chart.Paint(window);
    EXPECT_TRUE(window.RecordsOf(TDrawOp::ClipRect).empty());
    const int marker = IndexOf(window, [&](const TDrawRecord& r) { return r.Op == TDrawOp::Rectangle && r.Rect == series.Marker(); });
    ASSERT_GE(marker, 0);
    EXPECT_FALSE(window.Records()[static_cast<std::size_t>(marker)].State.Clip.has_value());
}

TEST_F(ChartDrawPass, InactiveAndEmptySeriesAreNotPainted)
{
    TMarkerSeries& inactive = AddMarkerSeries(chart, {1, 2}, {1, 2}, {100, 100, 110, 110});
    TMarkerSeries& empty = AddMarkerSeries(chart, {}, {}, {105, 105, 115, 115});
    inactive.SetActive(false);
    chart.Paint(window);
    for (const TMarkerSeries* series : {&inactive, &empty})
        EXPECT_EQ(IndexOf(window, [&](const TDrawRecord& r) { return r.Op == TDrawOp::Rectangle && r.Rect == series->Marker(); }), -1);
}

TEST_F(ChartDrawPass, AnEmptyChartDrawsAxesButNoLegend)
{
    int legendRects = 0;
    chart.OnGetLegendRect = [&](TCustomChart&, TRect&) { ++legendRects; };
    int axesDrawn = 0;
    chart.OnBeforeDrawAxes = [&] { ++axesDrawn; };
    chart.Paint(window);
    EXPECT_EQ(legendRects, 0);
    EXPECT_EQ(axesDrawn, 1);
    // The four plane axes each draw their line in the axis pen (width 2).
    int axisLines = 0;
    for (const TDrawRecord& r : window.RecordsOf(TDrawOp::LineTo))
        axisLines += r.State.Pen.Width == 2;
    EXPECT_EQ(axisLines, 4);

    // With a series the legend is laid out.
    AddMarkerSeries(chart, {1, 2}, {1, 2});
    chart.Paint(window);
    EXPECT_EQ(legendRects, 1);
}

TEST_F(ChartDrawPass, AnAxisInvisibleChartDrawsNoAxes)
{
    chart.SetAxisVisible(false);
    int axesDrawn = 0;
    chart.OnBeforeDrawAxes = [&] { ++axesDrawn; };
    chart.Paint(window);
    EXPECT_EQ(axesDrawn, 0);
}

// On a printer the panel keeps the paper's colour and the picture goes straight to the device,
// within the page rectangle; afterwards the window paints as before.
TEST_F(ChartDrawPass, PrintingDrawsWithoutBackgroundOrBufferWithPrintingNowSet)
{
    chart.SetBevelOuter(bvRaised);
    chart.Title().SetText({"Relation"});
    bool printingSeen = false;
    chart.OnAfterDraw = [&] { printingSeen = chart.PrintingNow(); };
    TRecordingDevice printer{2000, 1500};
    const TRect page{100, 50, 653, 387};
    chart.PrintToCanvas(printer, page);

    EXPECT_TRUE(printingSeen);
    EXPECT_FALSE(chart.PrintingNow());
    EXPECT_EQ(IndexOf(printer, [](const TDrawRecord& r) { return r.Op == TDrawOp::FillRect; }), -1);
    EXPECT_EQ(IndexOf(printer, [](const TDrawRecord& r) { return r.Op == TDrawOp::CopyBitmap; }), -1);
    EXPECT_EQ(chart.PanelRect(), page);
    EXPECT_NE(IndexOf(printer, [](const TDrawRecord& r) { return r.Op == TDrawOp::TextOut && r.Text == "Relation"; }), -1);
    EXPECT_TRUE(chart.UseBitmapBuffer());

    chart.Paint(window);
    EXPECT_FALSE(printingSeen);
    EXPECT_EQ(IndexOf(window, [](const TDrawRecord& r) { return r.Op == TDrawOp::FillRect && r.Rect == TRect{0, 0, 553, 337}; }), 0);
}

TEST_F(ChartDrawPass, EndsWithAResetCanvasAndOnAfterDraw)
{
    chart.Canvas().Pen().SetWidth(3);
    bool after = false;
    chart.OnAfterDraw = [&] {
        after = true;
        EXPECT_EQ(chart.Canvas().Pen().Width(), 1);
        EXPECT_EQ(chart.Canvas().Brush().Color(), clWhite);
    };
    chart.Paint(window);
    EXPECT_TRUE(after);
}

TEST_F(ChartDrawPass, TheWindowShowsAnActiveZoomRectangleOverTheBuffer)
{
    chart.Zoom().Activate(50, 60);
    chart.Zoom().X1 = 150;
    chart.Zoom().Y1 = 120;
    const auto zoomRectangles = [&](int surface) {
        std::vector<TDrawRecord> found;
        for (const TDrawRecord& r : window.RecordsOf(TDrawOp::Rectangle)) {
            if (r.Surface == surface && r.State.Pen.Mode == pmNotXor)
                found.push_back(r);
        }
        return found;
    };

    chart.Paint(window);
    // Not into the buffer, so moving the rectangle needs no new draw pass.
    EXPECT_TRUE(zoomRectangles(1).empty());
    std::vector<TDrawRecord> onWindow = zoomRectangles(0);
    ASSERT_EQ(onWindow.size(), 1u);
    EXPECT_EQ(onWindow[0].Rect, (TRect{50, 60, 150, 120}));
    EXPECT_EQ(onWindow[0].State.Brush.Style, bsClear);
    EXPECT_EQ(onWindow[0].State.Pen.Width, 1);
    EXPECT_EQ(chart.Canvas().Pen().Mode(), pmCopy);

    window.Clear();
    chart.Zoom().X1 = 170;
    chart.Paint(window);
    ASSERT_EQ(window.Records().size(), 2u);
    EXPECT_EQ(window.Records()[0].Op, TDrawOp::CopyBitmap);
    onWindow = zoomRectangles(0);
    ASSERT_EQ(onWindow.size(), 1u);
    EXPECT_EQ(onWindow[0].Rect, (TRect{50, 60, 170, 120}));
}

TEST_F(ChartDrawPass, DrawingWithoutAWindowPutsTheZoomRectangleIntoThePicture)
{
    chart.SetUseBitmapBuffer(false);
    chart.Zoom().Activate(50, 60);
    chart.Zoom().X1 = 150;
    chart.Zoom().Y1 = 120;
    chart.DrawToCanvas(window, {0, 0, 553, 337});
    const std::vector<TDrawRecord> rects = window.RecordsOf(TDrawOp::Rectangle);
    ASSERT_FALSE(rects.empty());
    EXPECT_EQ(rects.back().Rect, (TRect{50, 60, 150, 120}));
    EXPECT_EQ(rects.back().State.Pen.Mode, pmNotXor);
}

TEST_F(ChartDrawPass, A3DChartStillMakesAPicture)
{
    chart.SetView3D(true);
    AddMarkerSeries(chart, {1, 2}, {1, 2}, {100, 100, 110, 110});
    int passes = 0;
    chart.OnAfterDraw = [&] { ++passes; };
    chart.Paint(window);
    EXPECT_EQ(passes, 1);
    EXPECT_GT(chart.Depth3DX(), 0);
    EXPECT_LT(chart.PlotRect().Right - chart.PlotRect().Left, 536 - 17);
}

TEST_F(ChartDrawPass, TheGradientReplacesTheSolidBackground)
{
    chart.Gradient().SetVisible(true);
    chart.Paint(window);
    EXPECT_EQ(IndexOf(window, [](const TDrawRecord& r) { return r.Op == TDrawOp::FillRect && r.Rect == TRect{0, 0, 553, 337}; }), -1);
}

} // namespace
