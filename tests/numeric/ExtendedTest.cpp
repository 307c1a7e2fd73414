#include "ExtendedFormat.h"

#include "numeric/Extended.h"

#include <gtest/gtest.h>

#include <bit>
#include <numbers>

namespace {

TEST(Extended, BitsRoundTrip)
{
    const TExtendedBits bits = x87::Num(-77, x87::Lead | 0x123456789, true);
    EXPECT_EQ(BitsOf(ExtendedFromBits(bits)), bits);
    EXPECT_EQ(BitsOf(ExtendedFromBits(x87::Indefinite)), x87::Indefinite);
}

TEST(Extended, ExactPowersOfTenAreExact)
{
    // 10^k = 5^k * 2^k: the significand holds 5^k, shifted to the top, for every k up to 27.
    std::uint64_t five = 1;
    for (int k = 0; k <= LargestExactPowerOfTen; ++k) {
        const TExtendedBits bits = BitsOf(ExactPowersOfTen[static_cast<std::size_t>(k)]);
        const int width = std::bit_width(five);
        EXPECT_EQ(bits, x87::Num(k + width - 1, five << (64 - width))) << k;
        five *= 5;
    }
}

#if LDBL_MANT_DIG == 64
// The literal operator must give the value the compiler gives the same long double literal.
TEST(Extended, LiteralsRoundAsTheCompilersLongDoubleLiterals)
{
    struct TCase {
        Extended ours;
        long double compilers;
    };
    const TCase cases[] = {
        {0.01_ext, 0.01L},
        {0.001_ext, 0.001L},
        {0.00156_ext, 0.00156L},
        {1e-12_ext, 1e-12L},
        {1.000000000001_ext, 1.000000000001L},
        {0.1_ext, 0.1L},
        {2.4999_ext, 2.4999L},
        {56587.25_ext, 56587.25L},
        {1e-18_ext, 1e-18L},
        {9.99999e35_ext, 9.99999e35L},
        {1e36_ext, 1e36L},
        {123456789012345678901.0_ext, 123456789012345678901.0L},
        {0.333333333333333333_ext, 0.333333333333333333L},
        {123456789012345678901234567890_ext, 123456789012345678901234567890.0L},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(BitsOf(c.ours), X87BitsOf(c.compilers)) << static_cast<double>(c.compilers);
    }
}

TEST(Extended, PiIsTheLongDoublePi)
{
    EXPECT_EQ(BitsOf(ExtendedPi), X87BitsOf(std::numbers::pi_v<long double>));
}
#endif

}
