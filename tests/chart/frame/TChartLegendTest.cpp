#include "FrameTestChart.h"

#include "chart/frame/LegendException.h"
#include "chart/frame/TChartLegend.h"
#include "chart/frame/TChartTitle.h"

#include <gtest/gtest.h>

TEST(ChartLegend, RangeChecksRefuseAndKeepTheOldValue)
{
    struct Case {
        const char* name;
        void (TChartLegend::*set)(int);
        int (TChartLegend::*get)() const;
        int refused;
        const char* message;
        int accepted;
    };
    const Case cases[] = {
        {"TopPos high", &TChartLegend::SetTopPos, &TChartLegend::TopPos, 101, "Top Legend Position must be between 0 and 100 %", 100},
        {"TopPos low", &TChartLegend::SetTopPos, &TChartLegend::TopPos, -1, "Top Legend Position must be between 0 and 100 %", 0},
        {"ColorWidth low", &TChartLegend::SetColorWidth, &TChartLegend::ColorWidth, -1, "Legend Color Width must be between 0 and 100 %", 0},
        {"ColorWidth high", &TChartLegend::SetColorWidth, &TChartLegend::ColorWidth, 101, "Legend Color Width must be between 0 and 100 %", 100},
        {"FirstValue", &TChartLegend::SetFirstValue, &TChartLegend::FirstValue, -1, "First Legend Value must be > 0", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TFrameTestChart chart;
        TChartLegend& legend = chart.Legend();
        (legend.*c.set)(7);
        try {
            (legend.*c.set)(c.refused);
            ADD_FAILURE() << "no exception";
        } catch (const LegendException& e) {
            EXPECT_STREQ(e.what(), c.message);
        }
        EXPECT_EQ((legend.*c.get)(), 7);
        (legend.*c.set)(c.accepted);
        EXPECT_EQ((legend.*c.get)(), c.accepted);
    }
}

TEST(ChartLegend, RefusalIsAnEngineException)
{
    TFrameTestChart chart;
    EXPECT_THROW(chart.Legend().SetTopPos(101), EChartException);
}

TEST(ChartLegend, NoActiveSeriesMeansNoLegendAndNoRoom)
{
    TFrameTestChart chart;
    std::vector<TSymbolProbeSeries*> series = AddCalculatorSeries(chart);
    for (TSymbolProbeSeries* s : series)
        s->SetActive(false);
    TRecordingDevice device;
    chart.Title().SetVisible(false);
    const TRect plotAfter = chart.DrawStep(device, [&] { chart.PlaceTitles(); });

    EXPECT_EQ(chart.Legend().LegendEntryCount(), 0);
    EXPECT_TRUE(device.Records().empty());
    EXPECT_EQ(plotAfter, (TRect{17, 13, 536, 324}));
    EXPECT_EQ(chart.Legend().ItemAt(500, 40), -1);
}

TEST(ChartLegend, InactiveAndUnlistedSeriesAreSkipped)
{
    TFrameTestChart chart;
    std::vector<TSymbolProbeSeries*> series = AddCalculatorSeries(chart);
    series[1]->SetActive(false);
    series[5]->SetShowInLegend(false);
    series[2]->SetTitle("");
    series[2]->SetName("Series3");

    EXPECT_EQ(chart.Legend().LegendEntryCount(), 4);
    std::vector<std::string> texts;
    for (int i = 0; i < chart.Legend().LegendEntryCount(); ++i)
        texts.push_back(chart.Legend().ItemText(i));
    EXPECT_EQ(texts, (std::vector<std::string>{"Selected", "Series3", "3\" M62", "3\" M79"}));
}

TEST(ChartLegend, OneActiveSeriesListsItsValues)
{
    TFrameTestChart chart;
    TSymbolProbeSeries& points = AddProbeSeries(chart, "Points");
    points.AddPoint(1, 10, "a\rb");
    points.AddPoint(2, 20, "c");
    points.AddPoint(3, 30, "d");

    TChartLegend& legend = chart.Legend();
    EXPECT_EQ(legend.EffectiveLegendStyle(), lsValues);
    EXPECT_EQ(legend.LegendEntryCount(), 3);
    for (int i = 0; i < 3; ++i) {
        std::string expected = points.LegendText(i, ltsLeftValue);
        std::replace(expected.begin(), expected.end(), '\r', ' ');
        EXPECT_EQ(legend.ItemText(i), expected);
    }
    EXPECT_EQ(legend.ItemText(0).find('\r'), std::string::npos);

    AddProbeSeries(chart, "Second");
    EXPECT_EQ(legend.EffectiveLegendStyle(), lsSeries);
    EXPECT_EQ(legend.LegendEntryCount(), 2);
}

TEST(ChartLegend, ValueItemsAskTheSeriesForEachPointSymbol)
{
    TFrameTestChart chart;
    TSymbolProbeSeries& points = AddProbeSeries(chart, "Points");
    points.AddPoint(1, 10, "a");
    points.AddPoint(2, 20, "b");
    points.AddPoint(3, 30, "c");
    chart.Legend().SetFirstValue(1);
    TRecordingDevice device;
    chart.DrawStep(device, [&] { chart.Legend().Paint(chart.Legend().LayOut()); });

    ASSERT_EQ(points.Symbols.size(), 2u);
    EXPECT_EQ(points.Symbols[0].first, 1);
    EXPECT_EQ(points.Symbols[1].first, 2);
}

TEST(ChartLegend, LastValuesShowEachSeriesLastPoint)
{
    TFrameTestChart chart;
    TSymbolProbeSeries& first = AddProbeSeries(chart, "First");
    TSymbolProbeSeries& empty = AddProbeSeries(chart, "Empty");
    first.AddPoint(1, 10, "a");
    first.AddPoint(2, 20, "b");
    chart.Legend().SetLegendStyle(lsLastValues);

    EXPECT_EQ(chart.Legend().LegendEntryCount(), 2);
    EXPECT_EQ(chart.Legend().ItemText(0), first.LegendText(1, ltsLeftValue));
    // A series without points has no last value: its item stays empty and draws nothing.
    EXPECT_EQ(chart.Legend().ItemText(1), "");
    TRecordingDevice device;
    chart.DrawStep(device, [&] { chart.Legend().Paint(chart.Legend().LayOut()); });
    EXPECT_EQ(first.Symbols.size(), 1u);
    EXPECT_TRUE(empty.Symbols.empty());
}

namespace {

// A series with the engine's own legend symbol: a filled rectangle, outlined again when it matches the legend.
class TPlainSymbolSeries : public TChartSeries {
public:
    void CalcFirstLastVisible() override { SetVisibleRange(Count() > 0 ? 0 : -1, Count() - 1); }
    void DrawAllPoints() override {}
};

} // namespace

TEST(ChartLegend, SymbolsGetTheColourOfTheLegendThatDrawsThem)
{
    // The symbol outlines itself against the legend that draws it, whatever the chart's LegendBackColor
    // says by then: the layout records the legend's colour for callers, the drawing hands it over.
    TFrameTestChart chart;
    auto* series = new TPlainSymbolSeries;
    series->SetTitle("S");
    series->SetSeriesColor(clYellow);
    chart.AttachSeries(series);
    chart.Legend().SetColor(clYellow);
    chart.Legend().SetLegendStyle(lsSeries);
    TRecordingDevice device;
    chart.DrawStep(device, [&] {
        const TChartLegend::TLayout layout = chart.Legend().LayOut();
        EXPECT_EQ(chart.LegendBackColor(), clYellow);
        EXPECT_TRUE(device.Records().empty());
        chart.SetLegendBackColor(clRed);
        chart.Legend().Paint(layout);
    });
    // The legend's box, the symbol, and the symbol's outline with a clear brush.
    const std::vector<TDrawRecord> boxes = device.RecordsOf(TDrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[1].Rect, boxes[2].Rect);
    EXPECT_EQ(boxes[1].State.Brush, (TDeviceBrush{clYellow, bsSolid}));
    EXPECT_EQ(boxes[2].State.Brush.Style, bsClear);
}

TEST(ChartLegend, SettersRepaintOnlyOnChange)
{
    TFrameTestChart chart;
    int invalidations = 0;
    chart.OnInvalidate = [&] { ++invalidations; };
    chart.Legend().SetInverted(true);
    EXPECT_EQ(invalidations, 1);
    chart.Legend().SetInverted(true);
    EXPECT_EQ(invalidations, 1);
    chart.Legend().Frame().SetColor(clRed);
    chart.Legend().Font().SetSize(12);
    chart.Legend().DividingLines().SetVisible(true);
    chart.Legend().Brush().SetStyle(bsCross);
    EXPECT_EQ(invalidations, 5);
}

TEST(ChartLegend, AssignCopiesEverySetting)
{
    TFrameTestChart from;
    TChartLegend& a = from.Legend();
    a.SetAlignment(laBottom);
    a.Brush().SetStyle(bsCross);
    a.SetColor(clYellow);
    a.SetColorWidth(30);
    a.DividingLines().SetVisible(true);
    a.SetFirstValue(2);
    a.Font().SetColor(clRed);
    a.Frame().SetWidth(2);
    a.SetHorizMargin(4);
    a.SetInverted(true);
    a.SetLegendStyle(lsLastValues);
    a.SetMaxNumRows(3);
    a.SetResizeChart(false);
    a.SetShadowColor(clGray);
    a.SetShadowSize(5);
    a.SetTextStyle(ltsRightPercent);
    a.SetTopPos(40);
    a.SetVertMargin(6);
    a.SetVisible(false);

    TFrameTestChart to;
    TChartLegend& b = to.Legend();
    b.Assign(a);
    EXPECT_EQ(b.Alignment(), laBottom);
    EXPECT_EQ(b.Brush().Style(), bsCross);
    EXPECT_EQ(b.Color(), clYellow);
    EXPECT_EQ(b.ColorWidth(), 30);
    EXPECT_TRUE(b.DividingLines().Visible());
    EXPECT_EQ(b.FirstValue(), 2);
    EXPECT_EQ(b.Font().Color(), clRed);
    EXPECT_EQ(b.Frame().Width(), 2);
    EXPECT_EQ(b.HorizMargin(), 4);
    EXPECT_TRUE(b.Inverted());
    EXPECT_EQ(b.LegendStyle(), lsLastValues);
    EXPECT_EQ(b.MaxNumRows(), 3);
    EXPECT_FALSE(b.ResizeChart());
    EXPECT_EQ(b.ShadowColor(), clGray);
    EXPECT_EQ(b.ShadowSize(), 5);
    EXPECT_EQ(b.TextStyle(), ltsRightPercent);
    EXPECT_EQ(b.TopPos(), 40);
    EXPECT_EQ(b.VertMargin(), 6);
    EXPECT_FALSE(b.Visible());
}

TEST(ChartLegend, Defaults)
{
    TFrameTestChart chart;
    const TChartLegend& legend = chart.Legend();
    EXPECT_EQ(legend.Alignment(), laRight);
    EXPECT_EQ(legend.Brush().Color(), clAutoColor);
    EXPECT_EQ(legend.Brush().Style(), bsSolid);
    EXPECT_EQ(legend.Color(), clWhite);
    EXPECT_EQ(legend.ColorWidth(), 12);
    EXPECT_FALSE(legend.DividingLines().Visible());
    EXPECT_EQ(legend.FirstValue(), 0);
    EXPECT_EQ(legend.Font().Name(), "Arial");
    EXPECT_EQ(legend.Font().Size(), 8);
    EXPECT_EQ(legend.Font().Color(), clBlack);
    EXPECT_TRUE(legend.Frame().Visible());
    EXPECT_EQ(legend.Frame().Color(), clBlack);
    EXPECT_EQ(legend.Frame().Width(), 1);
    EXPECT_EQ(legend.HorizMargin(), 0);
    EXPECT_FALSE(legend.Inverted());
    EXPECT_EQ(legend.LegendStyle(), lsAuto);
    EXPECT_EQ(legend.MaxNumRows(), 10);
    EXPECT_TRUE(legend.ResizeChart());
    EXPECT_EQ(legend.ShadowColor(), clBlack);
    EXPECT_EQ(legend.ShadowSize(), 3);
    EXPECT_EQ(legend.TextStyle(), ltsLeftValue);
    EXPECT_EQ(legend.TopPos(), 10);
    EXPECT_EQ(legend.VertMargin(), 0);
    EXPECT_TRUE(legend.Visible());
}
