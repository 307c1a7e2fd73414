#include "FrameTestChart.h"

#include "chart/frame/TChartTitle.h"

#include <gtest/gtest.h>

namespace {

// On the recording device: text height 13, "W" 6 pixels wide, PlotRect (17, 13, 536, 324) before the title.
constexpr int LH = 13;

struct TTitleDraw {
    TFrameTestChart chart;
    TRecordingDevice device;
    TRect plotAfter;

    void Draw(TTitleRole role = TTitleRole::Title)
    {
        plotAfter = chart.DrawStep(device, [this, role] {
            TChartTitle& title = role == TTitleRole::Title ? chart.Title() : chart.Foot();
            title.Paint(title.LayOut(role));
        });
    }
};

} // namespace

TEST(ChartTitle, CalculatorTitleTakesOneLineAndTheGap)
{
    TTitleDraw d;
    TChartTitle& title = d.chart.Title();
    title.SetText({"Relation of Hardness to Equivalent Protection"});
    title.Font().SetHeight(-11);
    title.Font().SetColor(clBlack);
    title.Font().SetStyle(fsBold);
    d.Draw();

    // 40 letters and 5 spaces: 255 pixels, centred on (17 + 536) div 2 = 276.
    const std::vector<TDrawRecord> texts = d.device.RecordsOf(TDrawOp::TextOut);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].P1, (TPoint{276 - 255 / 2, 13}));
    EXPECT_EQ(texts[0].State.Font.Color, clBlack);
    EXPECT_EQ(texts[0].State.Font.Height, -11);
    EXPECT_TRUE(texts[0].State.Font.Style.Contains(fsBold));
    EXPECT_EQ(texts[0].State.BackMode, bmTransparent);
    EXPECT_TRUE(d.device.RecordsOf(TDrawOp::Rectangle).empty());
    EXPECT_EQ(d.plotAfter, (TRect{17, 13 + LH + 5, 536, 324}));
}

TEST(ChartTitle, TitleAndFootTakeTheirLinesFromThePlot)
{
    struct Case {
        const char* name;
        TTitleRole role;
        std::vector<std::string> lines;
        std::vector<int> lineYs;
        TRect plot;
    };
    const Case cases[] = {
        {"title, no lines", TTitleRole::Title, {}, {}, {17, 13, 536, 324}},
        {"title, two lines", TTitleRole::Title, {"AB", "C"}, {13, 13 + LH}, {17, 13 + 2 * LH + 5, 536, 324}},
        {"foot, no lines", TTitleRole::Foot, {}, {}, {17, 13, 536, 324}},
        {"foot, two lines", TTitleRole::Foot, {"AB", "C"}, {324 - LH, 324 - 2 * LH}, {17, 13, 536, 324 - 2 * LH - 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTitleDraw d;
        (c.role == TTitleRole::Title ? d.chart.Title() : d.chart.Foot()).SetText(c.lines);
        d.Draw(c.role);
        std::vector<int> ys;
        for (const TDrawRecord& r : d.device.RecordsOf(TDrawOp::TextOut))
            ys.push_back(r.P1.Y);
        EXPECT_EQ(ys, c.lineYs);
        EXPECT_EQ(d.plotAfter, c.plot);
    }
}

TEST(ChartTitle, FootDrawsItsLastLineLowest)
{
    TTitleDraw d;
    d.chart.Foot().SetText({"first", "last"});
    d.Draw(TTitleRole::Foot);
    EXPECT_EQ(DrawnTexts(d.device), (std::vector<std::string>{"last", "first"}));
    EXPECT_EQ(TextPositions(d.device)[0].Y, 324 - LH);
}

TEST(ChartTitle, AlignmentAndAdjustFrame)
{
    // "Title": 30 pixels. Unframed lines run from L = 17 to R = 536; a frame of width 1 moves both
    // in by 1 and its box, narrowed to the text plus a "W", is 36 wide. Only a drawn box (a frame or a
    // brush that fills) is narrowed: a clear brush leaves the whole title line clickable.
    struct Case {
        TAlignment alignment;
        bool framed;
        bool adjustFrame;
        int textX;
        TRect box;
        TBrushStyle brush = bsSolid;
    };
    const TRect line{17, 13, 536, 13 + LH};
    const Case cases[] = {
        {taLeftJustify, false, true, 17 + 3, line},
        {taRightJustify, false, true, 536 - 30 - 3, line},
        {taCenter, false, true, 276 - 15, line},
        {taCenter, false, true, 276 - 15, line, bsClear},
        {taLeftJustify, false, true, 17 + 3, line, bsClear},
        {taCenter, false, true, 276 - 15, {276 - 18, 13, 276 + 18, 13 + LH}, bsCross},
        {taLeftJustify, true, true, 18 + 3, {17, 13, 17 + 36, 28}},
        {taRightJustify, true, true, 535 - 30 - 3, {536 - 36, 13, 536, 28}},
        {taCenter, true, true, 276 - 15, {276 - 18, 13, 276 + 18, 28}},
        {taCenter, true, true, 276 - 15, {276 - 18, 13, 276 + 18, 28}, bsClear},
        {taCenter, true, false, 276 - 15, {17, 13, 536, 28}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.alignment << " framed " << c.framed << " adjust " << c.adjustFrame << " brush " << static_cast<int>(c.brush));
        TTitleDraw d;
        TChartTitle& title = d.chart.Title();
        title.SetText({"Title"});
        title.SetAlignment(c.alignment);
        title.SetAdjustFrame(c.adjustFrame);
        title.Frame().SetVisible(c.framed);
        title.Brush().SetStyle(c.brush);
        d.Draw();

        EXPECT_EQ(TextPositions(d.device), (std::vector<TPoint>{{c.textX, c.framed ? 14 : 13}}));
        EXPECT_EQ(title.TitleBox(), c.box);
        const std::vector<TDrawRecord> boxes = d.device.RecordsOf(TDrawOp::Rectangle);
        if (c.framed) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].Rect, c.box);
            EXPECT_EQ(boxes[0].State.Pen.Color, clBlack);
            // A framed title takes two frame widths more.
            EXPECT_EQ(d.plotAfter.Top, 13 + LH + 5 + 2);
        } else {
            EXPECT_EQ(boxes.size(), c.brush == bsCross ? 1u : 0u);
            EXPECT_EQ(d.plotAfter.Top, 13 + LH + 5);
        }
    }
}

TEST(ChartTitle, FrameWithoutColourIsNoFrame)
{
    TTitleDraw d;
    d.chart.Title().SetText({"Title"});
    d.chart.Title().Frame().SetVisible(true);
    d.chart.Title().Frame().SetColor(clAutoColor);
    d.Draw();
    EXPECT_TRUE(d.device.RecordsOf(TDrawOp::Rectangle).empty());
    EXPECT_EQ(TextPositions(d.device)[0], (TPoint{276 - 15, 13}));
    EXPECT_EQ(d.plotAfter.Top, 13 + LH + 5);
}

TEST(ChartTitle, BrushAndColourDecideTheBackground)
{
    struct Case {
        const char* name;
        TColor color;
        TColor brushColor;
        TBrushStyle brushStyle;
        bool boxDrawn;
        TDeviceBrush brush;
        TBackMode backMode;
        TColor backColor;
    };
    const Case cases[] = {
        {"no colour", clAutoColor, clAutoColor, bsSolid, false, {}, bmTransparent, 0},
        {"own colour", clYellow, clAutoColor, bsSolid, true, {clYellow, bsSolid}, bmOpaque, clYellow},
        {"pattern, no colour", clAutoColor, clBlue, bsCross, true, {clBlue, bsCross}, bmTransparent, 0},
        {"pattern on colour", clYellow, clBlue, bsCross, true, {clBlue, bsCross}, bmOpaque, clYellow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TTitleDraw d;
        TChartTitle& title = d.chart.Title();
        title.SetText({"Title"});
        title.SetColor(c.color);
        title.Brush().SetColor(c.brushColor);
        title.Brush().SetStyle(c.brushStyle);
        d.Draw();
        const std::vector<TDrawRecord> boxes = d.device.RecordsOf(TDrawOp::Rectangle);
        if (!c.boxDrawn) {
            EXPECT_TRUE(boxes.empty());
            continue;
        }
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].State.Brush, c.brush);
        // Behind a pattern the background is the title's colour, or none without one.
        if (c.brushStyle != bsSolid) {
            EXPECT_EQ(boxes[0].State.BackMode, c.backMode);
            if (c.backMode == bmOpaque) {
                EXPECT_EQ(boxes[0].State.BackColor, c.backColor);
            }
        }
        // No frame: the box is drawn with a clear pen, narrowed to the text.
        EXPECT_EQ(boxes[0].State.Pen.Style, psClear);
        EXPECT_EQ(boxes[0].Rect, (TRect{276 - 18, 13, 276 + 18, 26}));
    }
}

TEST(ChartTitle, BrushColourBecomesTheTitleColourAndShowsAtOnce)
{
    TTitleDraw d;
    TChartTitle& title = d.chart.Title();
    title.SetText({"Title"});
    title.Brush().SetColor(clRed);
    d.Draw();
    EXPECT_EQ(title.Color(), clRed);
    const std::vector<TDrawRecord> boxes = d.device.RecordsOf(TDrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].State.Brush, (TDeviceBrush{clRed, bsSolid}));
}

TEST(ChartTitle, LayoutPlacesWithoutDrawingAndPaintDrawsThere)
{
    // A framed two-line foot: the layout settles the box, the plot's bottom and the colour, and draws nothing.
    TFrameTestChart chart;
    TChartTitle& foot = chart.Foot();
    foot.SetText({"One", "Two"});
    foot.Frame().SetVisible(true);
    foot.Brush().SetColor(clYellow);
    TRecordingDevice device;
    TRect plotAfterLayout;
    chart.DrawStep(device, [&] {
        const TChartTitle::TLayout layout = foot.LayOut(TTitleRole::Foot);
        plotAfterLayout = chart.PlotRect();
        EXPECT_TRUE(device.Records().empty());
        EXPECT_EQ(foot.Color(), clYellow);
        foot.Paint(layout);
    });
    // Bottom 324 less the frame 1: lines at 323 - 26 and 323 - 13; the plot ends 5 above the framed box.
    EXPECT_EQ(foot.TitleBox(), (TRect{276 - 12, 323 - 2 * LH - 1, 276 + 12, 324}));
    EXPECT_EQ(plotAfterLayout.Bottom, 323 - 2 * LH - 1 - 5);
    const std::vector<TDrawRecord> boxes = device.RecordsOf(TDrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Rect, foot.TitleBox());
    EXPECT_EQ(boxes[0].State.Brush, (TDeviceBrush{clYellow, bsSolid}));
    // The lowest line is drawn first.
    EXPECT_EQ(DrawnTexts(device), (std::vector<std::string>{"Two", "One"}));
    const std::vector<TPoint> expectedPositions{{276 - 9, 323 - LH}, {276 - 9, 323 - 2 * LH}};
    EXPECT_EQ(TextPositions(device), expectedPositions);
}

TEST(ChartTitle, TitleContainsTheLastDrawnBox)
{
    TTitleDraw d;
    TChartTitle& title = d.chart.Title();
    title.SetText({"Title"});
    title.Frame().SetVisible(true);
    d.Draw();
    // Box (258, 13, 294, 28).
    EXPECT_TRUE(title.TitleContains(260, 20));
    EXPECT_TRUE(title.TitleContains(258, 13));
    EXPECT_FALSE(title.TitleContains(294, 20));
    EXPECT_FALSE(title.TitleContains(260, 28));
    EXPECT_FALSE(title.TitleContains(100, 20));
    title.SetVisible(false);
    EXPECT_FALSE(title.TitleContains(260, 20));
}

TEST(ChartTitle, DefaultFontIsBlueArialAndStoredOnlyWhenChanged)
{
    TFrameTestChart chart;
    const TChartFont& font = chart.Title().Font();
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Color(), clBlue);
    EXPECT_FALSE(chart.Title().IsFontStored());
    EXPECT_FALSE(chart.Foot().IsFontStored());
    chart.Title().Font().SetColor(clBlack);
    EXPECT_TRUE(chart.Title().IsFontStored());
    chart.Foot().Font().SetStyle(fsBold);
    EXPECT_TRUE(chart.Foot().IsFontStored());
}

TEST(ChartTitle, ChangesRepaintTheChart)
{
    TFrameTestChart chart;
    int invalidations = 0;
    chart.OnInvalidate = [&] { ++invalidations; };
    chart.Title().SetText({"A"});
    chart.Title().SetText({"A"});
    EXPECT_EQ(invalidations, 1);
    chart.Title().Frame().SetVisible(true);
    chart.Title().Brush().SetColor(clRed);
    chart.Title().Font().SetSize(10);
    EXPECT_EQ(invalidations, 4);
}

TEST(ChartTitle, PlacedAfterARightLegendItIsCentredOverTheNarrowerPlot)
{
    TFrameTestChart chart;
    AddCalculatorSeries(chart);
    chart.Title().SetText({"Title"});
    TRecordingDevice device;
    const TRect plotAfter = chart.DrawStep(device, [&] { chart.PlaceTitles(); });
    // The legend leaves (17, 13, 450, 324); the title is centred on (17 + 450) div 2 = 233.
    const std::vector<TDrawRecord> texts = device.RecordsOf(TDrawOp::TextOut);
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts.back().Text, "Title");
    EXPECT_EQ(texts.back().P1, (TPoint{233 - 15, 13}));
    EXPECT_EQ(plotAfter, (TRect{17, 13 + LH + 5, 450, 324}));
}

TEST(ChartTitle, AssignCopiesEverySetting)
{
    TFrameTestChart from;
    TChartTitle& a = from.Title();
    a.SetAdjustFrame(false);
    a.SetAlignment(taRightJustify);
    a.Brush().SetStyle(bsCross);
    a.SetColor(clYellow);
    a.Font().SetStyle(fsItalic);
    a.Frame().SetVisible(true);
    a.SetText({"one", "two"});
    a.SetVisible(false);

    TFrameTestChart to;
    TChartTitle& b = to.Foot();
    b.Assign(a);
    EXPECT_FALSE(b.AdjustFrame());
    EXPECT_EQ(b.Alignment(), taRightJustify);
    EXPECT_EQ(b.Brush().Style(), bsCross);
    EXPECT_EQ(b.Color(), clYellow);
    EXPECT_TRUE(b.Font().Style().Contains(fsItalic));
    EXPECT_TRUE(b.Frame().Visible());
    EXPECT_EQ(b.Text(), (std::vector<std::string>{"one", "two"}));
    EXPECT_FALSE(b.Visible());
}
