#pragma once

#include "model/EOverflow.h"
#include "model/FormatFixed.h"
#include "model/ParseHardness.h"

#include <array>
#include <cstdint>

namespace BHNcalc {

// Hardness grid: index i stands for 200 + 5*i BHN; index 24 is 320 BHN.
inline constexpr int GridPoints = 33;
inline constexpr int GridFirstBHN = 200;
inline constexpr int GridStepBHN = 5;
inline constexpr int GridLastBHN = GridFirstBHN + GridStepBHN * (GridPoints - 1);

// What the calculator accepts: a standard hardness must lie below the grid's last point, a variable one may
// reach it; a standard entry that is refused counts as DefaultStandardBHN.
inline constexpr int MinimumBHN = GridFirstBHN;
inline constexpr int MaximumStandardBHN = GridLastBHN - 1;
inline constexpr int MaximumVariableBHN = GridLastBHN;
inline constexpr int DefaultStandardBHN = 270;

using TCurve = std::array<double, GridPoints>;

constexpr int GridBHN(int index)
{
    return GridFirstBHN + GridStepBHN * index;
}

// The five test curves; zero until Initialize, read-only afterwards.
extern const TCurve& Curve0To35;
extern const TCurve& Curve40To60;
extern const TCurve& CurveAPFSDS;
extern const TCurve& CurveM62;
extern const TCurve& CurveM79;

// The curve of the mode last passed to SelectCurve.
extern const TCurve& SelectedCurve;

// State shared with the calculator window.
extern std::int32_t SelectedMode;
extern double StandardBHN;
extern double VariableBHN;
extern double StandardProtection;

// Builds the five tables, sets SelectedMode to 0 and selects its curve; only the first call does anything.
void Initialize();

// The curve of a mode 0..7 (any other value gives the 0°-35° curve), computed without touching the shared state;
// the tables must be built (Initialize).
TCurve CurveOfMode(std::int32_t mode);

// Recomputes SelectedCurve for a mode 0..7; any other value selects the 0°-35° curve. SelectedMode is the caller's.
void SelectCurve(std::int32_t mode);

// The selected curve at any hardness: table entries on the grid, straight lines between, 1.0 off the grid.
double InterpolateProtection(double hardness);

// The same rule on a given curve, for callers that keep each mode's curve instead of reselecting it.
double InterpolateProtection(const TCurve& curve, double hardness);

// Standard protection over variable protection, rounded to double.
double RelativeQuality(double standardProtection, double variableProtection);

// 1.0 over the already rounded relative quality (not variable over standard).
double InverseQuality(double relativeQuality);

}
