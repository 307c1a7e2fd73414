#include "web/pixels/ShapeSpans.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using TSpans = std::vector<TPixelSurface::TSpan>;

std::vector<std::vector<int>> Rows(const TSpans& spans)
{
    std::vector<std::vector<int>> rows;
    for (const auto& [y, from, to] : spans) {
        rows.push_back({y, from, to});
    }
    return rows;
}

TEST(ShapeSpans, APolygonCoversThePixelsWhoseCentresLieInside)
{
    TSpans spans;
    const TPoint rectangle[] = {{1, 1}, {4, 1}, {4, 3}, {1, 3}};
    PolygonSpans(rectangle, spans);
    // Right and bottom edges left out, as every shape of the device.
    EXPECT_EQ(Rows(spans), (std::vector<std::vector<int>>{{1, 1, 4}, {2, 1, 4}}));
    spans.clear();
    const TPoint diamond[] = {{3, 0}, {6, 3}, {3, 6}, {0, 3}};
    PolygonSpans(diamond, spans);
    EXPECT_EQ(Rows(spans), (std::vector<std::vector<int>>{
                               {0, 2, 3}, {1, 1, 4}, {2, 0, 5}, {3, 0, 5}, {4, 1, 4}, {5, 2, 3}}));
    // Alternate rule: in row 1 the outline crosses itself and the part inside it twice stays empty.
    spans.clear();
    const TPoint twice[] = {{0, 0}, {6, 0}, {6, 2}, {2, 2}, {2, 1}, {4, 1}, {4, 3}, {0, 3}};
    PolygonSpans(twice, spans);
    EXPECT_EQ(Rows(spans), (std::vector<std::vector<int>>{{0, 0, 6}, {1, 0, 2}, {1, 4, 6}, {2, 0, 4}}));
    spans.clear();
    const TPoint line[] = {{0, 0}, {5, 5}};
    PolygonSpans(line, spans);
    EXPECT_TRUE(spans.empty());
}

TEST(ShapeSpans, AnEllipseIsSymmetricAndWithinItsRectangle)
{
    TSpans spans;
    EllipseSpans({10, 20, 18, 26}, spans);
    ASSERT_EQ(spans.size(), 6u);
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const auto& row = spans[i];
        const auto& mirrored = spans[spans.size() - 1 - i];
        EXPECT_EQ(row.Y, 20 + static_cast<int>(i));
        EXPECT_GE(row.From, 10);
        EXPECT_LE(row.To, 18);
        EXPECT_EQ(row.From - 10, 18 - row.To) << "left and right";
        EXPECT_EQ(row.From, mirrored.From) << "top and bottom";
    }
    EXPECT_EQ(spans[2].From, 10);
    EXPECT_EQ(spans[2].To, 18);
    EXPECT_GT(spans[0].From, 10);
    spans.clear();
    EllipseSpans({5, 5, 5, 9}, spans);
    EXPECT_TRUE(spans.empty());
}

TEST(ShapeSpans, ARoundedRectangleCutsItsCornersAsTheCornerEllipseDoes)
{
    using TRows = std::vector<std::vector<int>>;
    TSpans spans;
    RoundRectSpans({0, 0, 12, 8}, 6, 6, spans);
    EXPECT_EQ(Rows(spans), (TRows{{0, 1, 11}, {1, 0, 12}, {2, 0, 12}, {3, 0, 12}, {4, 0, 12}, {5, 0, 12},
                               {6, 0, 12}, {7, 1, 11}}));
    // Without corners it is the rectangle.
    spans.clear();
    RoundRectSpans({2, 3, 5, 5}, 0, 0, spans);
    EXPECT_EQ(Rows(spans), (TRows{{3, 2, 5}, {4, 2, 5}}));
    // Corners larger than the rectangle are the rectangle's own ellipse.
    spans.clear();
    RoundRectSpans({10, 20, 18, 26}, 100, 100, spans);
    TSpans ellipse;
    EllipseSpans({10, 20, 18, 26}, ellipse);
    EXPECT_EQ(Rows(spans), Rows(ellipse));
    // So are corners as large as a rectangle of odd height: every row of the ellipse is used once.
    spans.clear();
    RoundRectSpans({0, 0, 8, 9}, 8, 9, spans);
    ellipse.clear();
    EllipseSpans({0, 0, 8, 9}, ellipse);
    EXPECT_EQ(Rows(spans), Rows(ellipse));
}

TEST(ShapeSpans, ArcsRunCounterClockwiseOnScreen)
{
    const TRect box{0, 0, 21, 21};
    // From the ray to the right to the ray upwards: the top right quarter, y above the centre.
    const std::vector<TPoint> quarter = ArcPoints(box, {30, 10}, {10, -30});
    ASSERT_GE(quarter.size(), 9u);
    EXPECT_EQ(quarter.front(), (TPoint{20, 10}));
    EXPECT_EQ(quarter.back(), (TPoint{10, 0}));
    EXPECT_TRUE(std::all_of(quarter.begin(), quarter.end(), [](TPoint p) { return p.X >= 10 && p.Y <= 10; }));
    // The other way round is the remaining three quarters.
    const std::vector<TPoint> rest = ArcPoints(box, {10, -30}, {30, 10});
    EXPECT_TRUE(std::any_of(rest.begin(), rest.end(), [](TPoint p) { return p.X == 0; }));
    EXPECT_TRUE(std::any_of(rest.begin(), rest.end(), [](TPoint p) { return p.Y == 20; }));
    // The same ray: the whole ellipse, back where it started.
    const std::vector<TPoint> whole = ArcPoints(box, {30, 10}, {30, 10});
    EXPECT_EQ(whole.front(), whole.back());
    EXPECT_TRUE(std::any_of(whole.begin(), whole.end(), [](TPoint p) { return p.X == 0; }));
}

}  // namespace
