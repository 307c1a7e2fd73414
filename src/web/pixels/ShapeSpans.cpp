#include "web/pixels/ShapeSpans.h"

#include <algorithm>
#include <cmath>
#include <numbers>

void PolygonSpans(std::span<const TPoint> points, std::vector<TPixelSurface::TSpan>& spans)
{
    if (points.size() < 3) {
        return;
    }
    const auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                                 [](TPoint a, TPoint b) { return a.Y < b.Y; });
    std::vector<double> crossings;
    for (int y = low->Y; y < high->Y; ++y) {
        const double centre = y + 0.5;
        crossings.clear();
        for (std::size_t i = 0; i < points.size(); ++i) {
            const TPoint a = points[i];
            const TPoint b = points[(i + 1) % points.size()];
            if ((a.Y <= centre) != (b.Y <= centre)) {
                crossings.push_back(a.X + (centre - a.Y) * (b.X - a.X) / (b.Y - a.Y));
            }
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
            spans.push_back({y, static_cast<int>(std::ceil(crossings[i] - 0.5)),
                             static_cast<int>(std::ceil(crossings[i + 1] - 0.5))});
        }
    }
}

void EllipseSpans(const TRect& rect, std::vector<TPixelSurface::TSpan>& spans)
{
    const double cx = (rect.Left + rect.Right) / 2.0;
    const double cy = (rect.Top + rect.Bottom) / 2.0;
    const double a = rect.Width() / 2.0;
    const double b = rect.Height() / 2.0;
    if (a <= 0 || b <= 0) {
        return;
    }
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        const double t = (y + 0.5 - cy) / b;
        const double half = a * std::sqrt(std::max(0.0, 1 - t * t));
        spans.push_back({y, static_cast<int>(std::ceil(cx - half - 0.5)), static_cast<int>(std::ceil(cx + half - 0.5))});
    }
}

void RoundRectSpans(const TRect& rect, int cornerWidth, int cornerHeight, std::vector<TPixelSurface::TSpan>& spans)
{
    const int height = rect.Height();
    const int width = std::clamp(cornerWidth, 0, std::max(0, rect.Width()));
    const int cornerRows = std::clamp(cornerHeight, 0, std::max(0, height));
    std::vector<TPixelSurface::TSpan> corner;
    EllipseSpans({0, 0, width, cornerRows}, corner);
    // The corner ellipse's upper rows round the top, its lower rows the bottom; the rows between are whole.
    const int upper = cornerRows / 2;
    const int lower = cornerRows - upper;
    for (int row = 0; row < height; ++row) {
        int ellipseRow = -1;
        if (row < upper) {
            ellipseRow = row;
        } else if (row >= height - lower) {
            ellipseRow = cornerRows - (height - row);
        }
        int left = 0;
        int right = 0;
        if (ellipseRow >= 0 && !corner.empty()) {
            left = corner[static_cast<std::size_t>(ellipseRow)].From;
            right = width - corner[static_cast<std::size_t>(ellipseRow)].To;
        }
        spans.push_back({rect.Top + row, rect.Left + left, rect.Right - right});
    }
}

std::vector<TPoint> ArcPoints(const TRect& rect, TPoint start, TPoint end)
{
    const double cx = (rect.Left + rect.Right) / 2.0;
    const double cy = (rect.Top + rect.Bottom) / 2.0;
    // Through the middle of the outermost pixels; a point lies in the pixel whose square holds it.
    const double a = rect.Width() / 2.0 - 0.5;
    const double b = rect.Height() / 2.0 - 0.5;
    if (a <= 0 || b <= 0) {
        return {};
    }
    const auto angle = [&](TPoint p) { return std::atan2((p.Y - cy) / b, (p.X - cx) / a); };
    const double from = angle(start);
    double to = angle(end);
    // Counter-clockwise on screen is towards smaller angles with y downwards.
    if (to >= from) {
        to -= 2 * std::numbers::pi;
    }
    const int steps = std::max(8, static_cast<int>(std::ceil((from - to) * std::max(a, b) / 2)));
    std::vector<TPoint> points;
    points.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        const double t = from + (to - from) * i / steps;
        points.push_back({static_cast<int>(std::floor(cx + a * std::cos(t))), static_cast<int>(std::floor(cy + b * std::sin(t)))});
    }
    return points;
}
