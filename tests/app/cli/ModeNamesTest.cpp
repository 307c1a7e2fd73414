#include "app/cli/ModeNames.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace cli;

TEST(ModeNames, AcceptedSpellings)
{
    const std::pair<std::string, std::int32_t> cases[] = {
        {"0", 0},
        {"1", 1},
        {"7", 7},
        {"avg", 0},
        {"Avg.", 0},
        {"AVG", 0},
        {"0-35", 1},
        {"0\xC2\xB0-35\xC2\xB0", 1},
        {"0\xC2\xB0-35", 1},
        {"0\xB0-35\xB0", 1},
        {"40-60", 2},
        {"40\xC2\xB0-60\xC2\xB0", 2},
        {"APDSFS", 3},
        {"apfsds", 3},
        {"m62", 4},
        {"3\" M62", 4},
        {"3 m62", 4},
        {"3\"m62", 4},
        {"M79", 5},
        {"3\" M79", 5},
        {"weighed", 6},
        {"Weighed", 6},
        {"tests", 7},
        {"TESTS", 7},
        // Marks and degree signs do not count towards a name's length.
        {"\"\"\"weighed\xB0\xB0\xC2\xB0", 6},
        {"\xC2\xB0" "3\"\" M62\"\"\"", 4},
    };
    for (const auto& [text, mode] : cases) {
        EXPECT_EQ(ParseModeName(text), std::optional<std::int32_t>(mode)) << text;
    }
}

TEST(ModeNames, RefusedSpellings)
{
    for (const std::string text : {"8", "-1", "", "avg ", " avg", "3\"", "07", "0\xC2\xB0", "all", "3 m", "m6", "0-60",
             "weighted", "weighed7", "\"weighedweighed\"", "\xC2", "1.0"}) {
        EXPECT_EQ(ParseModeName(text), std::nullopt) << text;
    }
}

TEST(ModeNames, KeysNameEveryModeAndReadBack)
{
    const char* keys[] = {"avg", "0-35", "40-60", "apfsds", "m62", "m79", "weighed", "tests"};
    for (std::int32_t mode = 0; mode <= 7; ++mode) {
        EXPECT_EQ(ModeKey(mode), keys[mode]);
        EXPECT_EQ(ParseModeName(ModeKey(mode)), std::optional<std::int32_t>(mode));
    }
}
