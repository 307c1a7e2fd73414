#include "FrameTestChart.h"

#include "chart/frame/TChartLegend.h"

#include <gtest/gtest.h>

namespace {

// Layout of the calculator's legend on the recording device: text height 13, widest item "Selected"
// 8 x 6 = 48 pixels, PanelRect 553 x 337, PlotRect (17, 13, 536, 324) before the legend.
constexpr int LH = 13;

struct TLegendDraw {
    TFrameTestChart chart;
    std::vector<TSymbolProbeSeries*> series = AddCalculatorSeries(chart);
    TRecordingDevice device;
    TRect plotAfter;

    TChartLegend& Legend() { return chart.Legend(); }

    void Draw()
    {
        plotAfter = chart.DrawStep(device, [this] { chart.Legend().Paint(chart.Legend().LayOut()); });
    }
};

} // namespace

TEST(ChartLegend, CalculatorLegendSitsRightOfThePlot)
{
    TLegendDraw d;
    d.chart.SetLegendBackColor(clRed);
    d.Draw();

    // Top = round(10 % of 337) = 34; six rows; Right = 536 - (frame 1 + 1) - shadow 3 = 531;
    // text column 48 wide, symbol box round(58 x 12 %) = 7 wide.
    EXPECT_EQ(d.Legend().EffectiveLegendStyle(), lsSeries);
    EXPECT_EQ(d.Legend().RowCount(), 6);
    EXPECT_EQ(d.Legend().ColorBoxWidth(), 7);
    EXPECT_EQ(d.Legend().LegendBox(), (TRect{466, 34, 531, 34 + 6 * LH + 2}));
    // The plot's right edge is the legend's left less 3 % of the plot width 519.
    EXPECT_EQ(d.plotAfter, (TRect{17, 13, 466 - 16, 324}));
    EXPECT_EQ(d.chart.LegendBackColor(), clWhite);

    EXPECT_EQ(DrawnTexts(d.device), (std::vector<std::string>{"Selected", "0°-35°", "40°-60°", "APFSDS", "3\" M62", "3\" M79"}));
    const std::vector<TPoint> expectedPositions{{481, 35}, {481, 48}, {481, 61}, {481, 74}, {481, 87}, {481, 100}};
    EXPECT_EQ(TextPositions(d.device), expectedPositions);
    for (const TDrawRecord& text : d.device.RecordsOf(TDrawOp::TextOut))
        EXPECT_EQ(text.State.BackMode, bmTransparent) << text.Text;

    // Each listed series draws its whole-series symbol left of its text; the others are not asked.
    const std::vector<int> legendRow{0, 1, 2, -1, -1, 3, 4, 5, -1};
    for (std::size_t s = 0; s < d.series.size(); ++s) {
        SCOPED_TRACE(s);
        if (legendRow[s] < 0) {
            EXPECT_TRUE(d.series[s]->Symbols.empty());
            continue;
        }
        const int y = 35 + legendRow[s] * LH;
        ASSERT_EQ(d.series[s]->Symbols.size(), 1u);
        EXPECT_EQ(d.series[s]->Symbols[0].first, -1);
        EXPECT_EQ(d.series[s]->Symbols[0].second, (TRect{470, y + 2, 477, y + LH - 2}));
    }
}

TEST(ChartLegend, BoxHasFrameShadowAndWhiteFill)
{
    TLegendDraw d;
    d.Draw();

    // The shadow first, 3 pixels right and below, then the framed white box over it.
    const std::vector<TDrawRecord> fills = d.device.RecordsOf(TDrawOp::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].Rect, (TRect{469, 37, 535, 118}));
    EXPECT_EQ(fills[0].State.Brush, (TDeviceBrush{clBlack, bsSolid}));

    const std::vector<TDrawRecord> boxes = d.device.RecordsOf(TDrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Rect, (TRect{465, 33, 532, 115}));
    EXPECT_EQ(boxes[0].State.Brush, (TDeviceBrush{clWhite, bsSolid}));
    EXPECT_EQ(boxes[0].State.Pen.Color, clBlack);
    EXPECT_EQ(boxes[0].State.Pen.Style, psSolid);

    const auto& records = d.device.Records();
    const auto shadowAt = std::find_if(records.begin(), records.end(), [](const TDrawRecord& r) { return r.Op == TDrawOp::FillRect; });
    const auto boxAt = std::find_if(records.begin(), records.end(), [](const TDrawRecord& r) { return r.Op == TDrawOp::Rectangle; });
    EXPECT_LT(shadowAt, boxAt);
}

TEST(ChartLegend, HiddenFrameAndNoShadowKeepTheBoxOnItsItems)
{
    TLegendDraw d;
    d.Legend().Frame().SetVisible(false);
    d.Legend().SetShadowSize(0);
    d.Draw();

    // Without a frame the box reaches the plot's right edge and is drawn with a clear pen.
    EXPECT_EQ(d.Legend().LegendBox().Right, 536);
    EXPECT_TRUE(d.device.RecordsOf(TDrawOp::FillRect).empty());
    const std::vector<TDrawRecord> boxes = d.device.RecordsOf(TDrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Rect, d.Legend().LegendBox());
    EXPECT_EQ(boxes[0].State.Pen.Style, psClear);
}

TEST(ChartLegend, OtherSidesTakeTheirRoomFromThePlot)
{
    // Horizontal legends: item width 52, symbol box round(52 x 12 %) = 6, six columns in one row,
    // box width 3 x 2 + (6 + 52 + 4) x 6 + 8 = 386 shifted right by round(10 % of (553 - 386)) = 17.
    struct Case {
        TLegendAlignment alignment;
        TRect box;
        TRect plot;
        TPoint firstText;
    };
    const Case cases[] = {
        {laLeft, {19, 34, 84, 114}, {84 + 16, 13, 536, 324}, {34, 35}},
        {laRight, {466, 34, 531, 114}, {17, 13, 450, 324}, {481, 35}},
        {laTop, {100, 15, 486, 30}, {17, 30 + 3 + 12, 536, 324}, {114, 16}},
        {laBottom, {100, 304, 486, 319}, {17, 13, 536, 304 - 12}, {114, 305}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.alignment));
        TLegendDraw d;
        d.Legend().SetAlignment(c.alignment);
        d.Draw();
        EXPECT_EQ(d.Legend().LegendBox(), c.box);
        EXPECT_EQ(d.plotAfter, c.plot);
        const std::vector<TPoint> positions = TextPositions(d.device);
        ASSERT_EQ(positions.size(), 6u);
        EXPECT_EQ(positions[0], c.firstText);
    }
}

TEST(ChartLegend, HorizontalItemsFillARowLeftToRight)
{
    TLegendDraw d;
    d.Legend().SetAlignment(laTop);
    d.Legend().SetMaxNumRows(2);
    // Narrow the plot so that only four columns fit: (PlotWidth - 2 - 8) div 66 = 4 needs 274..339.
    d.chart.SetMarginRight(43);
    d.Draw();

    ASSERT_EQ(d.Legend().ColumnCount(), 4);
    ASSERT_EQ(d.Legend().RowCount(), 2);
    const std::vector<TPoint> positions = TextPositions(d.device);
    ASSERT_EQ(positions.size(), 6u);
    const int x0 = positions[0].X;
    const int y0 = positions[0].Y;
    const std::vector<TPoint> expected{{x0, y0}, {x0 + 62, y0}, {x0 + 124, y0}, {x0 + 186, y0}, {x0, y0 + LH}, {x0 + 62, y0 + LH}};
    EXPECT_EQ(positions, expected);
}

TEST(ChartLegend, RowsThatDoNotFitAreLeftOut)
{
    TLegendDraw d;
    // Top = round(90 % of 337) = 303: one row of 13 fits above the plot bottom 324.
    d.Legend().SetTopPos(90);
    d.Draw();
    EXPECT_EQ(d.Legend().RowCount(), 1);
    EXPECT_EQ(DrawnTexts(d.device), (std::vector<std::string>{"Selected"}));
}

TEST(ChartLegend, NoRoomForARowDrawsNothingAndTakesNothing)
{
    TLegendDraw d;
    d.Legend().SetTopPos(100);
    d.Draw();
    EXPECT_EQ(d.Legend().RowCount(), 0);
    EXPECT_TRUE(d.device.RecordsOf(TDrawOp::Rectangle).empty());
    EXPECT_TRUE(d.device.RecordsOf(TDrawOp::TextOut).empty());
    EXPECT_EQ(d.plotAfter, (TRect{17, 13, 536, 324}));
}

TEST(ChartLegend, MarginAndResizeChart)
{
    struct Case {
        bool resizeChart;
        int horizMargin;
        int plotRight;
    };
    const Case cases[] = {
        {true, 0, 466 - 16},
        {true, 5, 466 - 5},
        {false, 0, 536 - 16},
        {false, 5, 536 - 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.horizMargin);
        TLegendDraw d;
        d.Legend().SetResizeChart(c.resizeChart);
        d.Legend().SetHorizMargin(c.horizMargin);
        d.Draw();
        EXPECT_EQ(d.plotAfter.Right, c.plotRight);
        EXPECT_EQ(d.Legend().LegendBox().Left, 466);
    }
}

TEST(ChartLegend, ColorWidthZeroKeepsTheTextInPlace)
{
    TLegendDraw d;
    d.Legend().SetColorWidth(0);
    d.Draw();
    EXPECT_EQ(d.Legend().ColorBoxWidth(), 0);
    EXPECT_EQ(d.Legend().LegendBox(), (TRect{473, 34, 531, 114}));
    EXPECT_EQ(TextPositions(d.device)[0], (TPoint{481, 35}));
    EXPECT_EQ(d.series[0]->Symbols.at(0).second, (TRect{477, 37, 477, 46}));
}

TEST(ChartLegend, InvertedListsTheLastItemFirst)
{
    TLegendDraw d;
    d.Legend().SetInverted(true);
    d.Draw();
    EXPECT_EQ(DrawnTexts(d.device), (std::vector<std::string>{"3\" M79", "3\" M62", "APFSDS", "40°-60°", "0°-35°", "Selected"}));
    EXPECT_EQ(d.series[7]->Symbols.at(0).second.Top, 35 + 2);
    EXPECT_EQ(d.series[0]->Symbols.at(0).second.Top, 35 + 5 * LH + 2);
}

TEST(ChartLegend, FirstValueSkipsLeadingItems)
{
    struct Case {
        bool inverted;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {false, {"40°-60°", "APFSDS", "3\" M62", "3\" M79"}},
        {true, {"3\" M79", "3\" M62", "APFSDS", "40°-60°"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.inverted);
        TLegendDraw d;
        d.Legend().SetFirstValue(2);
        d.Legend().SetInverted(c.inverted);
        d.Draw();
        EXPECT_EQ(d.Legend().LegendEntryCount(), 4);
        EXPECT_EQ(d.Legend().RowCount(), 4);
        EXPECT_EQ(DrawnTexts(d.device), c.texts);
        EXPECT_TRUE(d.series[0]->Symbols.empty());
        EXPECT_TRUE(d.series[1]->Symbols.empty());
    }
}

TEST(ChartLegend, DividingLinesSeparateTheRows)
{
    TLegendDraw d;
    d.Legend().DividingLines().SetVisible(true);
    d.Legend().DividingLines().SetColor(clGray);
    d.Draw();

    std::vector<int> ys;
    for (const TDrawRecord& r : d.device.RecordsOf(TDrawOp::LineTo)) {
        if (r.State.Pen.Color != clGray)
            continue;
        EXPECT_EQ(r.P1.X, 466);
        EXPECT_EQ(r.P2.X, 531);
        EXPECT_EQ(r.P1.Y, r.P2.Y);
        ys.push_back(r.P1.Y);
    }
    EXPECT_EQ(ys, (std::vector<int>{48, 61, 74, 87, 100}));
}

TEST(ChartLegend, ItemAtFindsTheRowUnderThePoint)
{
    TLegendDraw d;
    d.Draw();
    // Box (466, 34, 531, 114): row height (114 - 34) div 6 = 13, row a spans 35 + 13a .. 48 + 13a.
    struct Case {
        TPoint p;
        int item;
    };
    const Case cases[] = {
        {{470, 40}, 0},
        {{530, 48}, 0},
        {{500, 49}, 1},
        {{500, 110}, 5},
        {{500, 34}, -1},
        {{465, 40}, -1},
        {{531, 40}, -1},
        {{500, 114}, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(d.Legend().ItemAt(c.p.X, c.p.Y), c.item) << c.p.X << "," << c.p.Y;
}

TEST(ChartLegend, ItemAtCountsColumnsOfAHorizontalLegend)
{
    TLegendDraw d;
    d.Legend().SetAlignment(laTop);
    d.Draw();
    // Box (100, 15, 486, 30), six columns of (486 - 100) div 6 = 64.
    EXPECT_EQ(d.Legend().ItemAt(105, 20), 0);
    EXPECT_EQ(d.Legend().ItemAt(100 + 2 * 64 + 5, 20), 2);
    EXPECT_EQ(d.Legend().ItemAt(485, 20), 5);
    EXPECT_EQ(d.Legend().ItemAt(99, 20), -1);
}

TEST(ChartLegend, EventsChangeTextPositionAndBox)
{
    TLegendDraw d;
    d.chart.OnGetLegendText = [](TCustomChart&, TLegendStyle style, int index, std::string& text) {
        EXPECT_EQ(style, lsSeries);
        if (index == 1)
            text = "zero to 35";
    };
    std::vector<int> xColors;
    d.chart.OnGetLegendPos = [&](TCustomChart&, int index, int& x, int& y, int& xColor) {
        xColors.push_back(xColor);
        if (index == 0) {
            x = 200;
            y = 250;
        }
    };
    d.chart.OnGetLegendRect = [](TCustomChart&, TRect& rect) { rect.Left -= 10; };
    d.Draw();

    // "zero to 35" (8 glyphs and 2 spaces, 54 pixels) is now the widest item: text column at
    // 531 - 54 - 2 = 475, symbol box round(64 x 12 %) = 8, box left 475 - 8 - 8 = 459, moved to 449.
    EXPECT_EQ(DrawnTexts(d.device)[1], "zero to 35");
    EXPECT_EQ(TextPositions(d.device)[0], (TPoint{200, 250}));
    EXPECT_EQ(TextPositions(d.device)[1], (TPoint{475, 48}));
    EXPECT_EQ(d.series[0]->Symbols.at(0).second, (TRect{188, 252, 196, 261}));
    ASSERT_EQ(xColors.size(), 6u);
    EXPECT_EQ(xColors[0], 475 - 8 - 4);
    EXPECT_EQ(d.Legend().LegendBox(), (TRect{449, 34, 531, 114}));
    EXPECT_EQ(d.plotAfter.Right, 449 - 16);
}
