#include "model/BHNcalc.h"
#include "numeric/Extended.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using namespace BHNcalc;

namespace {

// Every test starts and ends with the state the program has after start-up: mode 0 selected.
class ProtectionModel : public ::testing::Test {
protected:
    void SetUp() override
    {
        Initialize();
        Restore();
    }
    void TearDown() override { Restore(); }

    static void Restore()
    {
        SelectedMode = 0;
        SelectCurve(0);
    }
};

std::string Four(double v)
{
    return FormatFixed(v, 1, 4);
}

struct TCurveRow {
    int bhn;
    std::array<const char*, 5> texts; // 0°-35°, 40°-60°, APFSDS, 3" M62, 3" M79
};

const TCurveRow CurveRows[] = {
    {200, {"1.4060", "1.3600", "1.1872", "1.0732", "1.1890"}},
    {205, {"1.3935", "1.3485", "1.1794", "1.0717", "1.1745"}},
    {210, {"1.3810", "1.3370", "1.1716", "1.0702", "1.1600"}},
    {215, {"1.3687", "1.3231", "1.1638", "1.0687", "1.1470"}},
    {220, {"1.3563", "1.3092", "1.1560", "1.0672", "1.1340"}},
    {225, {"1.3440", "1.2953", "1.1482", "1.0635", "1.1210"}},
    {230, {"1.3317", "1.2813", "1.1404", "1.0598", "1.1080"}},
    {235, {"1.3193", "1.2674", "1.1326", "1.0561", "1.0950"}},
    {240, {"1.3070", "1.2535", "1.1248", "1.0525", "1.0850"}},
    {245, {"1.2947", "1.2396", "1.1170", "1.0439", "1.0750"}},
    {250, {"1.2823", "1.2257", "1.1092", "1.0354", "1.0650"}},
    {255, {"1.2700", "1.2118", "1.1014", "1.0270", "1.0595"}},
    {260, {"1.2577", "1.1978", "1.0936", "1.0188", "1.0540"}},
    {265, {"1.2453", "1.1839", "1.0858", "1.0154", "1.0485"}},
    {270, {"1.2330", "1.1700", "1.0780", "1.0121", "1.0430"}},
    {275, {"1.2097", "1.1530", "1.0702", "1.0087", "1.0375"}},
    {280, {"1.1864", "1.1360", "1.0624", "1.0054", "1.0320"}},
    {285, {"1.1631", "1.1190", "1.0546", "1.0048", "1.0265"}},
    {290, {"1.1398", "1.1020", "1.0468", "1.0041", "1.0210"}},
    {295, {"1.1165", "1.0850", "1.0390", "1.0034", "1.0155"}},
    {300, {"1.0932", "1.0680", "1.0312", "1.0028", "1.0100"}},
    {305, {"1.0699", "1.0510", "1.0234", "1.0021", "1.0075"}},
    {310, {"1.0466", "1.0340", "1.0156", "1.0014", "1.0050"}},
    {315, {"1.0233", "1.0170", "1.0078", "1.0007", "1.0025"}},
    {320, {"1.0000", "1.0000", "1.0000", "1.0000", "1.0000"}},
    {325, {"0.9967", "1.0000", "0.9961", "1.0020", "0.9967"}},
    {330, {"0.9934", "1.0000", "0.9922", "1.0040", "0.9933"}},
    {335, {"0.9902", "1.0000", "0.9883", "1.0060", "0.9900"}},
    {340, {"0.9869", "1.0000", "0.9844", "1.0081", "0.9900"}},
    {345, {"0.9836", "1.0000", "0.9805", "1.0107", "0.9950"}},
    {350, {"0.9803", "1.0000", "0.9766", "1.0134", "1.0000"}},
    {355, {"0.9771", "1.0000", "0.9727", "1.0161", "1.0030"}},
    {360, {"0.9738", "1.0000", "0.9688", "1.0188", "1.0060"}},
};

struct TSelectedRow {
    int bhn;
    std::array<const char*, 3> texts; // Avg., Weighed, Tests
};

const TSelectedRow SelectedRows[] = {
    {200, {"1.3830", "1.2479", "1.2434"}},
    {205, {"1.3710", "1.2375", "1.2325"}},
    {210, {"1.3590", "1.2272", "1.2216"}},
    {215, {"1.3459", "1.2171", "1.2109"}},
    {220, {"1.3328", "1.2071", "1.2001"}},
    {225, {"1.3196", "1.1965", "1.1889"}},
    {230, {"1.3065", "1.1860", "1.1778"}},
    {235, {"1.2934", "1.1755", "1.1666"}},
    {240, {"1.2803", "1.1659", "1.1566"}},
    {245, {"1.2671", "1.1553", "1.1456"}},
    {250, {"1.2540", "1.1448", "1.1347"}},
    {255, {"1.2409", "1.1356", "1.1256"}},
    {260, {"1.2278", "1.1264", "1.1165"}},
    {265, {"1.2146", "1.1182", "1.1083"}},
    {270, {"1.2015", "1.1100", "1.1002"}},
    {275, {"1.1814", "1.0982", "1.0893"}},
    {280, {"1.1612", "1.0864", "1.0784"}},
    {285, {"1.1410", "1.0752", "1.0680"}},
    {290, {"1.1209", "1.0639", "1.0576"}},
    {295, {"1.1008", "1.0527", "1.0472"}},
    {300, {"1.0806", "1.0414", "1.0368"}},
    {305, {"1.0604", "1.0311", "1.0276"}},
    {310, {"1.0403", "1.0207", "1.0184"}},
    {315, {"1.0202", "1.0104", "1.0092"}},
    {320, {"1.0000", "1.0000", "1.0000"}},
    {325, {"0.9984", "0.9980", "0.9984"}},
    {330, {"0.9967", "0.9961", "0.9968"}},
    {335, {"0.9951", "0.9941", "0.9952"}},
    {340, {"0.9934", "0.9931", "0.9950"}},
    {345, {"0.9918", "0.9938", "0.9969"}},
    {350, {"0.9902", "0.9944", "0.9988"}},
    {355, {"0.9885", "0.9945", "0.9998"}},
    {360, {"0.9869", "0.9946", "1.0009"}},
};

const std::array<const TCurve*, 5> Tables{&Curve0To35, &Curve40To60, &CurveAPFSDS, &CurveM62, &CurveM79};

}

TEST_F(ProtectionModel, FiveTablesMatchThePublishedFourDecimalFigures)
{
    ASSERT_EQ(std::size(CurveRows), std::size_t{GridPoints});
    for (int i = 0; i < GridPoints; ++i) {
        const TCurveRow& row = CurveRows[i];
        ASSERT_EQ(row.bhn, GridBHN(i));
        for (std::size_t t = 0; t < Tables.size(); ++t) {
            EXPECT_EQ(Four((*Tables[t])[i]), row.texts[t]) << "table " << t << " at " << row.bhn << " BHN";
        }
    }
}

TEST_F(ProtectionModel, CombinedModesMatchThePublishedFourDecimalFigures)
{
    ASSERT_EQ(std::size(SelectedRows), std::size_t{GridPoints});
    const std::array<std::int32_t, 3> modes{0, 6, 7};
    for (std::size_t m = 0; m < modes.size(); ++m) {
        SelectCurve(modes[m]);
        for (int i = 0; i < GridPoints; ++i) {
            ASSERT_EQ(SelectedRows[i].bhn, GridBHN(i));
            EXPECT_EQ(Four(SelectedCurve[i]), SelectedRows[i].texts[m]) << "mode " << modes[m] << " at " << GridBHN(i) << " BHN";
        }
    }
}

TEST_F(ProtectionModel, EveryCurveIsExactlyOneAt320)
{
    for (const TCurve* table : Tables) {
        EXPECT_EQ((*table)[24], 1.0);
    }
    for (std::int32_t mode = 0; mode <= 7; ++mode) {
        SelectCurve(mode);
        EXPECT_EQ(SelectedCurve[24], 1.0) << "mode " << mode;
    }
}

TEST_F(ProtectionModel, FortyToSixtyIsExactlyOneFrom320To360)
{
    for (int i = 24; i < GridPoints; ++i) {
        EXPECT_EQ(Curve40To60[i], 1.0) << GridBHN(i);
    }
    SelectCurve(2);
    for (double h : {320.0, 321.3, 337.5, 352.0, 359.99, 360.0}) {
        EXPECT_EQ(InterpolateProtection(h), 1.0) << h;
    }
}

// Filling a segment as T[a] - j*step would change the fourth decimal at these two entries.
TEST_F(ProtectionModel, SegmentsAreFilledByRunningSubtraction)
{
    struct TCase {
        const TCurve* table;
        int a, b, index;
        const char* running;
        const char* direct;
    };
    const TCase cases[] = {
        {&Curve0To35, 24, 32, 30, "0.9803", "0.9804"},
        {&Curve40To60, 2, 14, 11, "1.2118", "1.2117"},
    };
    for (const TCase& c : cases) {
        const TCurve& t = *c.table;
        const double step = static_cast<double>((static_cast<Extended>(t[c.a]) - t[c.b]) / (c.b - c.a));
        const double direct = static_cast<double>(t[c.a] - static_cast<Extended>(c.index - c.a) * step);
        EXPECT_EQ(Four(t[c.index]), c.running) << GridBHN(c.index);
        EXPECT_EQ(Four(direct), c.direct) << GridBHN(c.index);
    }
}

TEST_F(ProtectionModel, ZeroToThirtyFiveAt330SitsJustBelowTheHalf)
{
    EXPECT_EQ(Curve0To35[26], 0.99344999999999994);
    EXPECT_NE(Curve0To35[26], 0.99345);
    EXPECT_EQ(Four(Curve0To35[26]), "0.9934");
}

TEST_F(ProtectionModel, M62ComesFromRawFiguresInQuarters)
{
    EXPECT_EQ(CurveM62[32], CurveM62[12]);
    EXPECT_EQ(CurveM62[1], static_cast<double>(60644.0_ext / 56587.25_ext));
    EXPECT_EQ(CurveM62[2], static_cast<double>(60644.0_ext / 56666.5_ext));
    EXPECT_EQ(CurveM62[3], static_cast<double>(60644.0_ext / 56745.75_ext));
    EXPECT_GT(CurveM62[32], 1.0);
}

TEST_F(ProtectionModel, M79KnotsEndLoweredByOneHundredth)
{
    const std::array<std::pair<int, double>, 10> knots{{{0, 1.189}, {2, 1.16}, {7, 1.095}, {10, 1.065}, {20, 1.01},
        {24, 1.0}, {27, 0.99}, {28, 0.99}, {30, 1.0}, {32, 1.006}}};
    for (const auto& [index, value] : knots) {
        EXPECT_NEAR(CurveM79[index], value, 1e-15) << GridBHN(index);
    }
}

TEST_F(ProtectionModel, SecondInitializationIsIgnored)
{
    const auto tables = std::array{Curve0To35, Curve40To60, CurveAPFSDS, CurveM62, CurveM79};
    SelectedMode = 5;
    SelectCurve(5);
    Initialize();
    EXPECT_EQ(SelectedMode, 5);
    EXPECT_EQ(SelectedCurve, CurveM79);
    EXPECT_EQ((std::array{Curve0To35, Curve40To60, CurveAPFSDS, CurveM62, CurveM79}), tables);
}

TEST_F(ProtectionModel, SingleTableModesCopyTheirTable)
{
    for (std::int32_t mode = 1; mode <= 5; ++mode) {
        SelectCurve(mode);
        EXPECT_EQ(SelectedCurve, *Tables[static_cast<std::size_t>(mode - 1)]) << "mode " << mode;
    }
}

TEST_F(ProtectionModel, ModesOutsideZeroToSevenSelectZeroToThirtyFive)
{
    for (std::int32_t mode : {8, 9, 1000, -1, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()}) {
        SelectCurve(0);
        SelectCurve(mode);
        EXPECT_EQ(SelectedCurve, Curve0To35) << "mode " << mode;
    }
}

TEST_F(ProtectionModel, CurveOfModeGivesTheModesCurveAndLeavesTheSelectedOne)
{
    for (std::int32_t mode : {0, 1, 2, 3, 4, 5, 6, 7, 8, -1}) {
        SelectCurve(mode);
        const TCurve selected = SelectedCurve;
        SelectCurve(5);
        EXPECT_EQ(CurveOfMode(mode), selected) << "mode " << mode;
        EXPECT_EQ(SelectedCurve, CurveM79) << "mode " << mode;
    }
}

TEST_F(ProtectionModel, SelectCurveLeavesTheModeToTheCaller)
{
    SelectCurve(6);
    EXPECT_EQ(SelectedMode, 0);
}

TEST_F(ProtectionModel, GridPointsAnswerWithTheTableEntry)
{
    for (std::int32_t mode = 0; mode <= 7; ++mode) {
        SelectCurve(mode);
        for (int i = 0; i < GridPoints; ++i) {
            EXPECT_EQ(InterpolateProtection(GridBHN(i)), SelectedCurve[i]) << "mode " << mode << " at " << GridBHN(i);
        }
    }
}

// The cell lookup answers exactly as a walk over the grid does, right at and one or two steps of a double beside
// every grid point, and across the whole range.
TEST_F(ProtectionModel, InterpolationMatchesAWalkOverTheGrid)
{
    const auto walk = [](const TCurve& curve, double hardness) {
        for (int i = 0; i < GridPoints - 1; ++i) {
            const double lo = GridBHN(i);
            const double hi = lo + GridStepBHN;
            if (lo == hardness) {
                return curve[i];
            }
            if (hi == hardness) {
                return curve[i + 1];
            }
            if (lo < hardness && hardness < hi) {
                const double slope = static_cast<double>((static_cast<Extended>(curve[i]) - curve[i + 1]) / 5);
                return static_cast<double>((static_cast<Extended>(lo) - hardness) * slope + curve[i]);
            }
        }
        return 1.0;
    };
    std::vector<double> hardness;
    for (int i = 0; i < GridPoints; ++i) {
        double below = GridBHN(i);
        double above = GridBHN(i);
        hardness.push_back(below);
        for (int step = 0; step < 3; ++step) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, 1000.0);
            hardness.push_back(below);
            hardness.push_back(above);
        }
    }
    for (int k = 0; k <= 170000; ++k) {
        hardness.push_back(195.0 + k * 0.001);
    }
    for (std::int32_t mode = 0; mode <= 7; ++mode) {
        SelectCurve(mode);
        const TCurve curve = SelectedCurve;
        for (const double h : hardness) {
            ASSERT_EQ(InterpolateProtection(curve, h), walk(curve, h)) << "mode " << mode << " at " << h;
            ASSERT_EQ(InterpolateProtection(h), walk(curve, h)) << "mode " << mode << " at " << h;
        }
    }
}

TEST_F(ProtectionModel, OffTheGridTheProtectionIsOne)
{
    const double inf = std::numeric_limits<double>::infinity();
    for (double h : {199.9, 360.5, 0.0, -270.0, 1e300, inf, -inf, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_EQ(InterpolateProtection(h), 1.0) << h;
    }
}

TEST_F(ProtectionModel, BetweenGridPointsTheStraightLineIsRead)
{
    // Within one unit in the last place; computing the line in double arithmetic lands further off at 237.5.
    const double ulp = std::ldexp(1.0, -52);
    EXPECT_NEAR(InterpolateProtection(237.0), 1.288125, ulp);
    EXPECT_NEAR(InterpolateProtection(237.5), 1.2868125, ulp);
    SelectCurve(1);
    const double mid = InterpolateProtection(202.5);
    EXPECT_LT(mid, Curve0To35[0]);
    EXPECT_GT(mid, Curve0To35[1]);
}

TEST_F(ProtectionModel, TestsModeRisesAboveOneAt360)
{
    SelectCurve(7);
    EXPECT_GT(InterpolateProtection(360.0), 1.0);
    EXPECT_EQ(Four(InterpolateProtection(360.0)), "1.0009");
}

TEST_F(ProtectionModel, DerivedFiguresOfTheWorkedExamples)
{
    struct TCase {
        std::int32_t mode;
        const char* multiplier;
        const char* quality;
        const char* inverse;
    };
    const TCase cases[] = {
        {0, "1.288", "0.9328", "1.0721"},
        {4, "1.055", "0.9596", "1.0421"},
    };
    for (const TCase& c : cases) {
        SelectCurve(c.mode);
        const double ps = InterpolateProtection(270.0);
        const double pv = InterpolateProtection(237.0);
        const double q = RelativeQuality(ps, pv);
        EXPECT_EQ(FormatFixed(pv, 1, 3), c.multiplier) << "mode " << c.mode;
        EXPECT_EQ(FormatFixed(q, 1, 4), c.quality) << "mode " << c.mode;
        EXPECT_EQ(FormatFixed(InverseQuality(q), 1, 4), c.inverse) << "mode " << c.mode;
    }
    SelectCurve(0);
    EXPECT_EQ(Four(InterpolateProtection(270.0)), "1.2015");
}
