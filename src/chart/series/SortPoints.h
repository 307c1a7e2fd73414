#pragma once

#include <algorithm>
#include <bit>
#include <numeric>
#include <vector>

// Sorts the points at positions 0..count-1: compare (a, b) gives -1, 0 or +1 for the points now at a and
// b, swap (a, b) exchanges them. A quicksort with the middle position as pivot whose exchanges move the
// pivot position along; each split's left part is sorted before its right part, as a recursive quicksort
// does (the two parts can share their middle point), so equal values end where such a quicksort leaves
// them. The right parts wait on a list instead of the call stack. A range still unsorted after
// 2 * log2(count) splits (input such as values that rise then fall, which makes the middle pivot split
// off a few points at a time) is finished by sorting positions by value and moving each point to its
// place with at most one exchange per point; so the whole sort stays O(count log count) and the waiting
// list within one range per split level. Ties in such a range may end in another order than the
// quicksort alone would leave them. Returns the longest the waiting list grew.
template <class Compare, class Swap>
int SortPoints(int count, Compare compare, Swap swap)
{
    if (count < 2)
        return 0;
    const int splitLimit = 2 * static_cast<int>(std::bit_width(static_cast<unsigned>(count)));

    const auto sortByPositions = [&](int left, int right) {
        std::vector<int> order(static_cast<std::size_t>(right - left + 1));
        std::iota(order.begin(), order.end(), left);
        // Equal values keep their present order, so the result does not depend on the library's sort.
        std::sort(order.begin(), order.end(), [&](int a, int b) {
            const int c = compare(a, b);
            return c < 0 || (c == 0 && a < b);
        });
        // at[p]: the original position of the point now at p; where[o]: where the point from o now is.
        std::vector<int> at(order.size());
        std::iota(at.begin(), at.end(), left);
        std::vector<int> where = at;
        for (int p = left; p <= right; ++p) {
            const auto slot = static_cast<std::size_t>(p - left);
            const int wanted = order[slot];
            const int from = where[static_cast<std::size_t>(wanted - left)];
            if (from == p)
                continue;
            swap(p, from);
            const int displaced = at[slot];
            at[static_cast<std::size_t>(from - left)] = displaced;
            where[static_cast<std::size_t>(displaced - left)] = from;
            at[slot] = wanted;
            where[static_cast<std::size_t>(wanted - left)] = p;
        }
    };

    struct TRange {
        int left;
        int right;
        int splits;
    };
    std::vector<TRange> waiting{{0, count - 1, 0}};
    std::size_t longest = waiting.size();
    while (!waiting.empty()) {
        auto [left, right, splits] = waiting.back();
        waiting.pop_back();
        while (left < right) {
            if (splits++ >= splitLimit) {
                sortByPositions(left, right);
                break;
            }
            int i = left;
            int j = right;
            int pivot = left + (right - left) / 2;
            while (i < j) {
                while (compare(i, pivot) < 0)
                    ++i;
                while (compare(pivot, j) < 0)
                    --j;
                if (i < j) {
                    swap(i, j);
                    if (i == pivot)
                        pivot = j;
                    else if (j == pivot)
                        pivot = i;
                }
                if (i <= j) {
                    ++i;
                    --j;
                }
            }
            if (i < right) {
                waiting.push_back({i, right, splits});
                longest = std::max(longest, waiting.size());
            }
            right = j;
        }
    }
    return static_cast<int>(longest);
}
