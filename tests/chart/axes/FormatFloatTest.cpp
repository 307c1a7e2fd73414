#include "chart/axes/FormatFloat.h"

#include <gtest/gtest.h>

namespace {

const TFormatSettings English{".", ","};

struct TFormatCase {
    const char* Format;
    double Value;
    const char* Expected;
};

TEST(FormatFloat, AxisLabelFormatInEnglishLocale)
{
    const TFormatCase cases[] = {
        {"#,##0.###", 360, "360"},
        {"#,##0.###", 1.0000000000000004, "1"},
        {"#,##0.###", 1.2999999999999998, "1.3"},
        {"#,##0.###", 0.8999999999999997, "0.9"},
        {"#,##0.###", 1234.5678, "1,234.568"},
        {"#,##0.###", 0.0005, "0.001"},
        {"#,##0.###", 0.0004999, "0"},
        {"#,##0.###", 0, "0"},
        {"#,##0.###", -0.0004, "0"},
        {"#,##0.###", -1.5, "-1.5"},
        {"#,##0.###", -1234567.25, "-1,234,567.25"},
        {"#,##0.###", 999.9996, "1,000"},
        {"#,##0.###", 0.1, "0.1"},
        {"#,##0.###", 1e20, "100,000,000,000,000,000,000"},
        {"#,##0.###", 2.0005, "2.001"},
        {"#,##0.###", 100, "100"},
        {"#,##0.###", 1000, "1,000"},
    };
    for (const TFormatCase& c : cases)
        EXPECT_EQ(FormatFloat(c.Format, c.Value, English), c.Expected) << c.Format << " " << c.Value;
}

TEST(FormatFloat, OtherPictures)
{
    const TFormatCase cases[] = {
        {"0.00", 1.5, "1.50"},
        {"0.00", 0.125, "0.13"},
        {"000", 7, "007"},
        {"#", 0.4, ""},
        {"0.0#", 2.456, "2.46"},
        {"0.0#", 2.4, "2.4"},
        {"'$'0.00", 3, "$3.00"},
        {"0 kg", 12, "12 kg"},
        {"0;(0);zero", -4, "(4)"},
        {"0;(0);zero", 0, "zero"},
        {"", 0.1, "0.1"},
        {"", 1234.5678, "1234.5678"},
    };
    for (const TFormatCase& c : cases)
        EXPECT_EQ(FormatFloat(c.Format, c.Value, English), c.Expected) << c.Format << " " << c.Value;
}

TEST(FormatFloat, SeparatorsComeFromTheSettings)
{
    const TFormatSettings german{",", "."};
    EXPECT_EQ(FormatFloat("#,##0.###", 1234.5678, german), "1.234,568");
    const TFormatSettings spaced{".", "\xC2\xA0"};
    EXPECT_EQ(FormatFloat("#,##0.###", 1234567, spaced), "1\xC2\xA0" "234\xC2\xA0" "567");
}

}
