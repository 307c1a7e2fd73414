#pragma once

#include "chart/canvas/TPoint.h"
#include "chart/canvas/TRect.h"
#include "web/pixels/TPixelSurface.h"

#include <span>
#include <vector>

// The whole pixels shapes cover on the page's surface, and the points of elliptic arcs.

// The rows a polygon covers where pixel centres lie inside it (alternate rule), added to spans.
void PolygonSpans(std::span<const TPoint> points, std::vector<TPixelSurface::TSpan>& spans);
// The rows an ellipse in its bounding rectangle covers, one span a row from its top row to its bottom row.
void EllipseSpans(const TRect& rect, std::vector<TPixelSurface::TSpan>& spans);
// The rows a rectangle with rounded corners covers: each corner is a quarter of the ellipse cornerWidth wide and
// cornerHeight high (no larger than the rectangle), one span a row.
void RoundRectSpans(const TRect& rect, int cornerWidth, int cornerHeight, std::vector<TPixelSurface::TSpan>& spans);
// Whole-pixel points along the ellipse in its bounding rectangle, counter-clockwise as seen on screen from the
// ray towards start to the ray towards end (the same ray: the whole ellipse).
std::vector<TPoint> ArcPoints(const TRect& rect, TPoint start, TPoint end);
