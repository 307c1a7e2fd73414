#pragma once

#include "chart/ChartApi.h"

#include <array>
#include <cstddef>
#include <span>

// The pixel positions where one axis drawing placed its labels; ticks and grid lines are drawn
// at them. Holds at most Capacity entries: positions beyond that are not recorded.
class BHN_CHART_API TAxisTickPositions {
public:
    static constexpr std::size_t Capacity = 2000;

    void Add(int position)
    {
        if (count_ < Capacity)
            positions_[count_++] = position;
    }
    std::size_t Count() const { return count_; }
    bool Empty() const { return count_ == 0; }
    int operator[](std::size_t index) const { return positions_[index]; }
    std::span<const int> Positions() const { return {positions_.data(), count_}; }

private:
    std::array<int, Capacity> positions_{};
    std::size_t count_ = 0;
};
