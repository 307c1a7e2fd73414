#include "ChartSeriesTestSupport.h"

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/SeriesPalette.h"
#include "chart/panel/ChartException.h"
#include "chart/panel/TChart.h"
#include "chart/series/TAddChartFunction.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// A chart that counts its repaint requests.
struct CountingChart {
    TChart Chart;
    int Repaints = 0;

    CountingChart() { Chart.OnInvalidate = [this] { ++Repaints; }; }
};

TEST(SeriesPoints, AnEarlierXMovesItsYColourAndLabelWithIt)
{
    TLineSeries series;
    EXPECT_EQ(series.AddPoint(300, 1.0, "late", clRed), 0);
    EXPECT_EQ(series.AddPoint(200, 2.0, "early", clBlue), 0);
    EXPECT_EQ(series.XValueAt(0), 200);
    EXPECT_EQ(series.YValueAt(0), 2.0);
    EXPECT_EQ(series.PointColor(0), clBlue);
    EXPECT_EQ(series.PointLabel(0), "early");
    EXPECT_EQ(series.YValueAt(1), 1.0);
    EXPECT_EQ(series.PointColor(1), clRed);
    EXPECT_EQ(series.PointLabel(1), "late");
}

TEST(SeriesPoints, AppendValueUsesThePointCountAsX)
{
    TLineSeries series;
    series.AppendValue(7);
    series.AppendValue(9, "b");
    series.AppendNull("gap");
    EXPECT_EQ(series.XValueAt(1), 1);
    EXPECT_EQ(series.YValueAt(1), 9);
    EXPECT_EQ(series.XValueAt(2), 2);
    EXPECT_TRUE(series.IsNullPoint(2));
    EXPECT_EQ(series.PointLabel(2), "gap");
}

TEST(SeriesPoints, NullPointsOccupyAnIndexAndAreMarked)
{
    TLineSeries series;
    series.AddPoint(1, 1);
    series.AddNullPoint(2, 5);
    series.AddPoint(3, 1, "", clNone);
    EXPECT_EQ(series.Count(), 3);
    EXPECT_FALSE(series.IsNullPoint(0));
    EXPECT_TRUE(series.IsNullPoint(1));
    EXPECT_TRUE(series.IsNullPoint(2));
    EXPECT_FALSE(series.IsNullPoint(3));
    EXPECT_EQ(series.PointColor(1), clNone);
}

TEST(SeriesPoints, OnBeforeAddCanRefuseAPoint)
{
    TLineSeries series;
    series.OnBeforeAdd = [](TChartSeries& s) { return s.XValues().PendingValue < 10; };
    std::vector<int> added;
    series.OnAfterAdd = [&added](TChartSeries&, int index) { added.push_back(index); };
    EXPECT_EQ(series.AddPoint(1, 1), 0);
    EXPECT_EQ(series.AddPoint(20, 1), -1);
    EXPECT_EQ(series.AddPoint(0, 1), 0);
    EXPECT_EQ(series.Count(), 2);
    EXPECT_EQ(added, (std::vector<int>{0, 0}));
}

TEST(SeriesPoints, PointColorRule)
{
    TLineSeries series;
    series.SetSeriesColor(clGreen);
    series.AddPoint(0, 0);
    series.AddPoint(1, 0, "", clYellow);
    series.AddPoint(2, 0);
    EXPECT_EQ(series.PointColor(0), clGreen);
    EXPECT_EQ(series.PointColor(1), clYellow);
    EXPECT_EQ(series.PointColor(99), clGreen);
    EXPECT_EQ(series.PointColor(-1), clGreen);
    series.SetColorEachPoint(true);
    EXPECT_EQ(series.PointColor(0), Palette(0));
    EXPECT_EQ(series.PointColor(1), clYellow);
    EXPECT_EQ(series.PointColor(2), Palette(2));
    // Outside the series there is no point to take a palette colour.
    EXPECT_EQ(series.PointColor(3), clGreen);
    EXPECT_EQ(series.PointColor(-1), clGreen);
    EXPECT_EQ(series.LegendColor(2), Palette(2));
}

TEST(SeriesPoints, ColorEachPointOffResetsOwnColoursButKeepsNullPoints)
{
    TLineSeries series;
    series.SetSeriesColor(clGreen);
    series.SetColorEachPoint(true);
    series.AddPoint(0, 0, "", clYellow);
    series.AddNullPoint(1, 0);
    series.SetColorEachPoint(false);
    EXPECT_EQ(series.PointColor(0), clGreen);
    EXPECT_TRUE(series.IsNullPoint(1));
}

TEST(SeriesPoints, DeletePointRemovesEveryEntryOfThePoint)
{
    TLineSeries series;
    series.AddPoint(1, 10, "a", clRed);
    series.AddPoint(2, 20, "b", clBlue);
    series.AddPoint(3, 30, "c", clLime);
    series.DeletePoint(1);
    ASSERT_EQ(series.Count(), 2);
    EXPECT_EQ(series.XValueAt(1), 3);
    EXPECT_EQ(series.YValueAt(1), 30);
    EXPECT_EQ(series.PointLabel(1), "c");
    EXPECT_EQ(series.PointColor(1), clLime);
}

TEST(SeriesPoints, ClearPointsOnAnEmptySeriesStillRaisesOnClearValuesAndRepaints)
{
    CountingChart c;
    auto* series = AddSeries<TLineSeries>(c.Chart);
    int cleared = 0;
    series->OnClearValues = [&cleared](TChartSeries&) { ++cleared; };
    c.Repaints = 0;
    series->ClearPoints();
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(c.Repaints, 1);
}

TEST(SeriesPoints, FillSamplesRefusesNoValues)
{
    TLineSeries series;
    try {
        series.FillSamples(0);
        FAIL() << "no error for 0 samples";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "FillSampleValues NumValues must be > 0");
    }
    series.FillSamples(5);
    EXPECT_EQ(series.Count(), 5);
}

TEST(SeriesProperties, Defaults)
{
    TLineSeries line;
    EXPECT_TRUE(line.Active());
    EXPECT_EQ(line.SeriesColor(), clAutoColor);
    EXPECT_TRUE(line.ShowInLegend());
    EXPECT_EQ(line.ValueFormat(), "#,##0.###");
    EXPECT_EQ(line.PercentFormat(), "##0.## %");
    EXPECT_EQ(line.XValues().Name(), "X");
    EXPECT_EQ(line.XValues().Order(), loAscending);
    EXPECT_EQ(line.YValues().Name(), "Y");
    EXPECT_EQ(line.YValues().Order(), loNone);
    EXPECT_EQ(line.FirstVisible(), -1);
    EXPECT_EQ(line.LastVisible(), -1);
    EXPECT_EQ(line.HorizAxis(), aBottomAxis);
    EXPECT_EQ(line.VertAxis(), aLeftAxis);
    EXPECT_TRUE(line.KeepPointPastEdge());
    EXPECT_TRUE(line.ClipToAxisRange());
    EXPECT_FALSE(line.Marks().Visible());
    EXPECT_EQ(line.Marks().ArrowLength(), 8);
    EXPECT_EQ(line.Marks().BackColor(), 0x0080FFFFu);
    EXPECT_EQ(line.Marks().Style(), smsLabel);
    EXPECT_FALSE(line.Marks().Clip());
    EXPECT_FALSE(line.Marks().Transparent());
    EXPECT_TRUE(line.ConnectPoints());
    EXPECT_FALSE(line.Pointer().Visible());
    EXPECT_TRUE(line.LineClickable());
    EXPECT_EQ(line.Pointer().Style(), psRectangle);
    EXPECT_EQ(line.Pointer().HorizSize(), 4);
    EXPECT_EQ(line.Pointer().VertSize(), 4);
    EXPECT_EQ(line.Pointer().Brush().Color(), clAutoColor);
    EXPECT_TRUE(line.Pointer().InflateMargins());

    TPointSeries point;
    EXPECT_FALSE(point.ConnectPoints());
    EXPECT_TRUE(point.Pointer().Visible());
    EXPECT_FALSE(point.LineClickable());
    EXPECT_EQ(point.Marks().ArrowLength(), 0);
}

// Each row sets a property to a new value twice: only the first call may ask for a repaint.
struct SetterCase {
    const char* Name;
    std::function<void(TLineSeries&)> Set;
};

// Every operation that changes the points of an active series asks its chart to repaint.
TEST(SeriesPoints, EveryChangeOfThePointsRequestsARepaint)
{
    const std::vector<SetterCase> cases{
        {"AddPoint", [](TLineSeries& s) { s.AddPoint(5, 5); }},
        {"AddPoint before the others", [](TLineSeries& s) { s.AddPoint(-5, 5); }},
        {"AddNullPoint", [](TLineSeries& s) { s.AddNullPoint(5, 5); }},
        {"AppendValue", [](TLineSeries& s) { s.AppendValue(5); }},
        {"AppendNull", [](TLineSeries& s) { s.AppendNull(); }},
        {"DeletePoint", [](TLineSeries& s) { s.DeletePoint(0); }},
        {"ClearPoints", [](TLineSeries& s) { s.ClearPoints(); }},
        {"FillSamples", [](TLineSeries& s) { s.FillSamples(3); }},
    };
    for (const SetterCase& c : cases) {
        CountingChart chart;
        auto* series = AddSeries<TLineSeries>(chart.Chart);
        series->AddPoint(1, 1);
        chart.Repaints = 0;
        c.Set(*series);
        EXPECT_GE(chart.Repaints, 1) << c.Name;
    }
}

TEST(SeriesProperties, SettersRepaintOnlyOnAChange)
{
    const std::vector<SetterCase> cases{
        {"SeriesColor", [](TLineSeries& s) { s.SetSeriesColor(clPurple); }},
        {"Active", [](TLineSeries& s) { s.SetActive(false); }},
        {"ShowInLegend", [](TLineSeries& s) { s.SetShowInLegend(false); }},
        {"Title", [](TLineSeries& s) { s.SetTitle("T"); }},
        {"ColorEachPoint", [](TLineSeries& s) { s.SetColorEachPoint(true); }},
        {"HorizAxis", [](TLineSeries& s) { s.SetHorizAxis(aTopAxis); }},
        {"VertAxis", [](TLineSeries& s) { s.SetVertAxis(aRightAxis); }},
        {"ValueFormat", [](TLineSeries& s) { s.SetValueFormat("0.0"); }},
        {"Stairs", [](TLineSeries& s) { s.SetStairs(true); }},
        {"Dark3D", [](TLineSeries& s) { s.SetDark3D(false); }},
        {"LinePen.Width", [](TLineSeries& s) { s.LinePen().SetWidth(3); }},
        {"Pointer.Visible", [](TLineSeries& s) { s.Pointer().SetVisible(true); }},
        {"Pointer.HorizSize", [](TLineSeries& s) { s.Pointer().SetHorizSize(2); }},
        {"Pointer.Style", [](TLineSeries& s) { s.Pointer().SetStyle(psDiamond); }},
        {"Pointer.Brush.Color", [](TLineSeries& s) { s.Pointer().Brush().SetColor(clBlack); }},
        {"Marks.Visible", [](TLineSeries& s) { s.Marks().SetVisible(true); }},
        {"XValues.Multiplier", [](TLineSeries& s) { s.XValues().SetMultiplier(2); }},
        {"YValues.DateTime", [](TLineSeries& s) { s.YValues().SetDateTime(true); }},
    };
    for (const SetterCase& c : cases) {
        CountingChart chart;
        auto* series = AddSeries<TLineSeries>(chart.Chart);
        chart.Repaints = 0;
        c.Set(*series);
        EXPECT_EQ(chart.Repaints, 1) << c.Name;
        c.Set(*series);
        EXPECT_EQ(chart.Repaints, 1) << c.Name << " repainted for an unchanged value";
    }
}

TEST(SeriesProperties, PointerSizeBelowOneIsRefusedAndTheOldSizeStays)
{
    TPointSeries series;
    series.Pointer().SetHorizSize(3);
    for (int bad : {0, -1}) {
        try {
            series.Pointer().SetHorizSize(bad);
            FAIL() << "size " << bad << " accepted";
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), "Pointer size must be greater than zero");
        }
        EXPECT_THROW(series.Pointer().SetVertSize(bad), ChartException);
    }
    EXPECT_EQ(series.Pointer().HorizSize(), 3);
    EXPECT_EQ(series.Pointer().VertSize(), 4);
}

TEST(SeriesChart, ParentChartMovesTheSeriesBetweenCharts)
{
    TChart first;
    TChart second;
    auto* series = new TLineSeries;
    series->SetParentChart(&first);
    ASSERT_EQ(first.SeriesCount(), 1);
    EXPECT_NE(series->SeriesColor(), clAutoColor);
    EXPECT_EQ(series->GetHorizAxis(), &first.BottomAxis());
    EXPECT_EQ(series->GetVertAxis(), &first.LeftAxis());
    series->SetParentChart(&second);
    EXPECT_EQ(first.SeriesCount(), 0);
    ASSERT_EQ(second.SeriesCount(), 1);
    EXPECT_EQ(series->GetHorizAxis(), &second.BottomAxis());
    series->SetHorizAxis(aTopAxis);
    series->SetVertAxis(aRightAxis);
    EXPECT_TRUE(series->UsesAxis(second.TopAxis()));
    EXPECT_FALSE(series->UsesAxis(second.BottomAxis()));
    EXPECT_TRUE(series->UsesAxis(second.RightAxis()));
    series->SetHorizAxis(aBothHorizAxis);
    EXPECT_TRUE(series->UsesAxis(second.BottomAxis()));
    EXPECT_TRUE(series->UsesAxis(second.TopAxis()));
    EXPECT_FALSE(series->UsesAxis(second.LeftAxis()));
}

TEST(SeriesChart, DestroyingASeriesLeavesItsChart)
{
    TChart chart;
    auto* series = AddSeries<TLineSeries>(chart);
    delete series;
    EXPECT_EQ(chart.SeriesCount(), 0);
}

TEST(SeriesDataSource, NeedsAChartAndAValidSource)
{
    TLineSeries loose;
    TLineSeries other;
    other.SetName("Other");
    try {
        loose.SetDataSource(&other);
        FAIL() << "accepted without a chart";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "No ParentChart to validate DataSource");
    }
    TChart chart;
    auto* series = new TLineSeries;
    series->SetName("Series1");
    series->SetParentChart(&chart);
    try {
        series->SetDataSource(series);
        FAIL() << "accepted itself as source";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "No valid DataSource: Series1");
    }
}

TEST(SeriesDataSource, DependentsFollowAddsDeletesAndClears)
{
    TChart chart;
    auto* source = AddSeries<TLineSeries>(chart);
    auto* copy = AddSeries<TLineSeries>(chart);
    source->AddPoint(1, 10, "a");
    copy->SetDataSource(source);
    ASSERT_EQ(copy->Count(), 1);
    EXPECT_EQ(copy->PointLabel(0), "a");
    source->AddPoint(0, 5, "b", clRed);
    ASSERT_EQ(copy->Count(), 2);
    EXPECT_EQ(copy->YValueAt(0), 5);
    EXPECT_EQ(copy->PointColor(0), clRed);
    source->DeletePoint(1);
    ASSERT_EQ(copy->Count(), 1);
    EXPECT_EQ(copy->YValueAt(0), 5);
    source->YValues().SetValueAt(0, 6);
    EXPECT_EQ(copy->YValueAt(0), 6);
    source->ClearPoints();
    EXPECT_EQ(copy->Count(), 0);

    copy->SetSourceEvents(seClear);
    source->AddPoint(3, 3);
    EXPECT_EQ(copy->Count(), 0);
}

TEST(SeriesDataSource, ACycleIsRefused)
{
    TChart chart;
    auto* a = AddSeries<TLineSeries>(chart);
    auto* b = AddSeries<TLineSeries>(chart);
    b->SetDataSource(a);
    try {
        a->SetDataSource(b);
        FAIL() << "cycle accepted";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Circular Series dependences are not allowed");
    }
    EXPECT_EQ(a->DataSource(), nullptr);
}

TEST(SeriesDataSource, RemovingASourceClearsTheSeriesAndUnlinksIt)
{
    TChart chart;
    auto* source = AddSeries<TLineSeries>(chart);
    auto* copy = AddSeries<TLineSeries>(chart);
    source->AddPoint(1, 1);
    copy->SetDataSource(source);
    copy->SetDataSource(nullptr);
    EXPECT_EQ(copy->Count(), 0);
    EXPECT_TRUE(source->Dependents().empty());
    source->AddPoint(2, 2);
    EXPECT_EQ(copy->Count(), 0);
}

TEST(SeriesDataSource, DeletingASourceUnlinksItsDependents)
{
    TChart chart;
    auto* source = AddSeries<TLineSeries>(chart);
    auto* copy = AddSeries<TLineSeries>(chart);
    copy->SetDataSource(source);
    delete source;
    EXPECT_EQ(copy->DataSource(), nullptr);
}

std::vector<double> YValuesOf(const TChartSeries& series)
{
    std::vector<double> ys;
    for (int i = 0; i < series.Count(); ++i)
        ys.push_back(series.YValueAt(i));
    return ys;
}

// Sources named while a chart is read are only listed; the end of the reading fills the series from them.
TEST(SeriesDataSource, SourcesReadWhileLoadingFillTheSeriesWhenLoadingEnds)
{
    struct TCase {
        const char* Name;
        bool WithFunction;
        std::vector<double> Expected;
    };
    const TCase cases[] = {
        {"a copy takes the first source's points", false, {1, 2, 3}},
        {"a function takes every source", true, {11, 22, 33}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TChart chart;
        auto* first = AddSeries<TLineSeries>(chart);
        auto* second = AddSeries<TLineSeries>(chart);
        auto* target = AddSeries<TLineSeries>(chart);
        for (double v : {1.0, 2.0, 3.0}) {
            first->AppendValue(v);
            second->AppendValue(10 * v);
        }
        chart.BeginLoading();
        if (c.WithFunction)
            target->SetFunction(std::make_unique<TAddChartFunction>());
        target->SetDataSource(first);
        target->SetDataSource(second);
        EXPECT_EQ(target->Count(), 0);
        chart.EndLoading();
        EXPECT_EQ(YValuesOf(*target), c.Expected);
        EXPECT_EQ(target->DataSources().size(), 2u);
    }
}

// A dependent that cannot follow a deletion (it holds fewer points) is filled again from its source:
// the deletion is done whole, repaints, and throws nothing.
TEST(SeriesDataSource, ADeletionADependentCannotFollowRefillsTheDependent)
{
    CountingChart counting;
    TChart& chart = counting.Chart;
    auto* source = AddSeries<TLineSeries>(chart);
    auto* copy = AddSeries<TLineSeries>(chart);
    source->AppendValue(1);
    source->AppendValue(2);
    copy->SetDataSource(source);
    copy->SetSourceEvents(seDelete | seClear);
    source->AppendValue(3);
    source->AppendValue(4);
    ASSERT_EQ(copy->Count(), 2);
    counting.Repaints = 0;
    EXPECT_NO_THROW(source->DeletePoint(2));
    EXPECT_EQ(YValuesOf(*source), (std::vector<double>{1, 2, 4}));
    EXPECT_EQ(YValuesOf(*copy), (std::vector<double>{1, 2, 4}));
    EXPECT_GE(counting.Repaints, 1);
    // One it can follow is followed as before.
    source->DeletePoint(0);
    EXPECT_EQ(YValuesOf(*copy), (std::vector<double>{2, 4}));
}

TEST(SeriesLegendText, EveryStyle)
{
    TLineSeries series;
    series.AddPoint(1, 1, "one");
    series.AddPoint(2, 3, "three");
    EXPECT_EQ(series.LegendText(1, ltsPlain), "three");
    EXPECT_EQ(series.LegendText(1, ltsLeftValue), "three 3");
    EXPECT_EQ(series.LegendText(1, ltsRightValue), "3 three");
    EXPECT_EQ(series.LegendText(1, ltsLeftPercent), "three 75 %");
    EXPECT_EQ(series.LegendText(0, ltsRightPercent), "25 % one");
    EXPECT_EQ(series.LegendText(1, ltsXValue), "2");
    TLineSeries unlabelled;
    unlabelled.AddPoint(0, 0);
    EXPECT_EQ(unlabelled.LegendText(0, ltsLeftValue), " 0");
    EXPECT_EQ(unlabelled.LegendText(0, ltsLeftPercent), " 100 %");
}

}

// Colours and labels are stored only up to the last point that has one; swapping such a point with
// a later one still moves both.
TEST(SeriesPoints, SwappingMovesAColourAndLabelPastTheStoredOnes)
{
    TLineSeries series;
    series.SetSeriesColor(clGreen);
    series.AddPoint(0, 0, "first", clRed);
    series.AddPoint(1, 0);
    series.AddPoint(2, 0);
    series.SwapPoints(0, 2);
    EXPECT_EQ(series.PointColor(0), clGreen);
    EXPECT_EQ(series.PointLabel(0), "");
    EXPECT_EQ(series.PointColor(2), clRed);
    EXPECT_EQ(series.PointLabel(2), "first");
    EXPECT_EQ(series.PointColor(1), clGreen);
}
