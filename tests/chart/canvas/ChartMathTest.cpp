#include "chart/canvas/ChartMath.h"
#include "numeric/Extended.h"

#include <gtest/gtest.h>

#include <climits>

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZero)
{
    struct Case {
        int x, y, z, expected;
    };
    const Case cases[] = {
        {3, 1, 2, 2},       // 1.5
        {-3, 1, 2, -2},     // -1.5
        {5, 1, 2, 3},       // 2.5: away from zero, not to even
        {-5, 1, 2, -3},
        {7, 1, -2, -4},     // -3.5
        {-7, -1, 2, 4},
        {8, 96, 72, 11},    // 8 points at 96 dpi
        {-11, 72, 96, -8},  // -8.25
        {10, 96, 72, 13},   // 13.33
        {3, 553, 100, 17},  // 16.59
        {4, 337, 100, 13},  // 13.48
        {1, 1, 3, 0},
        {2, 1, 3, 1},
        {100000, 100000, 100000, 100000}, // the product needs 64 bits
        {INT_MAX, 2, 2, INT_MAX},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.x, c.y, c.z), c.expected) << c.x << " * " << c.y << " / " << c.z;
}

TEST(MulDiv, ZeroDivisorAndOverflowGiveMinusOne)
{
    EXPECT_EQ(MulDiv(5, 7, 0), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 4, 2), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 4, 2), -1);
}

TEST(Round, TiesGoToEven)
{
    struct Case {
        Extended value;
        int expected;
    };
    const Case cases[] = {{0.5_ext, 0}, {1.5_ext, 2}, {2.5_ext, 2}, {-0.5_ext, 0}, {-1.5_ext, -2}, {-2.5_ext, -2}, {2.4999_ext, 2}, {-37.5_ext, -38}};
    for (const Case& c : cases)
        EXPECT_EQ(Round(c.value), c.expected) << static_cast<double>(c.value);
}
