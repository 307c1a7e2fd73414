#include "chart/canvas/DashPattern.h"

std::span<const int> DashPatternOf(TPenStyle style)
{
    // The dash lengths of the classic device's cosmetic pens.
    static constexpr int Dash[] = {18, 6};
    static constexpr int Dot[] = {3, 3};
    static constexpr int DashDot[] = {9, 6, 3, 6};
    static constexpr int DashDotDot[] = {9, 3, 3, 3, 3, 3};
    static constexpr int Alternate[] = {1, 1};
    switch (style) {
    case psDash: return Dash;
    case psDot: return Dot;
    case psDashDot: return DashDot;
    case psDashDotDot: return DashDotDot;
    case psAlternate: return Alternate;
    default: return {};
    }
}
