#include "PanelTestSupport.h"

#include "chart/axes/TChartAxis.h"
#include "chart/axes/TChartDepthAxis.h"
#include "chart/canvas/SeriesPalette.h"
#include "chart/canvas/SystemColors.h"
#include "chart/frame/TChartWall.h"
#include "chart/panel/ChartException.h"
#include "chart/panel/TCustomAxisPanel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TMarkerSeries& AddSeries(TChart& chart, TColor color = clAutoColor)
{
    auto* series = new TMarkerSeries({});
    series->SetSeriesColor(color);
    chart.AttachSeries(series);
    return *series;
}

TEST(ChartSeriesList, KeepsAttachOrderAndAttachesOnce)
{
    TChart chart;
    TMarkerSeries& a = AddSeries(chart);
    TMarkerSeries& b = AddSeries(chart);
    chart.AttachSeries(&a);
    ASSERT_EQ(chart.SeriesCount(), 2);
    EXPECT_EQ(chart.Series(0), &a);
    EXPECT_EQ(chart.Series(1), &b);
    EXPECT_EQ(a.ParentChart(), &chart);

    chart.DetachSeries(&a);
    EXPECT_EQ(chart.SeriesCount(), 1);
    EXPECT_EQ(a.ParentChart(), nullptr);
    chart.DetachSeries(&a);
    EXPECT_EQ(chart.SeriesCount(), 1);
    delete &a;
}

TEST(ChartSeriesList, ASeriesMovesBetweenChartsThroughItsParent)
{
    TChart first;
    TChart second;
    TMarkerSeries& s = AddSeries(first);
    s.SetParentChart(&second);
    EXPECT_EQ(first.SeriesCount(), 0);
    ASSERT_EQ(second.SeriesCount(), 1);
    EXPECT_EQ(second.Series(0), &s);
    EXPECT_EQ(s.ParentChart(), &second);
}

TEST(ChartSeriesList, DestroyingTheChartDestroysItsSeries)
{
    bool destroyed = false;
    {
        TChart chart;
        chart.AttachSeries(new TMarkerSeries({}, &destroyed));
    }
    EXPECT_TRUE(destroyed);

    destroyed = false;
    TChart chart;
    chart.AttachSeries(new TMarkerSeries({}, &destroyed));
    chart.DestroyAllSeries();
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(chart.SeriesCount(), 0);
}

TEST(ChartSeriesList, ADestroyedSeriesLeavesItsChart)
{
    TChart chart;
    TMarkerSeries& s = AddSeries(chart);
    delete &s;
    EXPECT_EQ(chart.SeriesCount(), 0);
}

TEST(ChartSeriesList, ActiveCountsAndFirstActive)
{
    TChart chart;
    EXPECT_EQ(chart.ActiveSeriesCount(), 0);
    EXPECT_EQ(chart.FirstActiveSeries(), nullptr);
    TMarkerSeries& a = AddSeries(chart);
    TMarkerSeries& b = AddSeries(chart);
    a.SetActive(false);
    EXPECT_EQ(chart.ActiveSeriesCount(), 1);
    EXPECT_EQ(chart.FirstActiveSeries(), &b);
}

TEST(ChartSeriesColor, AttachingPicksTheFirstUnusedPaletteColour)
{
    TChart chart;
    EXPECT_EQ(AddSeries(chart).SeriesColor(), clRed);
    EXPECT_EQ(AddSeries(chart).SeriesColor(), clGreen);
    EXPECT_EQ(AddSeries(chart, clBlue).SeriesColor(), clBlue);
    EXPECT_EQ(AddSeries(chart).SeriesColor(), clYellow);
    EXPECT_EQ(AddSeries(chart).SeriesColor(), clWhite);
}

struct TPickCase {
    std::string Name;
    std::vector<TColor> Used;
    TColor ControlColor;
    TColor BackWallColor;
    TColor Expected;
};

TEST(ChartSeriesColor, PickSkipsUsedAndBackgroundColours)
{
    std::vector<TColor> all(DefaultSeriesPalette.begin(), DefaultSeriesPalette.end());
    std::vector<TColor> allButBlack(all.begin(), all.end() - 1);
    const TPickCase cases[] = {
        {"empty chart", {}, clBtnFace, clAutoColor, clRed},
        {"red used", {clRed}, clBtnFace, clAutoColor, clGreen},
        {"first two used out of order", {clGreen, clRed}, clBtnFace, clAutoColor, clYellow},
        {"control colour skipped", {}, clRed, clAutoColor, clGreen},
        {"back wall colour skipped", {clRed}, clBtnFace, clGreen, clYellow},
        {"only the last left", allButBlack, clBtnFace, clAutoColor, clBlack},
        {"all sixteen used: index 16", all, clBtnFace, clAutoColor, clRed},
    };
    for (const TPickCase& c : cases) {
        TChart chart;
        for (TColor used : c.Used)
            AddSeries(chart, used);
        chart.SetColor(c.ControlColor);
        chart.BackWall().SetColor(c.BackWallColor);
        EXPECT_EQ(chart.PickSeriesColor(), c.Expected) << c.Name;
    }
}

TEST(ChartLegendSeries, CountsOnlyActiveSeriesShownInTheLegend)
{
    TChart chart;
    TMarkerSeries& a = AddSeries(chart);
    TMarkerSeries& inactive = AddSeries(chart);
    TMarkerSeries& hidden = AddSeries(chart);
    TMarkerSeries& d = AddSeries(chart);
    inactive.SetActive(false);
    hidden.SetShowInLegend(false);
    a.SetTitle("Selected");
    d.SetName("Series4");

    EXPECT_EQ(chart.NthLegendSeries(0), &a);
    EXPECT_EQ(chart.NthLegendSeries(1), &d);
    EXPECT_EQ(chart.NthLegendSeries(2), nullptr);
    EXPECT_EQ(chart.LegendSeriesText(0), "Selected");
    EXPECT_EQ(chart.LegendSeriesText(1), "Series4");
    EXPECT_EQ(chart.LegendSeriesText(2), "");

    d.SetName("");
    EXPECT_EQ(chart.LegendSeriesText(1), "Series 1");
    a.SetTitle("");
    EXPECT_EQ(chart.LegendSeriesText(0), "Series 0");
}

struct TShownCase {
    std::string Name;
    std::function<void(TChart&)> Setup;
    bool Bottom, Top, Left, Right, Depth;
};

TEST(ChartAxisIsShown, FollowsVisibilityAndTheAxesOfActiveSeries)
{
    const TShownCase cases[] = {
        {"no series: the four plane axes", [](TChart&) {}, true, true, true, true, false},
        {"series on left and bottom", [](TChart& c) { AddSeries(c); }, true, false, true, false, false},
        {"series on top and right",
            [](TChart& c) {
                TMarkerSeries& s = AddSeries(c);
                s.SetHorizAxis(aTopAxis);
                s.SetVertAxis(aRightAxis);
            },
            false, true, false, true, false},
        {"series on both horizontal axes", [](TChart& c) { AddSeries(c).SetHorizAxis(aBothHorizAxis); }, true, true, true, false, false},
        {"only inactive series: like no series", [](TChart& c) { AddSeries(c).SetActive(false); }, true, true, true, true, false},
        {"AxisVisible off", [](TChart& c) { c.SetAxisVisible(false); }, false, false, false, false, false},
        {"axis not visible", [](TChart& c) { c.LeftAxis().SetVisible(false); }, true, true, false, true, false},
        {"depth axis visible in 2D", [](TChart& c) { c.DepthAxis().SetVisible(true); }, true, true, true, true, false},
        {"depth axis visible in 3D",
            [](TChart& c) {
                c.SetView3D(true);
                c.DepthAxis().SetVisible(true);
            },
            true, true, true, true, true},
    };
    for (const TShownCase& c : cases) {
        TChart chart;
        chart.SetView3D(false);
        c.Setup(chart);
        EXPECT_EQ(chart.AxisIsShown(chart.BottomAxis()), c.Bottom) << c.Name;
        EXPECT_EQ(chart.AxisIsShown(chart.TopAxis()), c.Top) << c.Name;
        EXPECT_EQ(chart.AxisIsShown(chart.LeftAxis()), c.Left) << c.Name;
        EXPECT_EQ(chart.AxisIsShown(chart.RightAxis()), c.Right) << c.Name;
        EXPECT_EQ(chart.AxisIsShown(chart.DepthAxis()), c.Depth) << c.Name;
    }
}

TEST(ChartAxes, AreListedInCreationOrder)
{
    TChart chart;
    const std::vector<TCustomChartAxis*> expected{&chart.BottomAxis(), &chart.TopAxis(), &chart.LeftAxis(), &chart.RightAxis(), &chart.DepthAxis()};
    EXPECT_EQ(chart.AxesList(), expected);
}

TEST(ChartAxisRange, TakesTheExtremesOfTheSeriesOnTheAxis)
{
    TChart chart;
    EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), 0);
    EXPECT_EQ(chart.MaxYValue(chart.LeftAxis()), 0);

    AddMarkerSeries(chart, {1, 2, 3}, {10, 20, 5});
    AddMarkerSeries(chart, {-2, 0}, {7, 30});
    TMarkerSeries& inactive = AddMarkerSeries(chart, {-100, 100}, {-100, 100});
    inactive.SetActive(false);
    AddMarkerSeries(chart, {}, {});
    TMarkerSeries& onTop = AddMarkerSeries(chart, {50, 60}, {0, 1});
    onTop.SetHorizAxis(aTopAxis);

    EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), -2);
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 3);
    EXPECT_EQ(chart.MinYValue(chart.LeftAxis()), 0);
    EXPECT_EQ(chart.MaxYValue(chart.LeftAxis()), 30);
    EXPECT_EQ(chart.MinXValue(chart.TopAxis()), 50);
    EXPECT_EQ(chart.MaxXValue(chart.TopAxis()), 60);
    EXPECT_EQ(chart.MinYValue(chart.DepthAxis()), -0.5);
    EXPECT_EQ(chart.MaxYValue(chart.DepthAxis()), 0.5);
}

TEST(ChartAxisRange, InactiveSeriesCountWhenNoActiveSeriesUsesTheAxis)
{
    TChart chart;
    TMarkerSeries& inactive = AddMarkerSeries(chart, {-4, 8}, {1, 2});
    inactive.SetActive(false);
    EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), -4);
    EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), 8);
}

TEST(ChartChecks, MaxPointsPerPageBelowZeroIsRefused)
{
    TChart chart;
    chart.SetMaxPointsPerPage(5);
    try {
        chart.SetMaxPointsPerPage(-1);
        ADD_FAILURE() << "-1 was accepted";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "MaxPointsPerPage must be >= 0");
    }
    EXPECT_EQ(chart.MaxPointsPerPage(), 5);
}

TEST(ChartChecks, CircularSeriesDependencesAreRefused)
{
    TChart chart;
    TMarkerSeries& a = AddSeries(chart);
    TMarkerSeries& b = AddSeries(chart);
    TMarkerSeries& c = AddSeries(chart);
    b.SetDataSource(&a);
    c.SetDataSource(&b);
    for (auto [series, source] : {std::pair{&a, &c}, std::pair{&a, &b}, std::pair{&a, &a}}) {
        try {
            chart.CheckDataSourceCycle(series, source);
            ADD_FAILURE() << "cycle accepted";
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), "Circular Series dependences are not allowed");
        }
    }
    EXPECT_NO_THROW(chart.CheckDataSourceCycle(&c, &a));
}

TEST(ChartPaging, PagesFollowThePointsOfTheLargestSeries)
{
    TChart chart;
    int pageChanges = 0;
    chart.OnPageChange = [&] { ++pageChanges; };
    EXPECT_EQ(chart.NumPages(), 1);
    std::vector<double> xs;
    for (int i = 0; i < 12; ++i)
        xs.push_back(i * 10.0);
    AddMarkerSeries(chart, xs, std::vector<double>(12, 1.0));
    AddMarkerSeries(chart, {0, 5}, {2, 3});
    EXPECT_EQ(chart.NumPages(), 1);

    chart.SetMaxPointsPerPage(5);
    EXPECT_EQ(chart.NumPages(), 3);
    chart.SetPage(9);
    EXPECT_EQ(chart.Page(), 3);
    EXPECT_EQ(pageChanges, 1);
    chart.SetPage(3);
    EXPECT_EQ(pageChanges, 1);
    chart.SetPage(0);
    EXPECT_EQ(chart.Page(), 1);
    EXPECT_EQ(pageChanges, 2);

    chart.SetPage(3);
    chart.SetMaxPointsPerPage(6);
    EXPECT_EQ(chart.NumPages(), 2);
    EXPECT_EQ(chart.Page(), 2);
}

struct TPageRangeCase {
    int PerPage;
    int Page;
    bool ScaleLastPage;
    double Min;
    double Max;
};

TEST(ChartPaging, AutomaticHorizontalRangeIsThatOfTheCurrentPage)
{
    const TPageRangeCase cases[] = {
        {5, 1, true, 0, 40},
        {5, 2, true, 50, 90},
        {5, 3, true, 100, 110},
        // A short last page keeps the width of a full one.
        {5, 3, false, 100, 100 + 10.0 * 5 / 2},
        {4, 3, false, 80, 110},
        {0, 1, true, 0, 110},
    };
    for (const TPageRangeCase& c : cases) {
        TChart chart;
        std::vector<double> xs;
        for (int i = 0; i < 12; ++i)
            xs.push_back(i * 10.0);
        std::vector<double> ys(xs.rbegin(), xs.rend());
        AddMarkerSeries(chart, xs, ys);
        chart.SetMaxPointsPerPage(c.PerPage);
        chart.SetPage(c.Page);
        chart.SetScaleLastPage(c.ScaleLastPage);
        EXPECT_EQ(chart.MinXValue(chart.BottomAxis()), c.Min) << c.PerPage << " per page, page " << c.Page;
        EXPECT_EQ(chart.MaxXValue(chart.BottomAxis()), c.Max) << c.PerPage << " per page, page " << c.Page;
        // The vertical range is not paged.
        EXPECT_EQ(chart.MinYValue(chart.LeftAxis()), 0);
        EXPECT_EQ(chart.MaxYValue(chart.LeftAxis()), 110);
    }
}

TEST(ChartBackColor, IsTheBackWallColourAndMakesItsBrushSolid)
{
    TChart chart;
    chart.BackWall().Brush().SetStyle(bsClear);
    chart.SetBackColor(clWhite);
    EXPECT_EQ(chart.BackWall().Color(), clWhite);
    EXPECT_EQ(chart.BackColor(), clWhite);
    EXPECT_EQ(chart.BackWall().Brush().Style(), bsSolid);

    chart.BackWall().Brush().SetStyle(bsClear);
    chart.BeginLoading();
    chart.SetBackColor(clYellow);
    chart.EndLoading();
    EXPECT_EQ(chart.BackColor(), clYellow);
    EXPECT_EQ(chart.BackWall().Brush().Style(), bsClear);

    chart.Frame().SetWidth(3);
    EXPECT_EQ(chart.BackWall().Pen().Width(), 3);
}

} // namespace

namespace {

TEST(ChartCanvasHelpers, MultiLineTextWidthIsTheWidestLine)
{
    TChart chart;
    TRecordingDevice device(10, 10);
    chart.Canvas().AttachCanvas(device);
    int lines = 0;
    EXPECT_EQ(chart.MultiLineTextWidth("1.5", lines), 15);
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(chart.MultiLineTextWidth("12\n3456\n7", lines), 24);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(chart.MultiLineTextWidth("", lines), 0);
    EXPECT_EQ(lines, 1);
}

struct TBrushCase {
    TColor Color;
    TBrushStyle Style;
    TColor Background;
    TColor ExpectedColor;
    TBackMode ExpectedMode;
};

TEST(ChartCanvasHelpers, SetBrushCanvasKeepsAPatternVisibleOnItsBackground)
{
    const TBrushCase cases[] = {
        {clRed, bsSolid, clRed, clRed, bmTransparent},
        // The back wall of the calculator: no fill, and text drawn later keeps a transparent background.
        {clAutoColor, bsClear, clWhite, clAutoColor, bmTransparent},
        {clWhite, bsClear, clWhite, clWhite, bmTransparent},
        {clRed, bsCross, clWhite, clRed, bmOpaque},
        {clRed, bsCross, clRed, clBlack, bmOpaque},
        {clBlack, bsCross, clBlack, clWhite, bmOpaque},
    };
    for (const TBrushCase& c : cases) {
        TChart chart;
        TRecordingDevice device(10, 10);
        chart.Canvas().AttachCanvas(device);
        chart.SetBrushCanvas(c.Color, c.Style, c.Background);
        chart.Canvas().FillRect({0, 0, 5, 5});
        const TDrawRecord fill = device.RecordsOf(TDrawOp::FillRect).at(0);
        EXPECT_EQ(fill.State.Brush.Color, ColorToRGB(c.ExpectedColor));
        EXPECT_EQ(fill.State.Brush.Style, c.Style);
        EXPECT_EQ(fill.State.BackMode, c.ExpectedMode);
        if (c.ExpectedMode == bmOpaque) {
            EXPECT_EQ(fill.State.BackColor, c.Background);
        }
    }
}

// An axis panel that is not a full chart (no titles, walls or legend), with hooks a test sets.
class TBareAxisPanel : public TCustomAxisPanel {
public:
    TBareAxisPanel()
    {
        SetUseBitmapBuffer(false);
        SetView3D(false);
        EndConstruction();
    }

    int WallSize = 0;
    int Repaints = 0;

    int WallSizeForAxis(const TCustomChartAxis&) const override { return WallSize; }
    void RepaintNow() override { ++Repaints; }

protected:
    void LayOutTitlesAndLegend(TFrameLayout&) override {}
    void PaintTitlesAndLegend(const TFrameLayout&) override {}
    void PaintWalls() override {}
};

TEST(AxisPanelHooks, AxesUseTheHooksOfAnyPanel)
{
    // The wall an axis leaves beside the plot comes from the panel: the left axis' line moves right by it.
    int linePos[2] = {};
    const int walls[2] = {0, 7};
    for (int i = 0; i < 2; ++i) {
        TBareAxisPanel panel;
        panel.WallSize = walls[i];
        TRecordingDevice device;
        panel.DrawToCanvas(device, {0, 0, 553, 337});
        linePos[i] = panel.LeftAxis().LinePos();
    }
    EXPECT_EQ(linePos[1], linePos[0] + 7);

    // A label style change asks the panel to paint at once.
    TBareAxisPanel panel;
    panel.BottomAxis().SetLabelStyle(talText);
    EXPECT_EQ(panel.Repaints, 1);
    panel.BottomAxis().SetLabelStyle(talText);
    EXPECT_EQ(panel.Repaints, 1);
}

} // namespace
