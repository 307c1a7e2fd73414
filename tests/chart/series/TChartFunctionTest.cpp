#include "ChartSeriesTestSupport.h"

#include "chart/panel/ChartException.h"
#include "chart/panel/TChart.h"
#include "chart/series/TAddChartFunction.h"
#include "chart/series/TAverageChartFunction.h"
#include "chart/series/TDivideChartFunction.h"
#include "chart/series/THighChartFunction.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TLowChartFunction.h"
#include "chart/series/TMultiplyChartFunction.h"
#include "chart/series/TSubtractChartFunction.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <vector>

namespace {

// Three sources: the first two have points 0..2, the third only point 0.
class SeveralSeries : public testing::Test {
protected:
    SeveralSeries()
    {
        for (double v : {8.0, 1.0, 4.0})
            a.AppendValue(v);
        for (double v : {0.0, 3.0, 6.0})
            b.AppendValue(v);
        c.AppendValue(2.0);
    }

    double At(const TChartFunction& f, int index) { return f.CalculateMany({&a, &b, &c}, index); }

    TLineSeries a;
    TLineSeries b;
    TLineSeries c;
};

TEST_F(SeveralSeries, AnswersAtOneIndex)
{
    EXPECT_EQ(At(TDivideChartFunction(), 0), 4.0);
    EXPECT_EQ(At(TSubtractChartFunction(), 0), 6.0);
    EXPECT_EQ(At(TMultiplyChartFunction(), 0), 0.0);
    EXPECT_EQ(At(TAddChartFunction(), 0), 10.0);
    EXPECT_EQ(At(THighChartFunction(), 0), 8.0);
    EXPECT_EQ(At(TLowChartFunction(), 0), 0.0);
    EXPECT_EQ(At(TAverageChartFunction(), 1), 2.0);
    EXPECT_EQ(At(TAverageChartFunction(), 2), 5.0);
    EXPECT_EQ(At(TSubtractChartFunction(), 2), -2.0);
    EXPECT_EQ(At(TAverageChartFunction(), 7), 0.0);
}

TEST_F(SeveralSeries, AnswersOverARangeOfOneSeries)
{
    EXPECT_EQ(TAddChartFunction().Calculate(a, -1, -1), 13.0);
    EXPECT_EQ(TAddChartFunction().Calculate(a, 1, 2), 5.0);
    EXPECT_EQ(TAddChartFunction().Calculate(a, 2, 1), 0.0);
    EXPECT_EQ(THighChartFunction().Calculate(a, -1, -1), 8.0);
    EXPECT_EQ(THighChartFunction().Calculate(a, 1, 2), 4.0);
    EXPECT_EQ(TLowChartFunction().Calculate(a, -1, -1), 1.0);
    EXPECT_EQ(TLowChartFunction().Calculate(a, 0, 0), 8.0);
    EXPECT_EQ(TAverageChartFunction().Calculate(a, 0, 1), 4.5);
    EXPECT_EQ(TAverageChartFunction().Calculate(a, -1, -1), 13.0 / 3);
    TLineSeries empty;
    EXPECT_EQ(TAverageChartFunction().Calculate(empty, -1, -1), 0.0);
    EXPECT_EQ(THighChartFunction().Calculate(empty, 0, -1), 0.0);
}

TEST(ChartFunction, ANegativeOrMissingPeriodIsRefused)
{
    for (const double period : {-1.0, -1e300, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(period);
        TAverageChartFunction f;
        f.SetPeriod(2);
        try {
            f.SetPeriod(period);
            FAIL() << "period accepted";
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), "Function Period should be >= 0");
        }
        EXPECT_EQ(f.Period(), 2);
        EXPECT_EQ(f.PeriodAlign(), paCenter);
        EXPECT_EQ(f.PeriodStyle(), psNumPoints);
    }
}

// Five source points grouped by a number of points: a larger period never gives finer groups, up to
// periods far beyond the int range.
TEST(ChartFunction, APeriodOfPointsGivesOneGroupPerPeriod)
{
    struct TCase {
        double Period;
        std::vector<double> Sums;
    };
    const TCase cases[] = {
        {0, {15}},
        {0.4, {1, 2, 3, 4, 5}},
        {1, {1, 2, 3, 4, 5}},
        {2, {3, 7, 5}},
        {2.6, {6, 9}},
        {4, {10, 5}},
        {5, {15}},
        {6, {15}},
        {2147483647.0, {15}},
        {2147483648.0, {15}},
        {3e9, {15}},
        {1e300, {15}},
        {std::numeric_limits<double>::infinity(), {15}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Period);
        TChart chart;
        auto* source = AddSeries<TLineSeries>(chart);
        auto* sum = AddSeries<TLineSeries>(chart);
        for (double v : {1.0, 2.0, 3.0, 4.0, 5.0})
            source->AppendValue(v);
        auto function = std::make_unique<TAddChartFunction>();
        function->SetPeriod(c.Period);
        sum->SetFunction(std::move(function));
        sum->SetDataSource(source);
        std::vector<double> sums;
        for (int i = 0; i < sum->Count(); ++i)
            sums.push_back(sum->YValueAt(i));
        EXPECT_EQ(sums, c.Sums);
    }
}

TEST(ChartFunction, AFunctionSeriesFollowsItsSource)
{
    TChart chart;
    auto* source = AddSeries<TLineSeries>(chart);
    auto* average = AddSeries<TLineSeries>(chart);
    for (double v : {1.0, 3.0, 5.0, 7.0})
        source->AppendValue(v);
    auto function = std::make_unique<TAverageChartFunction>();
    function->SetPeriod(2);
    average->SetFunction(std::move(function));
    average->SetDataSource(source);
    ASSERT_EQ(average->Count(), 2);
    EXPECT_EQ(average->XValueAt(0), 0.5);
    EXPECT_EQ(average->YValueAt(0), 2.0);
    EXPECT_EQ(average->YValueAt(1), 6.0);
    average->FunctionObject()->SetPeriodAlign(paLast);
    EXPECT_EQ(average->XValueAt(0), 1.0);
    source->YValues().SetValueAt(3, 9.0);
    EXPECT_EQ(average->YValueAt(1), 7.0);
}

}
