#include "chart/series/EListError.h"
#include "chart/series/SortPoints.h"
#include "chart/series/TChartSeries.h"
#include "chart/series/TChartValueList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<double> ValuesOf(const TChartValueList& list)
{
    std::vector<double> values;
    for (int i = 0; i < list.ValueCount(); ++i)
        values.push_back(list.ValueAt(i));
    return values;
}

struct InsertCase {
    TChartListOrder Order;
    std::vector<double> Added;
    std::vector<int> Indexes;
    std::vector<double> Result;
};

class OrderedInsertion : public testing::TestWithParam<InsertCase> {};

TEST_P(OrderedInsertion, PlacesEachValueAfterItsEqualsAndReturnsItsIndex)
{
    const InsertCase& c = GetParam();
    TChartSeries series;
    TChartValueList& list = series.XValues();
    list.SetOrder(c.Order);
    std::vector<int> indexes;
    for (double v : c.Added)
        indexes.push_back(list.AddValue(v));
    EXPECT_EQ(indexes, c.Indexes);
    EXPECT_EQ(ValuesOf(list), c.Result);
}

INSTANTIATE_TEST_SUITE_P(ValueList, OrderedInsertion,
    testing::Values(
        InsertCase{loAscending, {200, 205, 205, 210}, {0, 1, 2, 3}, {200, 205, 205, 210}},
        InsertCase{loAscending, {200, 205, 205, 210, 203}, {0, 1, 2, 3, 1}, {200, 203, 205, 205, 210}},
        InsertCase{loAscending, {300, 200}, {0, 0}, {200, 300}},
        InsertCase{loAscending, {5, 1, 3, 3, 0}, {0, 0, 1, 2, 0}, {0, 1, 3, 3, 5}},
        InsertCase{loDescending, {9, 9, 5, 7, 10}, {0, 1, 2, 2, 0}, {10, 9, 9, 7, 5}},
        InsertCase{loNone, {3, 1, 2}, {0, 1, 2}, {3, 1, 2}}));

TEST(ValueList, EqualValuesKeepTheirAddOrderThroughTheSeries)
{
    TChartSeries series;
    series.AddPoint(270, 1.5);
    series.AddPoint(270, 0.9);
    EXPECT_EQ(series.YValues().ValueAt(0), 1.5);
    EXPECT_EQ(series.YValues().ValueAt(1), 0.9);
}

struct StatsCase {
    std::vector<double> Values;
    double Multiplier;
    double Maximum, Minimum, Total, AbsTotal;
};

class Statistics : public testing::TestWithParam<StatsCase> {};

TEST_P(Statistics, AreComputedFromTheMultipliedValues)
{
    const StatsCase& c = GetParam();
    TChartSeries series;
    TChartValueList& list = series.YValues();
    for (double v : c.Values)
        list.AddValue(v);
    list.SetMultiplier(c.Multiplier);
    EXPECT_EQ(list.Maximum(), c.Maximum);
    EXPECT_EQ(list.Minimum(), c.Minimum);
    EXPECT_EQ(list.Total(), c.Total);
    EXPECT_EQ(list.AbsTotal(), c.AbsTotal);
}

INSTANTIATE_TEST_SUITE_P(ValueList, Statistics,
    testing::Values(StatsCase{{1, 5, -2}, 1.0, 5, -2, 4, 8}, StatsCase{{1, 5, -2}, 2.0, 10, -4, 8, 16},
        StatsCase{{}, 1.0, 0, 0, 0, 0}, StatsCase{{-3}, 1.0, -3, -3, -3, 3}));

TEST(ValueList, StatisticsFollowEveryChange)
{
    TChartSeries series;
    TChartValueList& list = series.YValues();
    list.AddValue(1);
    list.AddValue(2);
    EXPECT_EQ(list.Maximum(), 2);
    list.SetValueAt(0, 7);
    EXPECT_EQ(list.Maximum(), 7);
    list.DeleteValue(0);
    EXPECT_EQ(list.Maximum(), 2);
    list.InsertValue(0, -4);
    EXPECT_EQ(list.Minimum(), -4);
    list.AddValue(9);
    EXPECT_EQ(list.Maximum(), 9);
    list.InsertValue(list.ValueCount(), 11);
    EXPECT_EQ(list.Maximum(), 11);
    EXPECT_EQ(list.Total(), 18);
    list.RemoveAll();
    EXPECT_EQ(list.Total(), 0);
}

TEST(ValueList, OrderAndChangeCountFollowEveryChange)
{
    TChartSeries series;
    TChartValueList& list = series.YValues();
    std::vector<std::uint64_t> counts{list.ChangeCount()};
    const auto changed = [&] {
        EXPECT_GT(list.ChangeCount(), counts.back());
        counts.push_back(list.ChangeCount());
    };
    EXPECT_TRUE(list.StoredAscending());
    list.AddValue(1);
    changed();
    list.AddValue(1);
    list.AddValue(3);
    EXPECT_TRUE(list.StoredAscending());
    list.SetValueAt(1, 5);
    changed();
    EXPECT_FALSE(list.StoredAscending());
    list.DeleteValue(1);
    changed();
    EXPECT_TRUE(list.StoredAscending());
    list.InsertValue(0, 4);
    changed();
    EXPECT_FALSE(list.StoredAscending());
    list.Exchange(0, 1);
    changed();
    list.Exchange(1, 2);
    changed();
    EXPECT_TRUE(list.StoredAscending());
    list.SetValueAt(2, std::nan(""));
    EXPECT_FALSE(list.StoredAscending());
    list.SetValueAt(2, 9);
    list.SetMultiplier(2);
    changed();
    EXPECT_TRUE(list.StoredAscending());
    list.RemoveAll();
    changed();
    EXPECT_TRUE(list.StoredAscending());
    // Another list never takes up this one's counts.
    TChartSeries other;
    EXPECT_EQ(std::count(counts.begin(), counts.end(), other.YValues().ChangeCount()), 0);
}

TEST(ValueList, IndexOutsideTheListRaisesTheListError)
{
    TChartSeries series;
    TChartValueList& list = series.YValues();
    try {
        list.LastValue();
        FAIL() << "no error for LastValue of an empty list";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (-1)");
    }
    list.AddValue(1);
    try {
        list.ValueAt(1);
        FAIL() << "no error for index 1 of a one-value list";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (1)");
    }
    EXPECT_THROW(list.SetValueAt(-1, 0), EListError);
    EXPECT_THROW(list.DeleteValue(5), EListError);
    try {
        list.InsertValue(2, 0);
        FAIL() << "no error for inserting at 2 into a one-value list";
    } catch (const EListError& e) {
        EXPECT_STREQ(e.what(), "List index out of bounds (2)");
    }
    EXPECT_THROW(list.InsertValue(-1, 0), EListError);
    EXPECT_EQ(list.ValueCount(), 1);
}

TEST(ValueList, ClearingReleasesItsStorage)
{
    TChartSeries series;
    for (int i = 0; i < 1000; ++i)
        series.AddPoint(i, i);
    series.ClearPoints();
    EXPECT_EQ(series.XValues().ValueCount(), 0);
    series.AddPoint(1, 1);
    EXPECT_EQ(series.Count(), 1);
}

TEST(ValueList, IndexOfValueFindsTheFirstExactMatch)
{
    TChartSeries series;
    for (double v : {4.0, 2.0, 4.0})
        series.YValues().AddValue(v);
    EXPECT_EQ(series.YValues().IndexOfValue(4.0), 0);
    EXPECT_EQ(series.YValues().IndexOfValue(2.0), 1);
    EXPECT_EQ(series.YValues().IndexOfValue(2.0000001), -1);
}

TEST(ValueList, RotateFirstToLastAndFillWithIndexes)
{
    TChartSeries series;
    TChartValueList& list = series.YValues();
    list.RotateFirstToLast();
    for (double v : {1.0, 2.0, 3.0})
        list.AddValue(v);
    list.RotateFirstToLast();
    EXPECT_EQ(ValuesOf(list), (std::vector<double>{2, 3, 1}));
    list.FillWithIndexes();
    EXPECT_EQ(ValuesOf(list), (std::vector<double>{0, 1, 2}));
}

TEST(ValueList, SortByValueMovesWholePointsTogether)
{
    TChartSeries series;
    series.XValues().SetOrder(loNone);
    const std::vector<double> xs{5, 3, 9, 1, 7, 3};
    for (std::size_t i = 0; i < xs.size(); ++i)
        series.AddPoint(xs[i], xs[i] * 10, "p" + std::to_string(static_cast<int>(xs[i])), static_cast<TColor>(xs[i]));
    series.XValues().SetOrder(loAscending);
    series.XValues().SortByValue();
    EXPECT_EQ(ValuesOf(series.XValues()), (std::vector<double>{1, 3, 3, 5, 7, 9}));
    for (int i = 0; i < series.Count(); ++i) {
        const double x = series.XValueAt(i);
        EXPECT_EQ(series.YValueAt(i), x * 10);
        EXPECT_EQ(series.PointLabel(i), "p" + std::to_string(static_cast<int>(x)));
        EXPECT_EQ(series.PointColor(i), static_cast<TColor>(x));
    }
    series.XValues().SetOrder(loDescending);
    series.XValues().SortByValue();
    EXPECT_EQ(ValuesOf(series.XValues()), (std::vector<double>{9, 7, 5, 3, 3, 1}));
}

struct TieCase {
    TChartListOrder Order;
    std::vector<double> Xs;
    // The points' labels ('a' for the first added, 'b' for the next ...) in their sorted order.
    std::string Labels;
};

void PrintTo(const TieCase& c, std::ostream* out)
{
    *out << c.Labels;
}

class SortTies : public testing::TestWithParam<TieCase> {};

// Equal values end where the middle-pivot quicksort has always left them.
TEST_P(SortTies, EqualValuesEndWhereTheQuicksortLeavesThem)
{
    const TieCase& c = GetParam();
    TChartSeries series;
    series.XValues().SetOrder(loNone);
    for (std::size_t i = 0; i < c.Xs.size(); ++i)
        series.AddPoint(c.Xs[i], 0, std::string(1, static_cast<char>('a' + i)));
    series.XValues().SetOrder(c.Order);
    series.XValues().SortByValue();
    std::string labels;
    for (int i = 0; i < series.Count(); ++i)
        labels += series.PointLabel(i);
    EXPECT_EQ(labels, c.Labels);
}

INSTANTIATE_TEST_SUITE_P(ValueList, SortTies,
    testing::Values(
        TieCase{loAscending, {2, 1, 2, 1, 2, 1, 2, 1}, "fhdbgaec"},
        TieCase{loAscending, {3, 3, 3, 3, 3, 3, 3}, "edgbafc"},
        TieCase{loAscending, {5, 1, 5, 3, 1, 3, 5, 1, 3, 5, 1}, "ehkbifdjagc"},
        TieCase{loDescending, {1, 2, 2, 1, 3, 3, 1, 2, 3}, "fiebhcdga"},
        TieCase{loAscending, {0, 1, 2, 3, 4, 3, 2, 1, 0, 1, 2, 3, 2, 1}, "iajnhbmcgkdlfe"}));

// Values that rise then fall made the middle pivot split off a few points at a time, nesting as deep
// as a third of the points: a few hundred thousand of them overflowed the stack.
TEST(ValueList, SortsValuesThatRiseThenFallWithEveryPointWhole)
{
    constexpr int count = 200000;
    TChartSeries series;
    series.XValues().SetOrder(loNone);
    for (int i = 0; i < count; ++i) {
        const int x = i <= count / 2 ? i : count - i;
        series.AddPoint(x, -x, "", static_cast<TColor>(x));
    }
    series.XValues().SetOrder(loAscending);
    series.XValues().SortByValue();
    ASSERT_EQ(series.Count(), count);
    for (int i = 0; i < count; ++i) {
        const double x = series.XValueAt(i);
        ASSERT_EQ(x, i == 0 ? 0 : (i + 1) / 2) << i;
        ASSERT_EQ(series.YValueAt(i), -x) << i;
        ASSERT_EQ(series.PointColor(i), static_cast<TColor>(x)) << i;
    }
}

namespace {

struct TLabelled {
    int value;
    int label;
};

// The quicksort the points' sort is, written as plain recursion, with ranges left unsorted after `limit`
// splits finished by a stable sort: what equal values must end as, in whichever range they end up.
void ReferenceSort(std::vector<TLabelled>& v, int left, int right, int splits, int limit)
{
    if (left >= right)
        return;
    if (splits >= limit) {
        std::stable_sort(v.begin() + left, v.begin() + right + 1, [](const TLabelled& a, const TLabelled& b) { return a.value < b.value; });
        return;
    }
    int i = left;
    int j = right;
    int pivot = left + (right - left) / 2;
    while (i < j) {
        while (v[static_cast<std::size_t>(i)].value < v[static_cast<std::size_t>(pivot)].value)
            ++i;
        while (v[static_cast<std::size_t>(pivot)].value < v[static_cast<std::size_t>(j)].value)
            --j;
        if (i < j) {
            std::swap(v[static_cast<std::size_t>(i)], v[static_cast<std::size_t>(j)]);
            if (i == pivot)
                pivot = j;
            else if (j == pivot)
                pivot = i;
        }
        if (i <= j) {
            ++i;
            --j;
        }
    }
    ReferenceSort(v, left, j, splits + 1, limit);
    ReferenceSort(v, i, right, splits + 1, limit);
}

}

// Values that rise then fall, each twice, drive most of the points past the split limit: there too equal
// values keep the order they had when the range was handed on, whatever the library's sort does with ties.
TEST(ValueList, EqualValuesPastTheSplitLimitKeepTheirOrder)
{
    constexpr int count = 4000;
    std::vector<TLabelled> points(count);
    for (int i = 0; i < count; ++i)
        points[static_cast<std::size_t>(i)] = {(i <= count / 2 ? i : count - i) / 2, i};
    std::vector<TLabelled> expected = points;
    ReferenceSort(expected, 0, count - 1, 0, 2 * static_cast<int>(std::bit_width(static_cast<unsigned>(count))));
    SortPoints(
        count,
        [&](int a, int b) {
            const int va = points[static_cast<std::size_t>(a)].value;
            const int vb = points[static_cast<std::size_t>(b)].value;
            return va < vb ? -1 : (va > vb ? 1 : 0);
        },
        [&](int a, int b) { std::swap(points[static_cast<std::size_t>(a)], points[static_cast<std::size_t>(b)]); });
    for (int i = 0; i < count; ++i) {
        ASSERT_EQ(points[static_cast<std::size_t>(i)].value, expected[static_cast<std::size_t>(i)].value) << i;
        ASSERT_EQ(points[static_cast<std::size_t>(i)].label, expected[static_cast<std::size_t>(i)].label) << i;
    }
}

struct PatternCase {
    const char* Name;
    double (*Value)(int i, int count);
};

void PrintTo(const PatternCase& c, std::ostream* out)
{
    *out << c.Name;
}

class PointSortCost : public testing::TestWithParam<PatternCase> {};

// Whatever the order of the input, the ranges waiting to be sorted stay within one per split level,
// 2 (log2(n) + 1) + 1, and the comparisons within a small multiple of n log2(n). Without the limit on
// splits, values that rise then fall leave nearly half of n ranges waiting and take n^2 / 4 comparisons.
TEST_P(PointSortCost, WaitingRangesStayLogarithmicAndComparisonsNLogN)
{
    constexpr int count = 1 << 16;
    constexpr int log2Count = 16;
    std::vector<double> values(count);
    for (int i = 0; i < count; ++i)
        values[static_cast<std::size_t>(i)] = GetParam().Value(i, count);
    long long comparisons = 0;
    const int waiting = SortPoints(
        count,
        [&](int a, int b) {
            ++comparisons;
            const double va = values[static_cast<std::size_t>(a)];
            const double vb = values[static_cast<std::size_t>(b)];
            return va < vb ? -1 : (va > vb ? 1 : 0);
        },
        [&](int a, int b) { std::swap(values[static_cast<std::size_t>(a)], values[static_cast<std::size_t>(b)]); });
    EXPECT_TRUE(std::ranges::is_sorted(values));
    EXPECT_LE(waiting, 2 * (log2Count + 1) + 1);
    EXPECT_LE(comparisons, 8LL * count * log2Count);
}

INSTANTIATE_TEST_SUITE_P(ValueList, PointSortCost,
    testing::Values(
        PatternCase{"Ascending", [](int i, int) { return double(i); }},
        PatternCase{"Descending", [](int i, int n) { return double(n - i); }},
        PatternCase{"RiseThenFall", [](int i, int n) { return double(i <= n / 2 ? i : n - i); }},
        PatternCase{"OrganPipe", [](int i, int n) { return double(i < n / 2 ? i : n - 1 - i); }},
        PatternCase{"Sawtooth", [](int i, int) { return double(i % 100); }},
        PatternCase{"AllEqual", [](int, int) { return 7.0; }},
        PatternCase{"Scrambled", [](int i, int n) { return double(static_cast<long long>(i) * 40503 % n); }}),
    [](const testing::TestParamInfo<PatternCase>& info) { return std::string(info.param.Name); });

TEST(ValueList, CopySettingsFromTakesSettingsButNotValuesOrName)
{
    TChartSeries a;
    TChartSeries b;
    b.YValues().SetOrder(loDescending);
    b.YValues().SetDateTime(true);
    b.YValues().SetMultiplier(3);
    b.YValues().SetValueSource("Close");
    b.YValues().AddValue(1);
    a.YValues().CopySettingsFrom(b.YValues());
    EXPECT_EQ(a.YValues().Order(), loDescending);
    EXPECT_TRUE(a.YValues().DateTime());
    EXPECT_EQ(a.YValues().Multiplier(), 3);
    EXPECT_EQ(a.YValues().ValueSource(), "Close");
    EXPECT_EQ(a.YValues().Name(), "Y");
    EXPECT_EQ(a.YValues().ValueCount(), 0);
}

}
