#include "model/BHNcalc.h"

#include "numeric/Extended.h"

#include <algorithm>

namespace BHNcalc {

namespace {

TCurve curve0To35_{};
TCurve curve40To60_{};
TCurve curveAPFSDS_{};
TCurve curveM62_{};
TCurve curveM79_{};
TCurve selectedCurve_{};
int initCount_ = 0;

constexpr int Index320 = 24;

// Each operand is halved before adding, so the midpoint rounds once, to double.
void Midpoint(TCurve& t, int m)
{
    t[m] = static_cast<double>(static_cast<Extended>(t[m - 1]) / 2 + static_cast<Extended>(t[m + 1]) / 2);
}

// Fills the entries strictly between knots a and b by subtracting the step from the previous stored entry.
void RunDown(TCurve& t, int a, int b, double step)
{
    for (int k = a; k <= b - 2; ++k) {
        t[k + 1] = static_cast<double>(static_cast<Extended>(t[k]) - step);
    }
}

void Segment(TCurve& t, int a, int b)
{
    const double step = static_cast<double>((static_cast<Extended>(t[a]) - t[b]) / (b - a));
    RunDown(t, a, b, step);
}

// 0°-35° and 40°-60° share their knots at 200, 210, 270, 320 (1.0) and 360 BHN and their segments.
void BuildAngleCurve(TCurve& t, double at200, double at210, double at270, double at360)
{
    t[0] = at200;
    t[2] = at210;
    t[14] = at270;
    t[Index320] = 1.0;
    t[32] = at360;
    Midpoint(t, 1);
    Segment(t, 2, 14);
    Segment(t, 14, Index320);
    Segment(t, Index320, 32);
}

void BuildCurveAPFSDS(TCurve& t)
{
    // The slope is the extended value nearest 0.00156, not the double.
    constexpr Extended slope = 0.00156_ext;
    for (int i = 0; i < Index320; ++i) {
        const Extended below = GridStepBHN * (Index320 - i);
        t[i] = static_cast<double>(below * slope + 1);
    }
    t[Index320] = 1.0;
    for (int i = Index320 + 1; i < GridPoints; ++i) {
        const Extended above = GridStepBHN * (i - Index320);
        t[i] = static_cast<double>(1 - (above * slope) / 2);
    }
}

void BuildCurveM62(TCurve& t)
{
    constexpr Extended reference = 60644;
    TCurve raw{};
    constexpr std::array<double, 9> knots{56508, 56825, 57619, 59524, 60317, 60476, 60644, 60159, 59524};
    for (std::size_t k = 0; k < knots.size(); ++k) {
        raw[4 * k] = knots[k];
    }
    for (int a = 0; a < GridPoints - 1; a += 4) {
        Segment(raw, a, a + 4);
    }
    for (int i = 0; i < GridPoints; ++i) {
        t[i] = static_cast<double>(reference / raw[i]);
    }
}

void BuildCurveM79(TCurve& t)
{
    t[0] = 1.199;
    t[2] = 1.17;
    t[7] = 1.105;
    t[10] = 1.075;
    t[20] = 1.02;
    t[24] = 1.01;
    t[27] = 1.0;
    t[28] = 1.0;
    t[30] = 1.01;
    t[32] = 1.016;
    Midpoint(t, 1);
    // This one segment divides each knot by 5 before subtracting.
    RunDown(t, 2, 7, static_cast<double>(static_cast<Extended>(t[2]) / 5 - static_cast<Extended>(t[7]) / 5));
    Segment(t, 7, 10);
    Segment(t, 10, 20);
    Segment(t, 20, 24);
    Segment(t, 24, 27);
    Midpoint(t, 29);
    Midpoint(t, 31);
    constexpr Extended lowering = 0.01_ext;
    for (double& entry : t) {
        entry = static_cast<double>(entry - lowering);
    }
}

}

const TCurve& Curve0To35 = curve0To35_;
const TCurve& Curve40To60 = curve40To60_;
const TCurve& CurveAPFSDS = curveAPFSDS_;
const TCurve& CurveM62 = curveM62_;
const TCurve& CurveM79 = curveM79_;
const TCurve& SelectedCurve = selectedCurve_;

std::int32_t SelectedMode = 0;
double StandardBHN = 0.0;
double VariableBHN = 0.0;
double StandardProtection = 0.0;

void Initialize()
{
    if (initCount_ != 0) {
        return;
    }
    ++initCount_;
    BuildAngleCurve(curve0To35_, 1.406, 1.381, 1.233, 0.9738);
    BuildAngleCurve(curve40To60_, 1.36, 1.337, 1.17, 1.0);
    BuildCurveAPFSDS(curveAPFSDS_);
    BuildCurveM62(curveM62_);
    BuildCurveM79(curveM79_);
    SelectedMode = 0;
    SelectCurve(0);
}

TCurve CurveOfMode(std::int32_t mode)
{
    TCurve curve{};
    for (int i = 0; i < GridPoints; ++i) {
        const Extended a = curve0To35_[i];
        const Extended b = curve40To60_[i];
        const Extended c = curveAPFSDS_[i];
        const Extended d = curveM62_[i];
        const Extended e = curveM79_[i];
        double& entry = curve[i];
        switch (static_cast<std::uint32_t>(mode)) {
        case 0:
            entry = static_cast<double>(Extended(static_cast<double>(a + b)) / 2);
            break;
        case 2:
            entry = curve40To60_[i];
            break;
        case 3:
            entry = curveAPFSDS_[i];
            break;
        case 4:
            entry = curveM62_[i];
            break;
        case 5:
            entry = curveM79_[i];
            break;
        case 6: {
            // The order of the additions is part of the result.
            Extended s = 2 * d;
            s = s + c;
            s = s + 3 * a;
            s = s + b;
            s = s + 3 * e;
            entry = static_cast<double>(Extended(static_cast<double>(s)) / 10);
            break;
        }
        case 7: {
            Extended s = a + b;
            s = s + d;
            s = s + 2 * e;
            entry = static_cast<double>(Extended(static_cast<double>(s)) / 5);
            break;
        }
        default:
            entry = curve0To35_[i];
            break;
        }
    }
    return curve;
}

void SelectCurve(std::int32_t mode)
{
    selectedCurve_ = CurveOfMode(mode);
}

double InterpolateProtection(double hardness)
{
    return InterpolateProtection(selectedCurve_, hardness);
}

double InterpolateProtection(const TCurve& curve, double hardness)
{
    if (!(hardness >= GridFirstBHN && hardness <= GridLastBHN)) {
        return 1.0;
    }
    // The grid cell is found by division instead of a walk over the grid; the two steps make sure a rounded
    // quotient cannot pick a neighbouring cell, so the results are those of the walk.
    int i = std::min(static_cast<int>((hardness - GridFirstBHN) / GridStepBHN), GridPoints - 2);
    if (i > 0 && GridBHN(i) > hardness) {
        --i;
    }
    if (i < GridPoints - 2 && GridBHN(i + 1) < hardness) {
        ++i;
    }
    const double lo = GridBHN(i);
    const double hi = lo + GridStepBHN;
    if (lo == hardness) {
        return curve[i];
    }
    if (hi == hardness) {
        return curve[i + 1];
    }
    const double slope = static_cast<double>((static_cast<Extended>(curve[i]) - curve[i + 1]) / 5);
    return static_cast<double>((static_cast<Extended>(lo) - hardness) * slope + curve[i]);
}

double RelativeQuality(double standardProtection, double variableProtection)
{
    return static_cast<double>(static_cast<Extended>(standardProtection) / variableProtection);
}

double InverseQuality(double relativeQuality)
{
    return static_cast<double>(1 / static_cast<Extended>(relativeQuality));
}

}
