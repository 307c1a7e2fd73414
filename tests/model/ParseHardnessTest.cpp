#include "model/EOverflow.h"
#include "model/ParseHardness.h"
#include "model/PowerOfTen.h"
#include "numeric/Extended.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace BHNcalc;

namespace {

constexpr Extended Inf = std::numeric_limits<Extended>::infinity();

struct TNumberCase {
    std::string text;
    Extended value;
    std::size_t errorPosition;
};

struct THardnessCase {
    std::string text;
    double minimum;
    double maximum;
    bool valid;
    double value;
};

void ExpectNumbers(std::initializer_list<TNumberCase> cases)
{
    for (const TNumberCase& c : cases) {
        const TNumberText n = TextToNumber(c.text);
        EXPECT_EQ(n.errorPosition, c.errorPosition) << '"' << c.text << '"';
        EXPECT_EQ(n.value, c.value) << '"' << c.text << '"';
    }
}

void ExpectHardness(std::initializer_list<THardnessCase> cases)
{
    for (const THardnessCase& c : cases) {
        bool valid = !c.valid;
        double value = -1.0;
        ParseHardness(c.text, c.minimum, c.maximum, valid, value);
        EXPECT_EQ(valid, c.valid) << '"' << c.text << "\" in " << c.minimum << ".." << c.maximum;
        EXPECT_EQ(value, c.value) << '"' << c.text << "\" in " << c.minimum << ".." << c.maximum;
    }
}

void ExpectOverflow(const std::string& text)
{
    try {
        TextToNumber(text);
        ADD_FAILURE() << "no overflow for a text of " << text.size() << " bytes: " << text.substr(0, 40);
    } catch (const EOverflow& e) {
        EXPECT_STREQ(e.what(), "Floating point overflow");
    }
}

}

TEST(TextToNumber, AcceptedNumerals)
{
    ExpectNumbers({
        {"270", 270.0_ext, 0},
        {"270.0", 270.0_ext, 0},
        {" 270", 270.0_ext, 0},
        {"   +270", 270.0_ext, 0},
        {"-270", -270.0_ext, 0},
        {"2.7e2", 270.0_ext, 0},
        {"2.7E+2", 270.0_ext, 0},
        {"27000e-2", 270.0_ext, 0},
        {"12.", 12.0_ext, 0},
        {".5", 0.5_ext, 0},
        {".", 0.0_ext, 0},
        {"-.", 0.0_ext, 0},
        {"e5", 0.0_ext, 0},
        {"00000000000000000000000000000237", 237.0_ext, 0},
        {"237.500000000000000", 237.5_ext, 0},
        {"359.9", 3599.0_ext / 10.0_ext, 0},
        {"1e5120", Inf, 0},
        {"0e5120", Inf, 0},
        {"1e99999999999999999999", Inf, 0},
        {"1e-5120", 0.0_ext, 0},
        {"9e-99999999999999999999", 0.0_ext, 0},
    });
    EXPECT_EQ(TextToNumber("-1e5120").value, -Inf);
    const Extended tiny = TextToNumber("1e-4940").value;
    EXPECT_GT(tiny, 0.0_ext);
    EXPECT_LT(tiny, std::numeric_limits<Extended>::min());
    const Extended huge = TextToNumber("1.18e4932").value;
    EXPECT_TRUE(IsFinite(huge));
    EXPECT_GT(huge, std::numeric_limits<Extended>::max() * 0.99);
    EXPECT_TRUE(SignBit(TextToNumber("-0").value));
}

// A refused text reads as 0.
TEST(TextToNumber, ErrorPositions)
{
    ExpectNumbers({
        {"", 0.0_ext, 1},
        {" ", 0.0_ext, 2},
        {"   ", 0.0_ext, 4},
        {"-", 0.0_ext, 2},
        {"  +", 0.0_ext, 4},
        {"270 ", 0.0_ext, 4},
        {"\t270", 0.0_ext, 1},
        {"270,0", 0.0_ext, 4},
        {"27O", 0.0_ext, 3},
        {"- 5", 0.0_ext, 2},
        {"+-5", 0.0_ext, 2},
        {"1.2.3", 0.0_ext, 4},
        {"1,000", 0.0_ext, 2},
        {"1e", 0.0_ext, 3},
        {"1e+", 0.0_ext, 4},
        {"1e-x", 0.0_ext, 4},
        {"1ex", 0.0_ext, 3},
        {"1e5 ", 0.0_ext, 4},
        {"1e5.0", 0.0_ext, 4},
        {"+e", 0.0_ext, 3},
        {"0x10", 0.0_ext, 2},
        {"inf", 0.0_ext, 1},
        {"\xB0", 0.0_ext, 1},
        {std::string("27\0", 3), 0.0_ext, 3},
        {"1e5000x", 0.0_ext, 7},
    });
}

TEST(TextToNumber, NumeralsBeyondTheExtendedRangeOverflow)
{
    ExpectOverflow("1e4933");
    ExpectOverflow("1.19e4932");
    ExpectOverflow("-1e5119");
    ExpectOverflow(std::string(4933, '9'));
    // The digits are accumulated before the exponent scales them back down.
    ExpectOverflow("1" + std::string(5000, '0') + "e-5000");
    ExpectOverflow("0." + std::string(5000, '9'));
    // The overflow is met while reading digits, before the stray character.
    ExpectOverflow(std::string(5000, '9') + "x");
}

TEST(TextToNumber, LongNumeralsWithinRangeAreRead)
{
    EXPECT_EQ(TextToNumber(std::string(100000, '0') + "270").value, 270.0_ext);
    EXPECT_EQ(TextToNumber("0." + std::string(6000, '0') + "1").value, 0.0_ext);
    EXPECT_TRUE(IsFinite(TextToNumber(std::string(4900, '9')).value));
}

// Digits are accumulated as v = v * 10 + digit in extended precision; a numeral of 20 digits or more passes 2^64,
// where the extended format starts rounding.
TEST(TextToNumber, DigitsAccumulateInExtendedPrecisionPast64Bits)
{
    std::vector<std::string> numerals = {"18446744073709551615", "18446744073709551616", "18446744073709551617",
        "18446744073709551625", "99999999999999999999", "1844674407370955161.5", "123456789012345678901234567",
        "0.000000000000000000012345678901234567890123"};
    std::mt19937_64 random(64);
    for (int k = 0; k < 2000; ++k) {
        std::string numeral;
        const std::size_t digits = 18 + random() % 8;
        const std::size_t point = random() % (digits + 1);
        for (std::size_t d = 0; d <= digits; ++d) {
            numeral += d == point ? '.' : static_cast<char>('0' + random() % 10);
        }
        numerals.push_back(numeral);
    }
    for (const std::string& numeral : numerals) {
        Extended v = 0.0_ext;
        std::int64_t power = 0;
        bool afterPoint = false;
        for (const char c : numeral) {
            if (c == '.') {
                afterPoint = true;
                continue;
            }
            v = v * 10 + (c - '0');
            power -= afterPoint ? 1 : 0;
        }
        EXPECT_EQ(TextToNumber(numeral).value, ScaleByPowerOfTen(v, power)) << numeral;
    }
}

TEST(ParseHardness, WindowBounds)
{
    ExpectHardness({
        {"270", 200, 359, true, 270},
        {"270", 200, 360, true, 270},
        {"270.0", 200, 359, true, 270},
        {" 270", 200, 359, true, 270},
        {"+270", 200, 359, true, 270},
        {"2.7e2", 200, 359, true, 270},
        {"2.7E+2", 200, 360, true, 270},
        {"270 ", 200, 359, false, 0},
        {"270,0", 200, 359, false, 0},
        {"27O", 200, 360, false, 0},
        {"", 200, 359, false, 0},
        {"", 200, 360, false, 0},
        {"360", 200, 360, true, 360},
        {"360", 200, 359, false, 0},
        {"360.5", 200, 360, false, 0},
        {"359.9", 200, 359, false, 0},
        {"359.9", 200, 360, true, 359.9},
        {"200", 200, 359, true, 200},
        {"200", 200, 360, true, 200},
        {"199.99", 200, 359, false, 0},
        {"199.99", 200, 360, false, 0},
        {"-0", 200, 360, false, 0},
        {"237.5", 200, 360, true, 237.5},
        {"1e400", 200, 360, false, 0},
        {"1e5120", 200, 360, false, 0},
        {"1.18e4932", 200, 360, false, 0},
    });
}

TEST(ParseHardness, EmptyTextIsValidOnlyWithMinimumZero)
{
    ExpectHardness({
        {"", 0, 10, true, 0},
        {"", -0.0, 10, true, 0},
        {"", 1e-300, 10, false, 0},
        {"", -1, 10, false, 0},
        {"-0", 0, 10, true, 0},
    });
}

TEST(ParseHardness, ComparesAfterRoundingToDouble)
{
    // 359.00000000000001 is above 359 in extended but rounds to the double 359.
    ASSERT_GT(TextToNumber("359.00000000000001").value, 359.0_ext);
    bool valid = false;
    double value = 0.0;
    ParseHardness("359.00000000000001", 200, 359, valid, value);
    EXPECT_TRUE(valid);
    EXPECT_EQ(value, 359.0);
}

TEST(ParseHardness, OverflowLeavesNothingHalfWritten)
{
    bool valid = true;
    double value = 300.0;
    try {
        ParseHardness("1e6000" + std::string(5000, '0'), 200, 360, valid, value);
    } catch (...) {
        ADD_FAILURE() << "a power of ten beyond 5120 gives infinity, not an error";
    }
    EXPECT_FALSE(valid);

    valid = true;
    value = 300.0;
    EXPECT_THROW(ParseHardness("2e4932", 200, 360, valid, value), EOverflow);
    EXPECT_FALSE(valid);
    EXPECT_EQ(value, 0.0);
}
