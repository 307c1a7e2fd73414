#include "model/BHNcalc.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

using namespace BHNcalc;

namespace {

constexpr int FirstDecimals = 17;

// Compares AppendFixed's integer path with FormatFixed's extended arithmetic on many values and keeps the first few
// texts that differ, so one failure shows a handful of examples instead of thousands of lines.
class TOracle {
public:
    void Check(double x, int decimals)
    {
        ++checked_;
        // A prefix shows that the text is appended, not assigned.
        std::string appended = "|";
        AppendFixed(appended, x, decimals);
        std::string expected = "|";
        expected += FormatFixed(x, 0, decimals);
        if (appended != expected) {
            ++differing_;
            if (examples_.size() < 8) {
                char exact[64];
                std::snprintf(exact, sizeof exact, "%.17g", x);
                examples_.push_back(std::string(exact) + " with " + std::to_string(decimals) + " decimals: "
                    + appended + " instead of " + expected);
            }
        }
    }

    // Both signs, at the given decimals and at 17, where the text shows every digit of the first rounding.
    void CheckBothSigns(double x, std::initializer_list<int> decimalsList)
    {
        for (const int decimals : decimalsList) {
            Check(x, decimals);
            Check(-x, decimals);
        }
        Check(x, FirstDecimals);
        Check(-x, FirstDecimals);
    }

    void Expect(std::size_t atLeast) const
    {
        EXPECT_GE(checked_, atLeast);
        std::string shown;
        for (const std::string& e : examples_) {
            shown += "\n  " + e;
        }
        EXPECT_EQ(differing_, 0u) << "of " << checked_ << " values, for example:" << shown;
    }

private:
    std::size_t checked_ = 0;
    std::size_t differing_ = 0;
    std::vector<std::string> examples_;
};

class AppendFixedOracle : public ::testing::Test {
protected:
    void SetUp() override { Initialize(); }
};

}

// Every text a batch writes: each mode's curve values, the multiplier at every tenth of a BHN, and the relative
// quality and its inverse for every pair of whole hardnesses.
TEST_F(AppendFixedOracle, CalculatorResults)
{
    TOracle oracle;
    for (std::int32_t mode = 0; mode < 8; ++mode) {
        const TCurve curve = CurveOfMode(mode);
        for (const double value : curve) {
            oracle.CheckBothSigns(value, {1, 3, 4});
        }
        for (int tenths = GridFirstBHN * 10; tenths <= GridLastBHN * 10; ++tenths) {
            oracle.Check(InterpolateProtection(curve, tenths / 10.0), 3);
        }
        for (int standard = GridFirstBHN; standard < GridLastBHN; ++standard) {
            const double sp = InterpolateProtection(curve, standard);
            for (int variable = GridFirstBHN; variable <= GridLastBHN; ++variable) {
                const double q = RelativeQuality(sp, InterpolateProtection(curve, variable));
                oracle.Check(q, 4);
                oracle.Check(InverseQuality(q), 4);
            }
        }
    }
    oracle.Expect(8 * (1601 + 160 * 161 * 2));
}

// Random doubles over the results' range, and the doubles nearest the halves of the third and fourth decimal with
// their neighbours a few units in the last place away: the second rounding decides there.
TEST(AppendFixed, MatchesFormatFixedAroundDecimalHalves)
{
    TOracle oracle;
    std::mt19937_64 random(15);
    std::uniform_real_distribution<double> range(0.9, 1.5);
    for (int k = 0; k < 100000; ++k) {
        oracle.CheckBothSigns(range(random), {1, 3, 4});
    }
    for (const int decimals : {3, 4}) {
        const double units = std::pow(10.0, decimals);
        for (int unit = static_cast<int>(0.9 * units); unit < static_cast<int>(1.5 * units); ++unit) {
            double x = (2.0 * unit + 1.0) / (2.0 * units);
            for (int step = 0; step < 4; ++step) {
                x = std::nextafter(x, 0.0);
            }
            for (int step = 0; step < 9; ++step) {
                oracle.CheckBothSigns(x, {decimals});
                x = std::nextafter(x, 2.0);
            }
        }
    }
    oracle.Expect(100000 * 8 + (600 + 6000) * 9 * 4);
}

// Every binade below 10 with random significands and every decimal count, plus values with few significant bits:
// their scaled products end in exact halves, where either rounding must go to even.
TEST(AppendFixed, MatchesFormatFixedOnTiesAndEveryMagnitude)
{
    TOracle oracle;
    std::mt19937_64 random(4);
    for (int k = 0; k < 200000; ++k) {
        const int exponent = static_cast<int>(random() % 1078) - 1074;
        const double x = std::ldexp(static_cast<double>(random() >> 11), exponent - 53);
        if (x < 10.0) {
            oracle.Check(x, static_cast<int>(random() % (FirstDecimals + 1)));
        }
    }
    for (int bits = 1; bits <= 53; ++bits) {
        for (int k = 0; k < 400; ++k) {
            const std::uint64_t odd = (random() >> (64 - bits)) | 1;
            const double x = std::ldexp(static_cast<double>(odd), -bits - static_cast<int>(random() % 30));
            oracle.CheckBothSigns(x, {0, 1, 4});
        }
    }
    const double ends[] = {0.0, std::numeric_limits<double>::denorm_min(), DBL_MIN, 1e-18, 4.9999999999999996e-18,
        0.5, 0.49999999999999994, 0.99995, 0.9995, 9.9996, 9.99999999999999999, std::nextafter(10.0, 0.0)};
    for (const double x : ends) {
        for (int decimals = 0; decimals <= FirstDecimals; ++decimals) {
            oracle.CheckBothSigns(x, {decimals});
        }
    }
    oracle.Expect(100000);
}

// Values and decimal counts outside the integer path take FormatFixed itself.
TEST(AppendFixed, OtherValuesAndDecimalCountsGiveFormatFixedText)
{
    TOracle oracle;
    const double inf = std::numeric_limits<double>::infinity();
    const double others[] = {10.0, 10.05, 123.456, 1e20, 1e36, DBL_MAX, inf, std::numeric_limits<double>::quiet_NaN()};
    for (const double x : others) {
        oracle.CheckBothSigns(x, {0, 1, 4, 18});
    }
    for (const int decimals : {-1, 18, 40, 216, 300}) {
        oracle.CheckBothSigns(1.2015, {decimals});
    }
    oracle.Expect(8 * 10 + 5 * 4);
    std::string out = "x=";
    AppendFixed(out, -inf, 2);
    EXPECT_EQ(out, "x=-Inf");
}
