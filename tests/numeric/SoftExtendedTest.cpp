#include "ExtendedFormat.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

using namespace x87;

namespace {

std::string Show(TExtendedBits b)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04x:%016llx", b.signExponent, static_cast<unsigned long long>(b.significand));
    return text;
}

enum class TOp { Add, Subtract, Multiply, Divide };

struct TBinaryCase {
    const char* name;
    TExtendedBits a;
    TOp op;
    TExtendedBits b;
    TExtendedBits expected;
};

const std::vector<TBinaryCase>& BinaryCases()
{
    static const std::vector<TBinaryCase> cases = {
        {"a tie below an even significand stays", One, TOp::Add, Num(-64, Lead), One},
        {"a tie below an odd significand rounds up", Num(0, Lead | 1), TOp::Add, Num(-64, Lead), Num(0, Lead | 2)},
        {"just above a tie rounds up", One, TOp::Add, Num(-64, Lead | 1), Num(0, Lead | 1)},
        {"far below half a unit leaves the sum", Num(1, Lead), TOp::Subtract, Num(-200, Lead), Num(1, Lead)},
        {"the carry moves into the exponent", Num(0, ~std::uint64_t{0}), TOp::Add, Num(-64, Lead), Num(1, Lead)},
        {"a borrow renormalises exactly", One, TOp::Subtract, Num(-64, Lead), Num(-1, ~std::uint64_t{0})},
        {"an exact cancellation is +0", Num(5, Lead | 7, true), TOp::Subtract, Num(5, Lead | 7, true), Zero},
        {"-0 plus -0 is -0", Neg(Zero), TOp::Add, Neg(Zero), Neg(Zero)},
        {"-0 minus +0 is -0", Neg(Zero), TOp::Subtract, Zero, Neg(Zero)},
        {"+0 minus +0 is +0", Zero, TOp::Subtract, Zero, Zero},
        {"subnormals add exactly", Subnormal(3), TOp::Add, Subnormal(5), Subnormal(8)},
        {"two subnormals carry into the normals", Subnormal(Lead - 1), TOp::Add, DenormMin, MinNormal},
        {"a product tie stays even", Num(32, Lead | 1ull << 31), TOp::Multiply, Num(32, Lead | 1ull << 31), Num(64, Lead | 1ull << 32)},
        {"a product tie rounds up to even", Num(32, Lead | 3ull << 31), TOp::Multiply, Num(32, Lead | 1ull << 31),
            Num(64, Lead | 1ull << 33 | 2)},
        {"half the smallest normal is subnormal", MinNormal, TOp::Multiply, Num(-1, Lead), Subnormal(Quiet)},
        {"half the smallest subnormal ties to zero", DenormMin, TOp::Multiply, Num(-1, Lead), Zero},
        {"one and a half subnormal units tie to two", DenormMin, TOp::Multiply, Num(0, Lead | Quiet), Subnormal(2)},
        {"three halved subnormal units tie to two", Subnormal(3), TOp::Divide, Num(1, Lead), Subnormal(2)},
        {"a subnormal product rounds up into the normals", Subnormal(Lead - 1), TOp::Multiply, Num(0, Lead | 1), MinNormal},
        {"a product underflows to a signed zero", Neg(MinNormal), TOp::Multiply, MinNormal, Neg(Zero)},
        {"twice the largest overflows", MaxFinite, TOp::Multiply, Num(1, Lead), Infinity},
        {"a tie above the largest overflows", MaxFinite, TOp::Add, Num(16319, Lead), Infinity},
        {"a quarter unit above the largest stays", MaxFinite, TOp::Add, Num(16318, Lead), MaxFinite},
        {"negative overflow", Neg(MaxFinite), TOp::Subtract, MaxFinite, Neg(Infinity)},
        {"a third rounds up", One, TOp::Divide, Num(1, Lead | Quiet), Num(-2, 0xAAAAAAAAAAAAAAAB)},
        {"two thirds round up", Num(1, Lead), TOp::Divide, Num(1, Lead | Quiet), Num(-1, 0xAAAAAAAAAAAAAAAB)},
        {"a quotient of subnormals", Subnormal(6), TOp::Divide, Subnormal(3), Num(1, Lead)},
        {"a huge quotient overflows", MaxFinite, TOp::Divide, Num(-2, Lead), Infinity},
        {"dividing by zero gives a signed infinity", Neg(One), TOp::Divide, Zero, Neg(Infinity)},
        {"dividing by -0 flips the sign", One, TOp::Divide, Neg(Zero), Neg(Infinity)},
        {"dividing by infinity gives a signed zero", One, TOp::Divide, Neg(Infinity), Neg(Zero)},
        {"infinity minus infinity is the indefinite NaN", Infinity, TOp::Subtract, Infinity, Indefinite},
        {"infinity plus -infinity is the indefinite NaN", Infinity, TOp::Add, Neg(Infinity), Indefinite},
        {"infinity plus infinity stays", Infinity, TOp::Add, Infinity, Infinity},
        {"zero times infinity is the indefinite NaN", Zero, TOp::Multiply, Neg(Infinity), Indefinite},
        {"zero over zero is the indefinite NaN", Neg(Zero), TOp::Divide, Zero, Indefinite},
        {"infinity over infinity is the indefinite NaN", Infinity, TOp::Divide, Neg(Infinity), Indefinite},
        {"a quiet NaN passes through", QuietNan(5), TOp::Add, One, QuietNan(5)},
        {"a quiet NaN keeps its sign when subtracted", One, TOp::Subtract, Neg(QuietNan(5)), Neg(QuietNan(5))},
        {"a signalling NaN comes out quieted", SignallingNan(9), TOp::Multiply, One, QuietNan(9)},
        {"of two quiet NaNs the larger significand", QuietNan(5), TOp::Divide, Neg(QuietNan(6)), Neg(QuietNan(6))},
        {"of two signalling NaNs the larger significand", SignallingNan(7), TOp::Add, SignallingNan(3), QuietNan(7)},
        {"a quiet NaN wins over a larger signalling one", QuietNan(1), TOp::Add, SignallingNan(Quiet >> 1), QuietNan(1)},
        {"of equal NaNs the positive one", Neg(QuietNan(4)), TOp::Multiply, QuietNan(4), QuietNan(4)},
        {"the indefinite NaN against a larger quiet NaN", Indefinite, TOp::Subtract, QuietNan(1), QuietNan(1)},
    };
    return cases;
}

template <class T>
T Apply(T a, TOp op, T b)
{
    switch (op) {
    case TOp::Add:
        return a + b;
    case TOp::Subtract:
        return a - b;
    case TOp::Multiply:
        return a * b;
    case TOp::Divide:
        return a / b;
    }
    return a;
}

template <class T>
class ExtendedArithmetic : public ::testing::Test {
protected:
    using F = TExtendedFormat<T>;
    static T Make(TExtendedBits b) { return F::Make(b); }
    static std::string Bits(T x) { return Show(F::Bits(x)); }
};

#if LDBL_MANT_DIG == 64
using Formats = ::testing::Types<SoftExtended, long double>;
#else
using Formats = ::testing::Types<SoftExtended>;
#endif

class FormatName {
public:
    template <class T>
    static std::string GetName(int)
    {
        return std::is_same_v<T, SoftExtended> ? "Software" : "X87";
    }
};

TYPED_TEST_SUITE(ExtendedArithmetic, Formats, FormatName);

TYPED_TEST(ExtendedArithmetic, BinaryOperationsRoundOnceToNearestEven)
{
    for (const TBinaryCase& c : BinaryCases()) {
        const TypeParam result = Apply(this->Make(c.a), c.op, this->Make(c.b));
        EXPECT_EQ(this->Bits(result), Show(c.expected)) << c.name;
    }
}

TYPED_TEST(ExtendedArithmetic, ConversionToDoubleRoundsOnceWithTheDoublesOwnRange)
{
    struct TCase {
        const char* name;
        TExtendedBits x;
        std::uint64_t expected;
    };
    const TCase cases[] = {
        {"a tie below an even double stays", Num(0, Lead | 1 << 10), 0x3FF0000000000000},
        {"a tie below an odd double rounds up", Num(0, Lead | 3 << 10), 0x3FF0000000000002},
        {"just above a tie rounds up", Num(0, Lead | 1 << 10 | 1), 0x3FF0000000000001},
        {"the carry moves into the exponent", Num(0, ~std::uint64_t{0}), 0x4000000000000000},
        {"beyond the double's range is infinity", Num(1024, Lead, true), 0xFFF0000000000000},
        {"a tie above the largest double overflows", Num(1023, ~std::uint64_t{0} << 10), 0x7FF0000000000000},
        {"half the smallest subnormal ties to zero", Num(-1075, Lead), 0},
        {"just above it gives the smallest subnormal", Num(-1075, Lead | 1), 1},
        {"one and a half units tie to two", Num(-1074, Lead | Quiet), 2},
        {"the largest subnormal rounds up to the smallest normal", Num(-1023, ~std::uint64_t{0} << 11), 0x0010000000000000},
        {"an extended subnormal is a signed zero", Neg(Subnormal(Lead - 1)), 0x8000000000000000},
        {"a quiet NaN keeps its sign and upper payload", Neg(QuietNan(0x123ull << 11 | 0x7FF)), 0xFFF8000000000123},
        {"a signalling NaN comes out quieted", SignallingNan(1ull << 20), 0x7FF8000000000200},
        {"the indefinite NaN", Indefinite, 0xFFF8000000000000},
        {"infinity", Infinity, 0x7FF0000000000000},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(static_cast<double>(this->Make(c.x))), c.expected) << c.name;
    }
}

TYPED_TEST(ExtendedArithmetic, DoublesComeInExactly)
{
    struct TCase {
        std::uint64_t x;
        TExtendedBits expected;
    };
    const TCase cases[] = {
        {0x0000000000000001, Num(-1074, Lead)},
        {0x000FFFFFFFFFFFFF, Num(-1023, ~std::uint64_t{0} << 12)},
        {0x8000000000000000, Neg(Zero)},
        {0x3FF8000000000000, Num(0, Lead | Quiet)},
        {0x7FEFFFFFFFFFFFFF, Num(1023, ~std::uint64_t{0} << 11)},
        {0xFFF0000000000000, Neg(Infinity)},
        {0x7FF8000000000123, QuietNan(0x123ull << 11)},
        // The load quiets a signalling NaN.
        {0x7FF0000000000001, QuietNan(1ull << 11)},
    };
    for (const TCase& c : cases) {
        const TypeParam x = std::bit_cast<double>(c.x);
        EXPECT_EQ(this->Bits(x), Show(c.expected)) << std::hex << c.x;
    }
}

TYPED_TEST(ExtendedArithmetic, IntegersComeInExactly)
{
    EXPECT_EQ(this->Bits(TypeParam(INT64_MIN)), Show(Num(63, Lead, true)));
    EXPECT_EQ(this->Bits(TypeParam(UINT64_MAX)), Show(Num(63, ~std::uint64_t{0})));
    EXPECT_EQ(this->Bits(TypeParam(-1)), Show(Neg(One)));
    EXPECT_EQ(this->Bits(TypeParam(0)), Show(Zero));
    EXPECT_EQ(this->Bits(TypeParam(std::size_t{6})), Show(Num(2, Lead | Quiet)));
}

TYPED_TEST(ExtendedArithmetic, ConversionToIntegersTruncates)
{
    struct TCase {
        TExtendedBits x;
        int expected32;
        std::int64_t expected64;
    };
    const TCase cases[] = {
        {Num(1, 0xB9999999999999A0), 2, 2},
        {Num(1, 0xB9999999999999A0, true), -2, -2},
        {Num(-1, Lead | 1), 0, 0},
        {Neg(Zero), 0, 0},
        {Num(30, ~std::uint64_t{0} << 33), INT_MAX, INT_MAX},
        {Num(31, Lead), INT_MIN, std::int64_t{1} << 31},
        {Num(31, Lead, true), INT_MIN, INT_MIN},
        {Num(62, ~std::uint64_t{0} << 1), INT_MIN, INT64_MAX},
        {Num(63, Lead), INT_MIN, INT64_MIN},
        {Num(63, Lead, true), INT_MIN, INT64_MIN},
        {Num(63, Lead | 1, true), INT_MIN, INT64_MIN},
        {Infinity, INT_MIN, INT64_MIN},
        {QuietNan(3), INT_MIN, INT64_MIN},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(static_cast<int>(this->Make(c.x)), c.expected32) << Show(c.x);
        EXPECT_EQ(static_cast<std::int64_t>(this->Make(c.x)), c.expected64) << Show(c.x);
    }
    EXPECT_EQ(static_cast<std::uint64_t>(this->Make(Num(63, ~std::uint64_t{0}))), UINT64_MAX);
    EXPECT_EQ(static_cast<std::uint64_t>(this->Make(Num(63, Lead))), std::uint64_t{1} << 63);
    EXPECT_EQ(static_cast<std::uint64_t>(this->Make(Num(13, 0xC0E6000000000000))), 12345u);
}

TYPED_TEST(ExtendedArithmetic, RoundingToIntegersTiesToEvenAndTruncationKeepsTheSign)
{
    using F = typename TestFixture::F;
    struct TCase {
        TExtendedBits x;
        TExtendedBits nearest;
        TExtendedBits truncated;
    };
    const TCase cases[] = {
        {Num(-1, Lead), Zero, Zero},
        {Num(-1, Lead, true), Neg(Zero), Neg(Zero)},
        {Num(-1, Lead | 1), One, Zero},
        {Num(0, Lead | Quiet), Num(1, Lead), One},
        {Num(1, Lead | 1ull << 61, true), Num(1, Lead, true), Num(1, Lead, true)},
        {Num(-5, Lead | 5, true), Neg(Zero), Neg(Zero)},
        {Num(62, Lead | 1), Num(62, Lead), Num(62, Lead)},
        {Num(62, Lead | 3), Num(62, Lead | 4), Num(62, Lead | 2)},
        {Num(63, Lead | 1), Num(63, Lead | 1), Num(63, Lead | 1)},
        {Neg(Infinity), Neg(Infinity), Neg(Infinity)},
        {Subnormal(5), Zero, Zero},
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(this->Bits(F::RoundToEven(this->Make(c.x))), Show(c.nearest)) << Show(c.x);
        EXPECT_EQ(this->Bits(F::Trunc(this->Make(c.x))), Show(c.truncated)) << Show(c.x);
    }
}

TYPED_TEST(ExtendedArithmetic, ComparisonsOrderEverythingButNan)
{
    struct TCase {
        TExtendedBits a;
        TExtendedBits b;
        bool less;
        bool equal;
    };
    const TCase cases[] = {
        {QuietNan(1), One, false, false},
        {One, Indefinite, false, false},
        {Neg(Zero), Zero, false, true},
        {Subnormal(Lead - 1), MinNormal, true, false},
        {Neg(MinNormal), Neg(Subnormal(Lead - 1)), true, false},
        {Neg(Infinity), Neg(MaxFinite), true, false},
        {One, Num(0, Lead | 1), true, false},
        {Num(0, Lead | 1, true), Neg(One), true, false},
        {Neg(DenormMin), Zero, true, false},
        {Infinity, Infinity, false, true},
    };
    for (const TCase& c : cases) {
        const TypeParam a = this->Make(c.a);
        const TypeParam b = this->Make(c.b);
        EXPECT_EQ(a < b, c.less) << Show(c.a) << " < " << Show(c.b);
        EXPECT_EQ(b > a, c.less) << Show(c.b) << " > " << Show(c.a);
        EXPECT_EQ(a == b, c.equal) << Show(c.a) << " == " << Show(c.b);
        EXPECT_EQ(a != b, !c.equal) << Show(c.a) << " != " << Show(c.b);
        EXPECT_EQ(a <= b, c.less || c.equal) << Show(c.a) << " <= " << Show(c.b);
        EXPECT_EQ(b >= a, c.less || c.equal) << Show(c.b) << " >= " << Show(c.a);
    }
}

TYPED_TEST(ExtendedArithmetic, ClassesSignsAndBinaryExponents)
{
    using F = typename TestFixture::F;
    EXPECT_TRUE(F::IsNan(this->Make(Indefinite)));
    EXPECT_FALSE(F::IsNan(this->Make(Infinity)));
    EXPECT_TRUE(F::IsInf(this->Make(Neg(Infinity))));
    EXPECT_FALSE(F::IsInf(this->Make(MaxFinite)));
    EXPECT_TRUE(F::IsFinite(this->Make(DenormMin)));
    EXPECT_FALSE(F::IsFinite(this->Make(QuietNan(2))));
    EXPECT_TRUE(F::SignBit(this->Make(Neg(Zero))));
    EXPECT_EQ(this->Bits(F::Abs(this->Make(Indefinite))), Show({0x7FFF, Lead | Quiet}));
    EXPECT_EQ(this->Bits(-this->Make(QuietNan(3))), Show(Neg(QuietNan(3))));
    EXPECT_EQ(F::ILogB(this->Make(DenormMin)), -16445);
    EXPECT_EQ(F::ILogB(this->Make(Subnormal(Quiet))), -16383);
    EXPECT_EQ(F::ILogB(this->Make(MaxFinite)), 16383);
    EXPECT_EQ(F::ILogB(this->Make(Num(-3, Lead | 5, true))), -3);
    EXPECT_EQ(F::ILogB(this->Make(Zero)), FP_ILOGB0);
    EXPECT_EQ(F::ILogB(this->Make(QuietNan(1))), FP_ILOGBNAN);
    EXPECT_EQ(F::ILogB(this->Make(Infinity)), INT_MAX);
}

TYPED_TEST(ExtendedArithmetic, LimitsDescribeTheFormat)
{
    using L = std::numeric_limits<TypeParam>;
    EXPECT_EQ(this->Bits(L::max()), Show(MaxFinite));
    EXPECT_EQ(this->Bits(L::lowest()), Show(Neg(MaxFinite)));
    EXPECT_EQ(this->Bits(L::min()), Show(MinNormal));
    EXPECT_EQ(this->Bits(L::denorm_min()), Show(DenormMin));
    EXPECT_EQ(this->Bits(L::epsilon()), Show(Num(-63, Lead)));
    EXPECT_EQ(this->Bits(L::infinity()), Show(Infinity));
    EXPECT_EQ(this->Bits(L::quiet_NaN()), Show(QuietNan(0)));
    EXPECT_EQ(this->Bits(L::signaling_NaN()), Show(SignallingNan(Quiet >> 1)));
    EXPECT_EQ(L::digits, 64);
    EXPECT_EQ(L::max_exponent, 16384);
    EXPECT_EQ(L::min_exponent, -16381);
}

}
