#include "chart/axes/TAxisScale.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using TPixelAxis = TAxisScale::TPixelAxis;

constexpr int IntMax = std::numeric_limits<int>::max();
constexpr int IntMin = std::numeric_limits<int>::min();
constexpr double Infinity = std::numeric_limits<double>::infinity();
constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

// Two values a pixel for a hundred pixels from 10 to 110, so odd values fall on half pixels.
constexpr TAxisScale Upright{.Minimum = 0, .Maximum = 200, .PixelStart = 10, .PixelEnd = 110};
constexpr TAxisScale Inverted{.Minimum = 0, .Maximum = 200, .PixelStart = 10, .PixelEnd = 110, .Inverted = true};
constexpr TAxisScale Flat{.Minimum = 5, .Maximum = 5, .PixelStart = 10, .PixelEnd = 110};
// One value a pixel, for offsets at the edge of what an int can hold.
constexpr TAxisScale OnePerPixel{.Minimum = 0, .Maximum = 100, .PixelStart = 10, .PixelEnd = 110};
constexpr TAxisScale LeftOfZero{.Minimum = 0, .Maximum = 100, .PixelStart = -100, .PixelEnd = 0};
constexpr TAxisScale Decades{.Minimum = 1, .Maximum = 1000, .PixelStart = 0, .PixelEnd = 300, .Logarithmic = true};
constexpr TAxisScale DecadesFromZero{.Minimum = 0, .Maximum = 100, .PixelStart = 0, .PixelEnd = 300, .Logarithmic = true};
constexpr TAxisScale FlatDecades{.Minimum = 3, .Maximum = 3, .PixelStart = 0, .PixelEnd = 300, .Logarithmic = true};
// Limits whose quotients are not exact in binary: the pixel depends on the 80-bit steps and on the
// offset being stored as a double before it is rounded.
constexpr TAxisScale Fine{.Minimum = 0, .Maximum = 1.5, .PixelStart = 10, .PixelEnd = 110};

TEST(AxisScale, MapsValuesToPixelsWithEveryRoundingAndGuard)
{
    const struct {
        const char* Name;
        TAxisScale Scale;
        double Value;
        int X, Y;
    } cases[] = {
        {"minimum", Upright, 0, 10, 110},
        {"maximum", Upright, 200, 110, 10},
        {"middle", Upright, 100, 60, 60},
        {"past the maximum", Upright, 400, 210, -90},
        {"half pixel rounds down to even", Upright, 1, 10, 110},
        {"half pixel rounds up to even", Upright, 3, 12, 108},
        {"half pixel below rounds to zero", Upright, -1, 10, 110},
        {"half pixel below rounds to even", Upright, -3, 8, 112},
        {"inverted minimum", Inverted, 0, 110, 10},
        {"inverted half pixel", Inverted, 3, 108, 12},
        {"no range", Flat, 5, 60, 60},
        {"no range, far value", Flat, 1e300, 60, 60},
        {"not a number", Upright, NotANumber, 60, 60},
        {"infinity", Upright, Infinity, 60, 60},
        {"offset just inside the guard", OnePerPixel, 2147483646, IntMax, 110 - 2147483646},
        {"offset at the guard", OnePerPixel, 2147483647, 60, 60},
        {"negative offset just inside the guard", OnePerPixel, -2147483646, 10 - 2147483646, IntMax},
        {"negative offset at the guard", OnePerPixel, -2147483647, 60, 60},
        {"pixel below the int range", LeftOfZero, -2147483646, IntMin, 2147483646},
        {"logarithmic minimum", Decades, 1, 0, 300},
        {"logarithmic decade", Decades, 10, 100, 200},
        {"logarithmic maximum", Decades, 1000, 300, 0},
        {"logarithmic zero", Decades, 0, 0, 300},
        {"logarithmic negative", Decades, -5, 0, 300},
        {"logarithmic minimum of zero counts as one", DecadesFromZero, 100, 300, 0},
        {"logarithmic one with a minimum of zero", DecadesFromZero, 1, 0, 300},
        {"logarithmic without range", FlatDecades, 3, 150, 150},
        {"stored offset of one half", Fine, 0.0075000000000000006, 10, 110},
        {"stored offset of nine and a half", Fine, 0.14249999999999999, 20, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Scale.XValueToPixel(c.Value), c.X) << c.Name;
        EXPECT_EQ(c.Scale.YValueToPixel(c.Value), c.Y) << c.Name;
        EXPECT_EQ(c.Scale.PixelAlong(TPixelAxis::X, c.Value), c.X) << c.Name;
        EXPECT_EQ(c.Scale.PixelAlong(TPixelAxis::Y, c.Value), c.Y) << c.Name;
    }
}

TEST(AxisScale, MapsPixelsToValuesFromTheMinimumAlongXAndFromTheMaximumAlongY)
{
    const struct {
        const char* Name;
        TAxisScale Scale;
        int Pixel;
        double X, Y;
    } cases[] = {
        {"span start", Upright, 10, 0, 200},
        {"span end", Upright, 110, 200, 0},
        {"middle", Upright, 60, 100, 100},
        {"before the span", Upright, 0, -20, 220},
        {"inverted start", Inverted, 10, 200, 0},
        {"inverted end", Inverted, 110, 0, 200},
        {"no span", {.Minimum = 0, .Maximum = 200, .PixelStart = 60, .PixelEnd = 60}, 60, 0, 0},
        {"backward span", {.Minimum = 0, .Maximum = 200, .PixelStart = 110, .PixelEnd = 10}, 60, 0, 0},
        {"logarithmic start", Decades, 0, 1, 1000},
        {"logarithmic decade", Decades, 100, 10, 100},
        {"logarithmic end", Decades, 300, 1000, 1},
        {"80-bit steps", {.Minimum = 0, .Maximum = 0.3, .PixelStart = 0, .PixelEnd = 100}, 28, 0.083999999999999991, 0.216},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Scale.PixelToValue(TPixelAxis::X, c.Pixel), c.X) << c.Name;
        EXPECT_EQ(c.Scale.PixelToValue(TPixelAxis::Y, c.Pixel), c.Y) << c.Name;
    }
}

}
