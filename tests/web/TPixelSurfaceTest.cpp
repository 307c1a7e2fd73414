#include "web/pixels/TPixelSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr TColor Red = 0x0000FF;
constexpr std::uint32_t RedPixel = TPixelSurface::PixelOf(Red);

// The surface's device pixels as rows of text: '#' where the colour is, '.' elsewhere.
std::vector<std::string> Picture(const TPixelSurface& surface, TColor colour = Red)
{
    std::vector<std::string> rows;
    for (int y = 0; y < surface.DeviceHeight(); ++y) {
        std::string row;
        for (int x = 0; x < surface.DeviceWidth(); ++x) {
            row += surface.At(x, y) == colour ? '#' : '.';
        }
        rows.push_back(row);
    }
    return rows;
}

TPixelSurface::TLinePen Pen(std::span<const int> dashes = {}, int width = 1)
{
    return {RedPixel, width, false, dashes};
}

struct TLineCase {
    const char* Name;
    TPoint From;
    TPoint To;
    std::vector<int> Dashes;
    int Width;
    std::vector<std::string> Expected;
};

class LineTest : public testing::TestWithParam<TLineCase> {};

TEST_P(LineTest, PaintsItsPixelsWithoutTheEndPoint)
{
    const TLineCase& c = GetParam();
    TPixelSurface surface(8, 5, 1);
    surface.Line(c.From, c.To, Pen(c.Dashes, c.Width));
    EXPECT_EQ(Picture(surface), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineTest,
    testing::Values(
        TLineCase{"LevelRightwards", {1, 2}, {6, 2}, {}, 1, {"........", "........", ".#####..", "........", "........"}},
        TLineCase{"LevelLeftwards", {6, 2}, {1, 2}, {}, 1, {"........", "........", "..#####.", "........", "........"}},
        TLineCase{"UprightDownwards", {3, 0}, {3, 4}, {}, 1, {"...#....", "...#....", "...#....", "...#....", "........"}},
        TLineCase{"UprightUpwards", {3, 4}, {3, 0}, {}, 1, {"........", "...#....", "...#....", "...#....", "...#...."}},
        TLineCase{"Diagonal", {0, 0}, {4, 4}, {}, 1, {"#.......", ".#......", "..#.....", "...#....", "........"}},
        TLineCase{"Shallow", {0, 0}, {7, 2}, {}, 1, {"##......", "..####..", "......#.", "........", "........"}},
        TLineCase{"ANullLinePaintsNothing", {2, 2}, {2, 2}, {}, 1, {"........", "........", "........", "........", "........"}},
        TLineCase{"DashedLevel", {0, 1}, {8, 1}, {2, 1}, 1, {"........", "##.##.##", "........", "........", "........"}},
        TLineCase{"DashedLeftwardsStartsAtItsStart", {7, 1}, {0, 1}, {2, 1}, 1, {"........", ".#.##.##", "........", "........", "........"}},
        TLineCase{"DashedUpright", {1, 0}, {1, 5}, {1, 1}, 1, {".#......", "........", ".#......", "........", ".#......"}},
        TLineCase{"DashedDiagonal", {0, 0}, {5, 5}, {1, 1}, 1, {"#.......", "........", "..#.....", "........", "....#..."}},
        TLineCase{"WideLevelIsASquareAtEachPixel", {2, 2}, {5, 2}, {}, 3, {"........", ".#####..", ".#####..", ".#####..", "........"}}),
    [](const testing::TestParamInfo<TLineCase>& info) { return std::string(info.param.Name); });

TEST(PixelSurface, TheClipHoldsLinesFillsAndBlends)
{
    TPixelSurface surface(8, 5, 1);
    surface.ClipRect({2, 1, 6, 4});
    surface.Line({0, 2}, {8, 2}, Pen());
    surface.Line({0, 0}, {5, 5}, Pen());
    surface.Fill({0, 3, 8, 5}, RedPixel);
    surface.Blend({-1, -1, 3, 3, std::vector<std::uint8_t>(9, 255)}, 7, 1, RedPixel);
    EXPECT_EQ(Picture(surface), (std::vector<std::string>{"........", "........", "..####..", "..####..", "........"}));
    surface.UnClip();
    surface.Fill({0, 4, 1, 5}, RedPixel);
    EXPECT_EQ(Picture(surface)[4], "#.......");
}

TEST(PixelSurface, ALogicalPixelIsABlockOfDevicePixels)
{
    TPixelSurface doubled(3, 2, 2);
    ASSERT_EQ(doubled.DeviceWidth(), 6);
    ASSERT_EQ(doubled.DeviceHeight(), 4);
    doubled.Line({1, 0}, {3, 0}, Pen());
    doubled.Fill({0, 1, 1, 2}, RedPixel);
    EXPECT_EQ(Picture(doubled), (std::vector<std::string>{"..####", "..####", "##....", "##...."}));
    // At 1.5 the blocks alternate between two and one device pixels, edge to edge with no gap.
    TPixelSurface uneven(3, 1, 1.5);
    ASSERT_EQ(uneven.DeviceWidth(), 5);
    uneven.Fill({1, 0, 2, 1}, RedPixel);
    EXPECT_EQ(Picture(uneven)[0], "..#..");
    uneven.Fill({0, 0, 1, 1}, RedPixel);
    uneven.Fill({2, 0, 3, 1}, RedPixel);
    EXPECT_EQ(Picture(uneven)[0], "#####");
    // Below 1 (a page zoomed out) some logical pixels have no device pixel: painting them paints nothing, not the
    // next row, nor past the last one.
    TPixelSurface shrunk(4, 4, 0.5);
    ASSERT_EQ(shrunk.DeviceHeight(), 2);
    shrunk.Fill({0, 1, 4, 2}, RedPixel);
    shrunk.Fill({0, 3, 4, 4}, RedPixel);
    shrunk.Fill({3, 0, 4, 4}, RedPixel);
    EXPECT_EQ(Picture(shrunk), (std::vector<std::string>{"..", ".."}));
    shrunk.Fill({0, 0, 1, 1}, RedPixel);
    EXPECT_EQ(Picture(shrunk), (std::vector<std::string>{"#.", ".."}));
}

TEST(PixelSurface, AnInvertingPenTwiceLeavesThePixelsAsTheyWere)
{
    TPixelSurface surface(4, 1, 1);
    surface.Fill({0, 0, 4, 1}, TPixelSurface::PixelOf(0x123456));
    const TPixelSurface::TLinePen invert{0, 1, true, {}};
    surface.Line({0, 0}, {3, 0}, invert);
    EXPECT_EQ(surface.At(0, 0), 0xEDCBA9u);
    EXPECT_EQ(surface.At(3, 0), 0x123456u);
    surface.Line({0, 0}, {3, 0}, invert);
    EXPECT_EQ(surface.At(0, 0), 0x123456u);
}

TEST(PixelSurface, BrushesFillSolidHatchedOrNotAtAll)
{
    const std::vector<TPixelSurface::TSpan> spans{{6, 0, 8}, {7, 0, 8}};
    TPixelSurface surface(8, 8, 1);
    surface.FillSpans(spans, RedPixel, bsClear);
    EXPECT_EQ(Picture(surface)[6], "........");
    surface.FillSpans(spans, RedPixel, bsHorizontal);
    EXPECT_EQ(Picture(surface)[6], "........");
    EXPECT_EQ(Picture(surface)[7], "########");
    surface.FillSpans(spans, RedPixel, bsVertical);
    EXPECT_EQ(Picture(surface)[6], ".......#");
    surface.FillSpans(spans, RedPixel, bsSolid);
    EXPECT_EQ(Picture(surface)[6], "########");
}

TEST(PixelSurface, CoverageMixesTheColourOverWhatLiesBelow)
{
    TPixelSurface surface(4, 1, 1);
    surface.Fill({0, 0, 4, 1}, TPixelSurface::PixelOf(0xFFFFFF));
    // Origin at device x 1; the box starts one to its left.
    surface.Blend({-1, 0, 4, 1, {0, 255, 128, 64}}, 1, 0, TPixelSurface::PixelOf(0x000000));
    EXPECT_EQ(surface.At(0, 0), 0xFFFFFFu);
    EXPECT_EQ(surface.At(1, 0), 0x000000u);
    EXPECT_EQ(surface.At(2, 0), 0x7F7F7Fu);
    EXPECT_EQ(surface.At(3, 0), 0xBFBFBFu);
}

TEST(PixelSurface, CopyPutsAnotherSurfaceAtAPlaceWithinTheClip)
{
    TPixelSurface from(2, 2, 1);
    from.Fill({0, 0, 2, 2}, RedPixel);
    TPixelSurface to(4, 3, 1);
    to.Copy(from, -1, 0);
    to.Copy(from, 3, 2);
    to.ClipRect({0, 0, 4, 1});
    to.Copy(from, 2, 0);
    EXPECT_EQ(Picture(to), (std::vector<std::string>{"#.##", "#...", "...#"}));
}

TEST(PixelSurface, EachChangeIsTakenOnce)
{
    TPixelSurface surface(2, 2, 1);
    EXPECT_FALSE(surface.TakeChange());
    surface.Fill({0, 0, 1, 1}, RedPixel);
    EXPECT_TRUE(surface.TakeChange());
    EXPECT_FALSE(surface.TakeChange());
    // Nothing painted inside the clip is no change.
    surface.ClipRect({0, 0, 1, 1});
    surface.Fill({1, 1, 2, 2}, RedPixel);
    EXPECT_FALSE(surface.TakeChange());
}

}  // namespace
