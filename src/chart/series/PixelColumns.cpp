#include "chart/series/PixelColumns.h"

#include <algorithm>
#include <array>
#include <cstddef>

bool ScaledExtremes(std::span<const double> values, double multiplier, int first, int last, double& lowest, double& highest)
{
    constexpr int Lanes = 4;
    const double start = values[static_cast<std::size_t>(first)] * multiplier;
    std::array<double, Lanes> low;
    std::array<double, Lanes> high;
    // v - v is zero for a finite value and not a number otherwise, so the sums spot any such value.
    std::array<double, Lanes> notFinite{};
    low.fill(start);
    high.fill(start);
    int k = first;
    for (; k + Lanes - 1 <= last; k += Lanes)
        for (std::size_t lane = 0; lane < Lanes; ++lane) {
            const double v = values[static_cast<std::size_t>(k) + lane] * multiplier;
            low[lane] = std::min(low[lane], v);
            high[lane] = std::max(high[lane], v);
            notFinite[lane] += v - v;
        }
    for (; k <= last; ++k) {
        const double v = values[static_cast<std::size_t>(k)] * multiplier;
        low[0] = std::min(low[0], v);
        high[0] = std::max(high[0], v);
        notFinite[0] += v - v;
    }
    lowest = *std::min_element(low.begin(), low.end());
    highest = *std::max_element(high.begin(), high.end());
    return notFinite[0] + notFinite[1] + notFinite[2] + notFinite[3] == 0;
}
