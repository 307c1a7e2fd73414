#include "chart/series/EListError.h"
#include "chart/series/TChartSeries.h"
#include "chart/series/TSeriesPoints.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

// Points with a further list Z; every point added has Y = 10 X and Z = 100 X, so a point's entries
// that drift apart show in its text.
struct TPointsWithZ {
    TSeriesPoints Points;
    TChartValueList Z{Points, "Z"};

    int Add(double x, TColor color = clAutoColor, const std::string& label = {})
    {
        Z.PendingValue = 100 * x;
        return Points.Add(x, 10 * x, color, label);
    }

    // Each point as "X Y Z colour label": "-" for no colour of its own, "null" for clNone.
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < Points.Count(); ++i) {
            const TColor color = Points.OwnColor(i);
            const std::string colour = color == clAutoColor ? "-" : color == clNone ? "null" : "c" + std::to_string(color);
            texts.push_back(std::to_string(static_cast<int>(Points.XValues().ValueAt(i))) + " "
                + std::to_string(static_cast<int>(Points.YValues().ValueAt(i))) + " "
                + std::to_string(static_cast<int>(Z.ValueAt(i))) + " " + colour + " " + Points.Label(i));
        }
        return texts;
    }
};

// The test cases below print as their names.
template <class T>
    requires requires(const T& c) { c.Name; }
void PrintTo(const T& c, std::ostream* out)
{
    *out << c.Name;
}

// Four points: the first with a colour and a label, the third with a colour; nothing stored past it.
void FillFour(TPointsWithZ& p)
{
    p.Add(1, 7, "a");
    p.Add(2);
    p.Add(3, 8);
    p.Add(4);
}

struct EditCase {
    std::string Name;
    std::function<void(TPointsWithZ&)> Edit;
    std::vector<std::string> Points;
    std::size_t StoredColours;
    bool StoresLabels;
};

class PointStorageEdit : public testing::TestWithParam<EditCase> {};

// Colours and labels are kept only up to the last point that has one, yet each stays with its point.
TEST_P(PointStorageEdit, KeepsEveryEntryWithItsPointAndStoresNoMoreThanNeeded)
{
    const EditCase& c = GetParam();
    TPointsWithZ p;
    c.Edit(p);
    EXPECT_EQ(p.Texts(), c.Points);
    EXPECT_EQ(p.Points.Colors().size(), c.StoredColours);
    EXPECT_EQ(p.Points.StoresLabels(), c.StoresLabels);
}

INSTANTIATE_TEST_SUITE_P(Adding, PointStorageEdit,
    testing::Values(
        EditCase{"plain points store nothing", [](TPointsWithZ& p) { p.Add(1); p.Add(2); }, {"1 10 100 - ", "2 20 200 - "}, 0, false},
        EditCase{"a colour after plain points pads them", [](TPointsWithZ& p) { p.Add(1); p.Add(2); p.Add(3, 7); },
            {"1 10 100 - ", "2 20 200 - ", "3 30 300 c7 "}, 3, false},
        EditCase{"a label alone stores no colour", [](TPointsWithZ& p) { p.Add(1); p.Add(2, clAutoColor, "b"); },
            {"1 10 100 - ", "2 20 200 - b"}, 0, true},
        EditCase{"a plain point past the stored ones adds nothing", [](TPointsWithZ& p) { p.Add(1, 7, "a"); p.Add(2); },
            {"1 10 100 c7 a", "2 20 200 - "}, 1, true},
        EditCase{"a plain point before a stored one moves it on", [](TPointsWithZ& p) { p.Add(2, 7, "b"); p.Add(1); },
            {"1 10 100 - ", "2 20 200 c7 b"}, 2, true},
        EditCase{"a null point keeps clNone", [](TPointsWithZ& p) { p.Add(1, clNone); p.Add(2); }, {"1 10 100 null ", "2 20 200 - "}, 1, false},
        EditCase{"adding before every point", [](TPointsWithZ& p) { FillFour(p); p.Add(0); },
            {"0 0 0 - ", "1 10 100 c7 a", "2 20 200 - ", "3 30 300 c8 ", "4 40 400 - "}, 4, true},
        EditCase{"adding a plain point at the end", [](TPointsWithZ& p) { FillFour(p); p.Add(5); },
            {"1 10 100 c7 a", "2 20 200 - ", "3 30 300 c8 ", "4 40 400 - ", "5 50 500 - "}, 3, true}));

INSTANTIATE_TEST_SUITE_P(Editing, PointStorageEdit,
    testing::Values(
        EditCase{"deleting the only labelled point", [](TPointsWithZ& p) { FillFour(p); p.Points.Delete(0); },
            {"2 20 200 - ", "3 30 300 c8 ", "4 40 400 - "}, 2, false},
        EditCase{"deleting a point past the stored ones", [](TPointsWithZ& p) { FillFour(p); p.Points.Delete(3); },
            {"1 10 100 c7 a", "2 20 200 - ", "3 30 300 c8 "}, 3, true},
        EditCase{"swapping the first with one past every stored entry", [](TPointsWithZ& p) { FillFour(p); p.Points.Swap(0, 3); },
            {"4 40 400 - ", "2 20 200 - ", "3 30 300 c8 ", "1 10 100 c7 a"}, 4, true},
        EditCase{"swapping two points past the stored labels", [](TPointsWithZ& p) { FillFour(p); p.Points.Swap(3, 1); },
            {"1 10 100 c7 a", "4 40 400 - ", "3 30 300 c8 ", "2 20 200 - "}, 4, true},
        EditCase{"colouring the last point", [](TPointsWithZ& p) { FillFour(p); p.Points.SetColor(3, clNone); },
            {"1 10 100 c7 a", "2 20 200 - ", "3 30 300 c8 ", "4 40 400 null "}, 4, true}));

struct IndexCase {
    std::string Name;
    std::function<void(TPointsWithZ&)> Edit;
    std::string Message;
};

class PointStorageIndex : public testing::TestWithParam<IndexCase> {};

TEST_P(PointStorageIndex, AnIndexOutsideThePointsIsRefusedAndNothingChanges)
{
    const IndexCase& c = GetParam();
    TPointsWithZ p;
    FillFour(p);
    const std::vector<std::string> before = p.Texts();
    try {
        c.Edit(p);
        ADD_FAILURE() << "no error";
    } catch (const EListError& e) {
        EXPECT_EQ(std::string(e.what()), c.Message);
    }
    EXPECT_EQ(p.Texts(), before);
    EXPECT_EQ(p.Points.Colors().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(PointStorage, PointStorageIndex,
    testing::Values(IndexCase{"delete before the first", [](TPointsWithZ& p) { p.Points.Delete(-1); }, "List index out of bounds (-1)"},
        IndexCase{"delete past the last", [](TPointsWithZ& p) { p.Points.Delete(4); }, "List index out of bounds (4)"},
        IndexCase{"swap with one past the last", [](TPointsWithZ& p) { p.Points.Swap(0, 4); }, "List index out of bounds (4)"},
        IndexCase{"colour before the first", [](TPointsWithZ& p) { p.Points.SetColor(-1, 9); }, "List index out of bounds (-1)"},
        IndexCase{"colour past the last", [](TPointsWithZ& p) { p.Points.SetColor(4, 9); }, "List index out of bounds (4)"}));

struct EventCase {
    std::string Name;
    std::function<void(TPointsWithZ&)> Change;
    std::vector<std::string> Events;
};

class PointStorageEvents : public testing::TestWithParam<EventCase> {};

// A change made on any of the lists reaches whoever listens to the points; with nobody listening the
// change is made all the same.
TEST_P(PointStorageEvents, AListChangeIsToldThroughThePoints)
{
    const EventCase& c = GetParam();
    TPointsWithZ p;
    FillFour(p);
    std::vector<std::string> events;
    p.Points.OnValuesChanged = [&events](TSeriesNotification code, int index) {
        events.push_back("values " + std::to_string(code) + " " + std::to_string(index));
    };
    p.Points.OnInvalidateChart = [&events] { events.push_back("repaint"); };
    p.Points.OnValueSourceChanged = [&events] { events.push_back("source"); };
    c.Change(p);
    EXPECT_EQ(events, c.Events);

    TPointsWithZ unheard;
    FillFour(unheard);
    EXPECT_NO_THROW(c.Change(unheard));
    EXPECT_EQ(unheard.Texts(), p.Texts());
}

INSTANTIATE_TEST_SUITE_P(PointStorage, PointStorageEvents,
    testing::Values(EventCase{"a value of X stored", [](TPointsWithZ& p) { p.Points.XValues().SetValueAt(2, 9); }, {"values 4 2"}},
        EventCase{"a value of Z stored", [](TPointsWithZ& p) { p.Z.SetValueAt(0, 1); }, {"values 4 0"}},
        EventCase{"Y multiplied", [](TPointsWithZ& p) { p.Points.YValues().SetMultiplier(2); }, {"values 3 0", "repaint"}},
        EventCase{"Y multiplied by what it was", [](TPointsWithZ& p) { p.Points.YValues().SetMultiplier(1); }, {}},
        EventCase{"X shown as dates", [](TPointsWithZ& p) { p.Points.XValues().SetDateTime(true); }, {"repaint"}},
        EventCase{"Z given a source field", [](TPointsWithZ& p) { p.Z.SetValueSource("Close"); }, {"source"}},
        EventCase{"points added, deleted, swapped and cleared", [](TPointsWithZ& p) {
            p.Add(9, 5, "n");
            p.Points.Delete(0);
            p.Points.Swap(0, 1);
            p.Points.Clear();
        }, {}}));

// The points' own exchange moves every entry of a point, so a sort needs no one else to keep them together.
TEST(PointStorage, ASortMovesWholePoints)
{
    TPointsWithZ p;
    FillFour(p);
    p.Points.XValues().SetOrder(loDescending);
    p.Points.XValues().SortByValue();
    EXPECT_EQ(p.Texts(), (std::vector<std::string>{"4 40 400 - ", "3 30 300 c8 ", "2 20 200 - ", "1 10 100 c7 a"}));
}

TEST(PointStorage, ClearEmptiesEveryListAndReleasesTheColours)
{
    TPointsWithZ p;
    FillFour(p);
    p.Points.Clear();
    EXPECT_EQ(p.Points.Count(), 0);
    EXPECT_EQ(p.Points.YValues().ValueCount(), 0);
    EXPECT_EQ(p.Z.ValueCount(), 0);
    EXPECT_EQ(p.Points.Colors().capacity(), 0u);
    EXPECT_FALSE(p.Points.StoresLabels());
    p.Add(1);
    EXPECT_TRUE(p.Points.Colors().empty());
}

TEST(PointStorage, AListLeavesThePointsWhenItGoesFirst)
{
    TSeriesPoints points;
    {
        TChartValueList z(points, "Z");
        ASSERT_EQ(points.Lists().size(), 3u);
        EXPECT_EQ(points.Lists()[0], &points.XValues());
        EXPECT_EQ(points.Lists()[1], &points.YValues());
        EXPECT_EQ(points.Lists()[2], &z);
    }
    ASSERT_EQ(points.Lists().size(), 2u);
    EXPECT_EQ(points.Add(2, 3, clAutoColor, ""), 0);
    EXPECT_EQ(points.Add(1, 4, clAutoColor, ""), 0);
    points.Delete(1);
    points.Clear();
    EXPECT_EQ(points.Count(), 0);
}

// A series type with a third coordinate, made on the series' points.
class TSeriesWithZ : public TChartSeries {
public:
    TChartValueList Z{Points(), "Z"};
};

TEST(PointStorage, ASeriesTypeWithAFurtherListGetsItFilledAndCopied)
{
    TSeriesWithZ source;
    ASSERT_EQ(source.ValueLists().size(), 3u);
    EXPECT_EQ(&source.ValueListByName("z"), &source.Z);
    source.Z.PendingValue = 7;
    source.AddPoint(1, 2);
    ASSERT_EQ(source.Z.ValueCount(), 1);
    EXPECT_EQ(source.Z.ValueAt(0), 7);

    TSeriesWithZ copy;
    copy.AddPointFrom(source, 0);
    ASSERT_EQ(copy.Z.ValueCount(), 1);
    EXPECT_EQ(copy.Z.ValueAt(0), 7);
}

}
