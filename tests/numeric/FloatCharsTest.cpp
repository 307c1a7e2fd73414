#include "numeric/FloatChars.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace {

std::vector<double> Samples()
{
    std::vector<double> values = {0.0, -0.0, 1.0, -1.5, 0.1, 0.9, 1.5, 237.5, 270.0, 1e20, 1e21, 1e22, 123456789012345680.0,
                                  0.0001, 0.001, 1e-5, 5e-324, 1.7976931348623157e308, 2.2250738585072014e-308,
                                  1.288125, 0.93280000000000007, 1e16, 12345678.9, 9.5367431640625e-07};
    // Bit patterns spread over the whole range, and values with few digits around the notation switch.
    std::mt19937_64 random(20261211);
    for (int i = 0; i < 5000; ++i) {
        const double value = std::bit_cast<double>(random());
        if (value == value && value - value == 0.0) {
            values.push_back(value);
        }
    }
    for (int exponent = -30; exponent <= 30; ++exponent) {
        values.push_back(std::stod("1.25e" + std::to_string(exponent)));
        values.push_back(std::stod("3e" + std::to_string(exponent)));
    }
    return values;
}

template <class Convert>
std::string Text(Convert convert)
{
    std::array<char, 400> buffer{};
    return std::string(buffer.data(), convert(buffer.data(), buffer.data() + buffer.size()));
}

// The C library's forms give the standard library's texts, so the build without the latter writes the same.
TEST(FloatChars, PrintfFormsMatchTheStandardLibrary)
{
    for (const double value : Samples()) {
        const auto standard = [value](auto... format) {
            return Text([&](char* first, char* last) { return std::to_chars(first, last, value, format...).ptr; });
        };
        const auto printf = [value](auto... format) {
            return Text([&](char* first, char* last) { return FloatChars::Printf::ToChars(first, last, value, format...); });
        };
        ASSERT_EQ(printf(), standard()) << value;
        ASSERT_EQ(printf(std::chars_format::scientific, 17), standard(std::chars_format::scientific, 17)) << value;
        ASSERT_EQ(printf(std::chars_format::general, 15), standard(std::chars_format::general, 15)) << value;
    }
}

TEST(FloatChars, PrintfReadingMatchesTheStandardLibrary)
{
    struct Case {
        std::string text;
        bool accepted;
        double value;
    };
    const Case cases[] = {
        {"1.5", true, 1.5}, {"-0.9", true, -0.9}, {".5", true, 0.5}, {"2e3", true, 2000.0}, {"1E-2", true, 0.01},
        {"360", true, 360.0}, {"+1", false, 0}, {" 1", false, 0}, {"0x10", true, 0.0}, {"", false, 0},
        {"-", false, 0}, {"e5", false, 0}, {"abc", false, 0},
    };
    for (const Case& c : cases) {
        const char* first = c.text.data();
        const char* last = first + c.text.size();
        double printfValue = -7.0;
        double standardValue = -7.0;
        const auto printf = FloatChars::Printf::FromChars(first, last, printfValue);
        const auto standard = std::from_chars(first, last, standardValue);
        EXPECT_EQ(printf.ec == std::errc(), c.accepted) << c.text;
        EXPECT_EQ(printf.ec, standard.ec) << c.text;
        EXPECT_EQ(printf.ptr, standard.ptr) << c.text;
        EXPECT_EQ(printfValue, standardValue) << c.text;
        if (c.accepted) {
            EXPECT_EQ(printfValue, c.value) << c.text;
        }
    }
    // Stops where the number ends, as the standard library does ("0x10" reads as 0 too).
    const std::string tail = "1.25xyz";
    double value = 0;
    EXPECT_EQ(FloatChars::Printf::FromChars(tail.data(), tail.data() + tail.size(), value).ptr, tail.data() + 4);
}

}  // namespace
