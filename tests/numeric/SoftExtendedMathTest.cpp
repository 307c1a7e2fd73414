#include "ExtendedFormat.h"

#include "numeric/SoftExtendedMath.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

using namespace x87;

namespace {

TEST(SoftExtendedMath, EdgesOfTheDomain)
{
    const auto bits = [](SoftExtended x) { return TExtendedFormat<SoftExtended>::Bits(x); };
    const auto make = [](TExtendedBits b) { return TExtendedFormat<SoftExtended>::Make(b); };
    EXPECT_EQ(bits(SoftLog(make(One))), Zero);
    EXPECT_EQ(bits(SoftLog(make(Zero))), Neg(Infinity));
    EXPECT_EQ(bits(SoftLog(make(Neg(Zero)))), Neg(Infinity));
    EXPECT_EQ(bits(SoftLog(make(Neg(One)))), Indefinite);
    EXPECT_EQ(bits(SoftLog(make(Infinity))), Infinity);
    EXPECT_EQ(bits(SoftLog(make(SignallingNan(5)))), QuietNan(5));
    EXPECT_EQ(bits(SoftExp(make(Zero))), One);
    EXPECT_EQ(bits(SoftExp(make(Neg(Infinity)))), Zero);
    EXPECT_EQ(bits(SoftExp(make(Infinity))), Infinity);
    EXPECT_EQ(bits(SoftExp(make(Num(14, Lead)))), Infinity);
    EXPECT_EQ(bits(SoftExp(make(Num(14, Lead, true)))), Zero);
}

// Decades and the values a logarithmic axis maps come back as the same doubles.
TEST(SoftExtendedMath, LogarithmThenExponentialGivesTheDoubleBack)
{
    for (const double v : {1.0, 10.0, 100.0, 1000.0, 1e-10, 0.1, 2.5, 7.0, 1e300, 4.9e-324}) {
        EXPECT_EQ(static_cast<double>(SoftExp(SoftLog(v))), v) << v;
        EXPECT_EQ(static_cast<double>(SoftExp(SoftLog(v) / 3 * 3)), v) << v;
    }
}

#if LDBL_MANT_DIG == 64
// Within a few units of the 64-bit significand of the x87 library's logl and expl.
TEST(SoftExtendedMath, AgreesWithTheX87LibraryWithinFourUnits)
{
    std::mt19937_64 random(11);
    const auto units = [](long double ours, long double theirs) {
        return std::fabs(ours - theirs) / (std::nextafter(std::fabs(theirs), HUGE_VALL) - std::fabs(theirs));
    };
    for (int k = 0; k < 20000; ++k) {
        const double x = std::bit_cast<double>(random() >> 2);
        const auto r = std::uniform_real_distribution<double>(-11000.0, 11000.0)(random);
        const long double ourLog = X87FromBits(TExtendedFormat<SoftExtended>::Bits(SoftLog(x)));
        const long double ourExp = X87FromBits(TExtendedFormat<SoftExtended>::Bits(SoftExp(r)));
        if (x > 0 && std::isfinite(x)) {
            EXPECT_LE(units(ourLog, std::log(static_cast<long double>(x))), 4.0L) << x;
        }
        EXPECT_LE(units(ourExp, std::exp(static_cast<long double>(r))), 4.0L) << r;
    }
}
#endif

}
