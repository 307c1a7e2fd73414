#include "chart/mouse/MouseTestChart.h"

#include "chart/canvas/TChartCanvas3D.h"
#include "support/TRecordingDevice.h"
#include "chart/frame/TChartLegend.h"
#include "chart/frame/TChartTitle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

struct TRange {
    double Minimum;
    double Maximum;
};

// The calculator-like chart, painted once on a recording window so its layout is known.
class ChartMouse : public ::testing::Test {
protected:
    void SetUp() override
    {
        series_ = &SetUpCalculatorLikeChart(chart_);
        chart_.SetWindowDevice(&window_);
        chart_.OnAfterDraw = [this] { ++draws_; };
        chart_.OnZoom = [this] { ++zooms_; };
        chart_.OnUndoZoom = [this] { ++undos_; };
        Paint();
    }

    void Paint() { chart_.Paint(window_); }

    // The pixel of a value pair in the current layout.
    TPoint At(double x, double y) const { return {chart_.BottomAxis().XValueToPixel(x), chart_.LeftAxis().YValueToPixel(y)}; }

    void Drag(TMouseButton button, TPoint from, TPoint to)
    {
        const TShiftState held = button == mbLeft ? ssLeft : ssRight;
        chart_.MouseDown(button, held, from.X, from.Y);
        chart_.MouseMove(held, to.X, to.Y);
        chart_.MouseUp(button, 0, to.X, to.Y);
    }

    void ExpectCalculatorRanges()
    {
        EXPECT_EQ(chart_.BottomAxis().Minimum(), 200);
        EXPECT_EQ(chart_.BottomAxis().Maximum(), 360);
        EXPECT_EQ(chart_.LeftAxis().Minimum(), 0.9);
        EXPECT_EQ(chart_.LeftAxis().Maximum(), 1.5);
        EXPECT_FALSE(chart_.BottomAxis().Automatic());
        EXPECT_FALSE(chart_.LeftAxis().Automatic());
    }

    std::vector<TDrawRecord> ZoomRectangles() const
    {
        std::vector<TDrawRecord> result;
        for (const TDrawRecord& r : window_.RecordsOf(TDrawOp::Rectangle)) {
            if (r.Surface == 0 && r.State.Pen.Mode == pmNotXor)
                result.push_back(r);
        }
        return result;
    }

    TChart chart_;
    TRecordingDevice window_{553, 337};
    TLineSeries* series_ = nullptr;
    int draws_ = 0;
    int zooms_ = 0;
    int undos_ = 0;
};

TEST_F(ChartMouse, ADragToTheBottomRightZoomsToTheValuesUnderItsCorners)
{
    const TPoint from = At(220, 1.4);
    const TPoint to{from.X + 100, from.Y + 50};
    const TChartAxis& bottom = chart_.BottomAxis();
    const TChartAxis& left = chart_.LeftAxis();
    const TRange expectedX{bottom.PixelToValue(from.X), bottom.PixelToValue(to.X)};
    const TRange expectedY{left.PixelToValue(to.Y), left.PixelToValue(from.Y)};

    Drag(mbLeft, from, to);

    EXPECT_EQ(bottom.Minimum(), expectedX.Minimum);
    EXPECT_EQ(bottom.Maximum(), expectedX.Maximum);
    EXPECT_EQ(left.Minimum(), expectedY.Minimum);
    EXPECT_EQ(left.Maximum(), expectedY.Maximum);
    EXPECT_GT(bottom.Minimum(), 200);
    EXPECT_LT(left.Maximum(), 1.5);
    EXPECT_TRUE(chart_.Zoomed());
    EXPECT_EQ(zooms_, 1);
    EXPECT_FALSE(chart_.Zoom().Active);
}

TEST_F(ChartMouse, TheReverseDragRestoresTheRangesOfBeforeTheFirstZoom)
{
    const TPoint from = At(220, 1.4);
    Drag(mbLeft, from, {from.X + 100, from.Y + 50});
    Paint();
    const TPoint second = At(chart_.BottomAxis().Minimum() + 5, chart_.LeftAxis().Maximum() - 0.05);
    Drag(mbLeft, second, {second.X + 60, second.Y + 60});
    Paint();
    ASSERT_EQ(zooms_, 2);

    Drag(mbLeft, {from.X + 100, from.Y + 50}, from);

    ExpectCalculatorRanges();
    EXPECT_EQ(undos_, 1);
    EXPECT_FALSE(chart_.Zoomed());
}

TEST_F(ChartMouse, UndoGivesAutomaticAxesTheirAutomaticBack)
{
    TChartAxis& right = chart_.RightAxis();
    ASSERT_TRUE(right.Automatic());
    const TPoint from = At(220, 1.4);
    Drag(mbLeft, from, {from.X + 100, from.Y + 50});
    EXPECT_FALSE(right.Automatic());
    EXPECT_FALSE(right.AutomaticMinimum());

    chart_.UndoZoom();

    EXPECT_TRUE(right.Automatic());
    EXPECT_TRUE(right.AutomaticMinimum());
    EXPECT_TRUE(right.AutomaticMaximum());
    ExpectCalculatorRanges();
}

struct TDragCase {
    int Dx;
    int Dy;
    bool Zooms;
};

class ChartMouseDragSize : public ChartMouse, public ::testing::WithParamInterface<TDragCase> {};

TEST_P(ChartMouseDragSize, OnlyDragsOfMoreThanSixteenPixelsBothWaysZoom)
{
    const TDragCase c = GetParam();
    const TPoint from = At(240, 1.3);
    Drag(mbLeft, from, {from.X + c.Dx, from.Y + c.Dy});
    EXPECT_EQ(zooms_, c.Zooms ? 1 : 0);
    EXPECT_EQ(undos_, 0);
    if (!c.Zooms)
        ExpectCalculatorRanges();
}

INSTANTIATE_TEST_SUITE_P(Sizes, ChartMouseDragSize,
                         ::testing::Values(TDragCase{16, 16, false}, TDragCase{16, 100, false}, TDragCase{100, 16, false},
                                           TDragCase{17, 17, true}, TDragCase{0, 0, false}, TDragCase{-16, -16, false}));

TEST_F(ChartMouse, LargeDragsAnyOtherWayUndo)
{
    struct TCase {
        int Dx;
        int Dy;
    };
    for (const TCase c : {TCase{100, -50}, TCase{-100, 50}, TCase{-17, -17}}) {
        SCOPED_TRACE(testing::Message() << c.Dx << ", " << c.Dy);
        const TPoint from = At(220, 1.4);
        Drag(mbLeft, from, {from.X + 100, from.Y + 50});
        Paint();
        const int undosBefore = undos_;
        const TPoint start = At((chart_.BottomAxis().Minimum() + chart_.BottomAxis().Maximum()) / 2,
                                (chart_.LeftAxis().Minimum() + chart_.LeftAxis().Maximum()) / 2);
        const int zoomsBefore = zooms_;

        Drag(mbLeft, start, {start.X + c.Dx, start.Y + c.Dy});

        EXPECT_EQ(zooms_, zoomsBefore);
        EXPECT_EQ(undos_, undosBefore + 1);
        ExpectCalculatorRanges();
        Paint();
    }
}

TEST_F(ChartMouse, ThePaintedFrameShowsTheZoomRectangleFollowingTheDragWithoutARedraw)
{
    int paintRequests = 0;
    chart_.OnZoomRectangleChanged = [&] { ++paintRequests; };
    const int drawsBefore = draws_;
    const TPoint from = At(220, 1.4);
    // Each step of the drag, then the rectangle one paint after it shows (none once the drag ends).
    struct TStep {
        std::function<void()> Act;
        std::vector<TRect> Painted;
        int PaintRequests;
    };
    const std::vector<TStep> steps{
        {[&] { chart_.MouseDown(mbLeft, ssLeft, from.X, from.Y); }, {{from.X, from.Y, from.X, from.Y}}, 1},
        {[&] { chart_.MouseMove(ssLeft, from.X + 30, from.Y + 20); }, {{from.X, from.Y, from.X + 30, from.Y + 20}}, 2},
        {[&] { chart_.MouseMove(ssLeft, from.X + 30, from.Y + 20); }, {{from.X, from.Y, from.X + 30, from.Y + 20}}, 2},
        {[&] { chart_.MouseMove(ssLeft, from.X + 40, from.Y + 25); }, {{from.X, from.Y, from.X + 40, from.Y + 25}}, 3},
        {[&] { chart_.MouseUp(mbLeft, 0, from.X + 4, from.Y + 4); }, {}, 4},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        window_.Clear();
        steps[i].Act();
        EXPECT_TRUE(window_.Records().empty()) << "nothing is drawn between paints";
        EXPECT_EQ(paintRequests, steps[i].PaintRequests);

        Paint();
        const std::vector<TDrawRecord> rectangles = ZoomRectangles();
        ASSERT_EQ(rectangles.size(), steps[i].Painted.size());
        for (std::size_t r = 0; r < rectangles.size(); ++r) {
            EXPECT_EQ(rectangles[r].Rect, steps[i].Painted[r]);
            EXPECT_EQ(rectangles[r].State.Brush.Style, bsClear);
            EXPECT_EQ(rectangles[r].State.Pen.Width, 1);
        }
        EXPECT_EQ(draws_, drawsBefore) << "the picture comes from the buffer";
        EXPECT_EQ(chart_.Canvas().Pen().Mode(), pmCopy);
    }
}

TEST_F(ChartMouse, ARightDragScrollsWithTheMouseAndEndsOutsideThePlot)
{
    int scrolls = 0;
    chart_.OnScroll = [&] { ++scrolls; };
    const TChartAxis& bottom = chart_.BottomAxis();
    const TChartAxis& left = chart_.LeftAxis();
    const TPoint from = At(280, 1.3);
    const double dx = bottom.PixelToValue(from.X) - bottom.PixelToValue(from.X + 10);
    const double dy = left.PixelToValue(from.Y) - left.PixelToValue(from.Y + 20);

    chart_.MouseDown(mbRight, ssRight, from.X, from.Y);
    ASSERT_TRUE(chart_.Panning().Active);
    chart_.MouseMove(ssRight, from.X + 10, from.Y + 20);

    EXPECT_DOUBLE_EQ(bottom.Minimum(), 200 + dx);
    EXPECT_DOUBLE_EQ(bottom.Maximum(), 360 + dx);
    EXPECT_DOUBLE_EQ(left.Minimum(), 0.9 + dy);
    EXPECT_DOUBLE_EQ(left.Maximum(), 1.5 + dy);
    EXPECT_LT(dx, 0);
    EXPECT_GT(dy, 0);
    EXPECT_EQ(scrolls, 1);

    chart_.MouseMove(ssRight, chart_.PlotRect().Right + 5, from.Y);
    EXPECT_FALSE(chart_.Panning().Active);
    EXPECT_DOUBLE_EQ(bottom.Minimum(), 200 + dx);

    // The scroll is undone like a zoom.
    chart_.UndoZoom();
    ExpectCalculatorRanges();
}

TEST(ChartMouseScroll, TenPixelsOnTwoHundredToThreeSixtyOverFiveHundredPixelsShiftByMinus3Point2)
{
    TChart chart;
    SetUpCalculatorLikeChart(chart);
    chart.SetSize(500, 337);
    chart.SetMarginLeft(0);
    chart.SetMarginRight(0);
    chart.LeftAxis().SetVisible(false);
    chart.Legend().SetVisible(false);
    TRecordingDevice window(500, 337);
    chart.SetWindowDevice(&window);
    chart.Paint(window);
    ASSERT_EQ(chart.BottomAxis().PixelStart(), 0);
    ASSERT_EQ(chart.BottomAxis().PixelEnd(), 500);
    const int y = chart.PlotYCenter();

    chart.MouseDown(mbRight, ssRight, 100, y);
    chart.MouseMove(ssRight, 110, y);
    chart.MouseUp(mbRight, 0, 110, y);

    EXPECT_NEAR(chart.BottomAxis().Minimum(), 196.8, 1e-12);
    EXPECT_NEAR(chart.BottomAxis().Maximum(), 356.8, 1e-12);
    EXPECT_FALSE(chart.Panning().Active);
}

TEST_F(ChartMouse, PanningFollowsAllowPanningAndOnAllowScroll)
{
    struct TCase {
        TPanningMode Mode;
        bool Horizontal;
        bool Vertical;
    };
    for (const TCase c : {TCase{pmHorizontal, true, false}, TCase{pmVertical, false, true}, TCase{pmBoth, true, true}}) {
        SCOPED_TRACE(static_cast<int>(c.Mode));
        chart_.SetAllowPanning(c.Mode);
        const TPoint from = At(280, 1.3);
        Drag(mbRight, from, {from.X + 10, from.Y + 10});
        EXPECT_EQ(chart_.BottomAxis().Minimum() != 200, c.Horizontal);
        EXPECT_EQ(chart_.LeftAxis().Minimum() != 0.9, c.Vertical);
        chart_.UndoZoom();
    }

    chart_.SetAllowPanning(pmNone);
    const TPoint from = At(280, 1.3);
    chart_.MouseDown(mbRight, ssRight, from.X, from.Y);
    EXPECT_FALSE(chart_.Panning().Active);

    chart_.SetAllowPanning(pmBoth);
    chart_.OnAllowScroll = [&](TChartAxis& axis, double& newMin, double& newMax, bool& allow) {
        if (&axis == &chart_.LeftAxis())
            allow = false;
        else
            newMax = newMin + 50;
    };
    Drag(mbRight, from, {from.X + 10, from.Y + 10});
    EXPECT_EQ(chart_.LeftAxis().Minimum(), 0.9);
    EXPECT_EQ(chart_.BottomAxis().Maximum() - chart_.BottomAxis().Minimum(), 50);
}

TEST_F(ChartMouse, TheWheelScrollsTheVerticalAxesByThreePercentPerNotch)
{
    int repaints = 0;
    chart_.OnRepaint = [&] {
        ++repaints;
        Paint();
    };
    struct TCase {
        int Delta;
        double Shift;
    };
    // Up (away from the user) moves the range down.
    for (const TCase c : {TCase{120, -0.018}, TCase{-120, 0.018}, TCase{240, -0.036}}) {
        SCOPED_TRACE(c.Delta);
        chart_.LeftAxis().SetMinMax(0.9, 1.5);
        const int drawsBefore = draws_;
        chart_.MouseWheel(c.Delta);
        EXPECT_NEAR(chart_.LeftAxis().Minimum(), 0.9 + c.Shift, 1e-12);
        EXPECT_NEAR(chart_.LeftAxis().Maximum(), 1.5 + c.Shift, 1e-12);
        EXPECT_EQ(draws_, drawsBefore + 1);
    }
    EXPECT_EQ(chart_.BottomAxis().Minimum(), 200);
    EXPECT_EQ(repaints, 3);

    // Half notches add up.
    chart_.LeftAxis().SetMinMax(0.9, 1.5);
    chart_.MouseWheel(60);
    EXPECT_EQ(chart_.LeftAxis().Minimum(), 0.9);
    chart_.MouseWheel(60);
    EXPECT_NEAR(chart_.LeftAxis().Minimum(), 0.882, 1e-12);
}

TEST_F(ChartMouse, TheWheelMakesAnAutomaticVerticalAxisFixed)
{
    TChartAxis& right = chart_.RightAxis();
    right.SetMinMax(1, 2);
    right.SetAutomatic(true);
    chart_.MouseWheel(-120);
    EXPECT_FALSE(right.Automatic());
}

TEST_F(ChartMouse, ABackgroundHandlerDecidesThroughTheCancelFlag)
{
    struct TCase {
        bool ClearsFlag;
        bool DragStarts;
    };
    for (const TCase c : {TCase{true, true}, TCase{false, false}}) {
        SCOPED_TRACE(c.ClearsFlag);
        int calls = 0;
        chart_.OnClickBackground = [&](TCustomChart& sender, TMouseButton, TShiftState, int, int) {
            ++calls;
            EXPECT_TRUE(sender.CancelMouse());
            if (c.ClearsFlag)
                sender.SetCancelMouse(false);
        };
        const TPoint p = At(220, 1.4);
        ASSERT_EQ(chart_.ClickedPart(p.X, p.Y).Part, cpBackground);
        chart_.MouseDown(mbLeft, ssLeft, p.X, p.Y);
        EXPECT_EQ(calls, 1);
        EXPECT_EQ(chart_.Zoom().Active, c.DragStarts);
        EXPECT_FALSE(chart_.CancelMouse());
        chart_.MouseUp(mbLeft, 0, p.X, p.Y);
    }
}

TEST_F(ChartMouse, ACancelFlagSetBeforehandStopsOneMouseDown)
{
    const TPoint p = At(220, 1.4);
    chart_.SetCancelMouse(true);
    chart_.MouseDown(mbLeft, ssLeft, p.X, p.Y);
    EXPECT_FALSE(chart_.Zoom().Active);
    EXPECT_FALSE(chart_.CancelMouse());
    chart_.MouseDown(mbLeft, ssLeft, p.X, p.Y);
    EXPECT_TRUE(chart_.Zoom().Active);
}

// A drag in progress ends the mouse-down handling before the flag is looked at: a flag set during a
// zoom or scroll drag survives it and stops the first mouse-down after the drag.
TEST_F(ChartMouse, ACancelFlagSetDuringADragStopsTheNextMouseDown)
{
    const TPoint p = At(220, 1.4);
    for (const TMouseButton button : {mbLeft, mbRight}) {
        SCOPED_TRACE(button);
        const TShiftState held = button == mbLeft ? ssLeft : ssRight;
        chart_.MouseDown(button, held, p.X, p.Y);
        ASSERT_TRUE(chart_.Zoom().Active || chart_.Panning().Active);
        chart_.SetCancelMouse(true);
        chart_.MouseDown(button, held, p.X, p.Y);
        EXPECT_TRUE(chart_.CancelMouse());
        chart_.MouseUp(button, 0, p.X, p.Y);
        ASSERT_FALSE(chart_.Zoom().Active || chart_.Panning().Active);
        chart_.MouseDown(button, held, p.X, p.Y);
        EXPECT_FALSE(chart_.Zoom().Active || chart_.Panning().Active);
        EXPECT_FALSE(chart_.CancelMouse());
    }
}

TEST_F(ChartMouse, ALegendClickStartsNoDrag)
{
    const TRect box = chart_.Legend().LegendBox();
    ASSERT_FALSE(box.IsEmpty());
    const TPoint p{(box.Left + box.Right) / 2, box.Top + 3};
    const TChartClickedPart part = chart_.ClickedPart(p.X, p.Y);
    ASSERT_EQ(part.Part, cpLegend);
    EXPECT_EQ(part.PointIndex, 0);

    chart_.MouseDown(mbLeft, ssLeft, p.X, p.Y);
    EXPECT_FALSE(chart_.Zoom().Active);
    chart_.MouseDown(mbRight, ssRight, p.X, p.Y);
    EXPECT_FALSE(chart_.Panning().Active);

    // Even a legend handler that clears the flag starts none; the background handler is offered the click.
    int legendClicks = 0;
    int backgroundClicks = 0;
    chart_.OnClickLegend = [&](TCustomChart& sender, TMouseButton, TShiftState, int, int) {
        ++legendClicks;
        sender.SetCancelMouse(false);
    };
    chart_.OnClickBackground = [&](TCustomChart&, TMouseButton, TShiftState, int, int) { ++backgroundClicks; };
    chart_.MouseDown(mbLeft, ssLeft, p.X, p.Y);
    EXPECT_EQ(legendClicks, 1);
    EXPECT_EQ(backgroundClicks, 1);
    EXPECT_FALSE(chart_.Zoom().Active);
}

TEST_F(ChartMouse, ClickedPartFindsSeriesAxisTitleBackgroundLegendAndNothing)
{
    chart_.Title().SetText({"Relation"});
    Paint();
    const TRect plot = chart_.PlotRect();
    const TRect title = chart_.Title().TitleBox();
    const TRect legend = chart_.Legend().LegendBox();
    const TPoint onPoint = At(300, 1.0 + 100 / 1600.0);
    struct TCase {
        const char* Name;
        TPoint Point;
        TClickedPartKind Part;
    };
    const TCase cases[] = {
        {"series point", onPoint, cpSeries},
        {"bottom axis line", {(plot.Left + plot.Right) / 2, plot.Bottom + 1}, cpAxis},
        {"left axis labels", {plot.Left - 2, (plot.Top + plot.Bottom) / 2}, cpAxis},
        {"title", {(title.Left + title.Right) / 2, title.Top + 2}, cpTitle},
        {"plot", At(220, 1.4), cpBackground},
        {"legend", {(legend.Left + legend.Right) / 2, legend.Top + 3}, cpLegend},
        {"panel corner", {2, 335}, cpNone},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(chart_.ClickedPart(c.Point.X, c.Point.Y).Part, c.Part);
    }
    const TChartClickedPart point = chart_.ClickedPart(onPoint.X, onPoint.Y);
    EXPECT_EQ(point.Series, series_);
    EXPECT_EQ(point.PointIndex, 20);
    EXPECT_EQ(chart_.ClickedPart((plot.Left + plot.Right) / 2, plot.Bottom + 1).Axis, &chart_.BottomAxis());

    // An inactive series is not hit, and with no active series the plot is no background.
    series_->SetActive(false);
    EXPECT_EQ(chart_.ClickedPart(onPoint.X, onPoint.Y).Part, cpNone);
}

TEST_F(ChartMouse, ASeriesClickRunsTheSeriesHandlerThenOnClickSeries)
{
    std::vector<std::string> calls;
    series_->OnClick = [&](TChartSeries&, int index, int, int) { calls.push_back("series " + std::to_string(index)); };
    const TPoint p = At(300, 1.0 + 100 / 1600.0);

    // The series' own handler counts as handled: no drag.
    chart_.MouseDown(mbLeft, ssLeft, p.X, p.Y);
    EXPECT_FALSE(chart_.Zoom().Active);

    chart_.OnClickSeries = [&](TCustomChart& sender, TChartSeries& series, int index, TMouseButton, TShiftState, int, int) {
        EXPECT_EQ(&series, series_);
        calls.push_back("chart " + std::to_string(index));
        sender.SetCancelMouse(false);
    };
    chart_.MouseDown(mbLeft, ssLeft, p.X, p.Y);
    EXPECT_TRUE(chart_.Zoom().Active);
    EXPECT_EQ(calls, (std::vector<std::string>{"series 20", "series 20", "chart 20"}));

    // A double click raises the series' OnDblClick instead.
    chart_.MouseUp(mbLeft, 0, p.X, p.Y);
    chart_.OnClickSeries = nullptr;
    calls.clear();
    series_->OnDblClick = [&](TChartSeries&, int index, int, int) { calls.push_back("double " + std::to_string(index)); };
    chart_.MouseDown(mbLeft, ssLeft | ssDouble, p.X, p.Y);
    EXPECT_EQ(calls, (std::vector<std::string>{"double 20"}));
    EXPECT_FALSE(chart_.Zoom().Active);
}

TEST_F(ChartMouse, AnAxisClickStartsADragUnlessItsHandlerKeepsTheFlag)
{
    const TRect plot = chart_.PlotRect();
    const TPoint p{(plot.Left + plot.Right) / 2, plot.Bottom + 1};
    TChartAxis* clicked = nullptr;
    chart_.OnClickAxis = [&](TCustomChart&, TChartAxis& axis, TMouseButton, TShiftState, int, int) { clicked = &axis; };
    chart_.MouseDown(mbLeft, ssLeft, p.X, p.Y);
    EXPECT_EQ(clicked, &chart_.BottomAxis());
    EXPECT_FALSE(chart_.Zoom().Active);

    chart_.OnClickAxis = nullptr;
    chart_.MouseDown(mbLeft, ssLeft, p.X, p.Y);
    EXPECT_TRUE(chart_.Zoom().Active);
}

TEST_F(ChartMouse, TheCursorFollowsSeriesWithACursorOfTheirOwn)
{
    std::vector<TCursor> shown;
    chart_.OnCursorChange = [&](TCursor cursor) { shown.push_back(cursor); };
    series_->SetCursor(crHandPoint);
    const TPoint onPoint = At(300, 1.0 + 100 / 1600.0);
    chart_.MouseMove(0, onPoint.X, onPoint.Y);
    EXPECT_EQ(chart_.Cursor(), crHandPoint);
    const TPoint away = At(220, 1.4);
    chart_.MouseMove(0, away.X, away.Y);
    EXPECT_EQ(chart_.Cursor(), chart_.OriginalCursor());
    EXPECT_EQ(shown, (std::vector<TCursor>{crHandPoint, crDefault}));

    chart_.MouseMove(0, onPoint.X, onPoint.Y);
    chart_.MouseLeave();
    EXPECT_EQ(chart_.Cursor(), chart_.OriginalCursor());
}

TEST_F(ChartMouse, AnAnimatedZoomRepaintsEachStepAndEndsOnTheTargets)
{
    std::vector<double> bottomMinimums;
    chart_.OnRepaint = [&] {
        bottomMinimums.push_back(chart_.BottomAxis().Minimum());
        Paint();
    };
    chart_.SetAnimatedZoom(true);
    const int drawsBefore = draws_;
    TZoomValues values;
    values.BottomMinimum = 260;
    values.BottomMaximum = 300;
    values.TopMinimum = 0;
    values.TopMaximum = 1;
    values.LeftMinimum = 1.2;
    values.LeftMaximum = 1.3;
    values.RightMinimum = 0;
    values.RightMaximum = 1;

    chart_.ZoomToValues(values);

    ASSERT_EQ(bottomMinimums.size(), 7U);
    EXPECT_DOUBLE_EQ(bottomMinimums[0], 200 + 60 / 3.0);
    EXPECT_TRUE(std::is_sorted(bottomMinimums.begin(), bottomMinimums.end()));
    EXPECT_LT(bottomMinimums.back(), 260);
    EXPECT_EQ(draws_, drawsBefore + 7);
    EXPECT_EQ(chart_.BottomAxis().Minimum(), 260);
    EXPECT_EQ(chart_.BottomAxis().Maximum(), 300);
    EXPECT_EQ(chart_.LeftAxis().Minimum(), 1.2);
    EXPECT_EQ(chart_.LeftAxis().Maximum(), 1.3);
    EXPECT_EQ(zooms_, 1);

    chart_.UndoZoom();
    ExpectCalculatorRanges();
}

TEST_F(ChartMouse, TheChartStillDrawsAfterAnySequenceOfZoomsScrollsAndUndo)
{
    const auto zoom = [&] {
        const TPoint p = At(chart_.BottomAxis().Minimum() + 1, chart_.LeftAxis().Maximum() - 0.01);
        Drag(mbLeft, p, {p.X + 40, p.Y + 30});
    };
    const auto scroll = [&] {
        const TPoint p{chart_.PlotXCenter(), chart_.PlotYCenter()};
        Drag(mbRight, p, {p.X - 25, p.Y + 15});
    };
    const auto undo = [&] {
        const TPoint p{chart_.PlotXCenter(), chart_.PlotYCenter()};
        Drag(mbLeft, p, {p.X - 30, p.Y - 30});
    };
    const auto wheel = [&] { chart_.MouseWheel(-120); };
    const std::vector<std::function<void()>> steps{zoom, zoom, scroll, wheel, undo, scroll, zoom, undo, undo, wheel, zoom, scroll};
    for (std::size_t i = 0; i < steps.size(); ++i) {
        SCOPED_TRACE(i);
        steps[i]();
        const int drawsBefore = draws_;
        window_.Clear();
        Paint();
        EXPECT_EQ(draws_, drawsBefore + 1);
        EXPECT_FALSE(window_.RecordsOf(TDrawOp::LineTo).empty());
    }
}

} // namespace
