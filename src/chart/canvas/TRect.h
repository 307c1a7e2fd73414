#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TPoint.h"

#include <algorithm>
#include <optional>

// A pixel rectangle; Right and Bottom lie just outside it, as every device shape treats them.
struct BHN_CHART_API TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
    constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    // Grows the rectangle by dx on the left and right and by dy on top and bottom (negative shrinks).
    constexpr TRect Inflate(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }

    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

// The common part of two rectangles, or nothing when they do not overlap.
constexpr std::optional<TRect> Intersection(const TRect& a, const TRect& b)
{
    TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (r.IsEmpty())
        return std::nullopt;
    return r;
}
