#include "model/FormatFixed.h"
#include "numeric/Extended.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

using BHNcalc::FormatFixed;

namespace {

struct TFormatCase {
    Extended x;
    int width;
    int decimals;
    std::string text;
};

}

TEST(FormatFixed, FixedDecimals)
{
    const Extended inf = std::numeric_limits<Extended>::infinity();
    const TFormatCase cases[] = {
        {270.0_ext, 1, 1, "270.0"},
        {1.2015, 1, 1, "1.2"},
        {1.288125, 1, 3, "1.288"},
        {0.0_ext, 1, 1, "0.0"},
        {-0.0_ext, 1, 1, "-0.0"},
        {0.99344999999999994, 1, 4, "0.9934"},
        {0.99345, 1, 4, "0.9935"},
        {1.5, 6, 2, "  1.50"},
        {9.96, 1, 1, "10.0"},
        {99.96, 1, 1, "100.0"},
        {1.03125, 1, 4, "1.0313"},
        {-1.25, 1, 1, "-1.3"},
        {2.5, 1, 0, "3"},
        {0.5, 1, 0, "1"},
        {0.49999999999999994, 1, 0, "0"},
        {123.456, 1, 2, "123.46"},
        {-1e-18_ext, 1, 4, "-0.0000"},
        {1e-18_ext, 1, 2, "0.00"},
        {237.0_ext, 0, 0, "237"},
        {1.2015, 10, 4, "    1.2015"},
        {-1.2015, 3, 4, "-1.2015"},
        {1.0_ext, 1, -3, "1"},
        {1.5_ext, -4, 1, "1.5"},
        {std::numeric_limits<Extended>::quiet_NaN(), 1, 1, "Nan"},
        {std::numeric_limits<Extended>::quiet_NaN(), 5, 2, "  Nan"},
        {inf, 1, 4, "+Inf"},
        {-inf, 6, 4, "  -Inf"},
    };
    for (const TFormatCase& c : cases) {
        EXPECT_EQ(FormatFixed(c.x, c.width, c.decimals), c.text) << "x=" << static_cast<double>(c.x) << " width " << c.width << " decimals " << c.decimals;
    }
}

// The first rounding keeps 17 decimals below 10, about 18 significant digits above; later digits are zeros.
TEST(FormatFixed, DigitsBeyondTheFirstRoundingAreZeros)
{
    const TFormatCase cases[] = {
        {0.1, 1, 20, "0.10000000000000001000"},
        {1.0_ext / 3.0_ext, 1, 19, "0.3333333333333333300"},
        {2.0_ext / 3.0_ext, 1, 18, "0.666666666666666670"},
        {12345678901234567890.0_ext, 1, 0, "12345678901234567890"},
        {123456789012345678901.0_ext, 1, 1, "123456789012345678900.0"},
        {1e35_ext, 1, 0, "100000000000000000000000000000000000"},
        {4.0_ext / 3.0_ext * 1e20_ext, 1, 2, "133333333333333333300.00"},
    };
    for (const TFormatCase& c : cases) {
        EXPECT_EQ(FormatFixed(c.x, c.width, c.decimals), c.text);
    }
}

TEST(FormatFixed, MagnitudesFrom1e36UseExponentForm)
{
    const TFormatCase cases[] = {
        {1e36_ext, 1, 2, "1.00E+36"},
        {-2.5e100, 1, 3, "-2.500E+100"},
        {9.9999e40, 1, 2, "1.00E+41"},
        {1.5e36_ext, 12, 0, "       2E+36"},
        {std::numeric_limits<Extended>::max(), 1, 2, "1.19E+4932"},
    };
    for (const TFormatCase& c : cases) {
        EXPECT_EQ(FormatFixed(c.x, c.width, c.decimals), c.text);
    }
}

TEST(FormatFixed, WidthAndDecimalsAreLimited)
{
    const std::string wide = FormatFixed(1.0_ext, 300, 0);
    EXPECT_EQ(wide.size(), 255u);
    EXPECT_EQ(wide.back(), '1');
    EXPECT_EQ(wide.find_first_not_of(' '), 254u);

    const std::string fine = FormatFixed(1.0_ext, 1, 300);
    EXPECT_EQ(fine, "1." + std::string(216, '0'));
    EXPECT_EQ(FormatFixed(-9.99999e35_ext, 1, 216).size(), 1u + 36u + 1u + 216u);
}
