#pragma once

#include "chart/axes/TAxisPixelMapping.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TRect.h"
#include "chart/series/TLineCursor.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

class TChartCanvas3D;
class TCustomSeries;

// Draws a series' plain connected lines from the cursor on, with the same pixels and canvas state as
// TCustomSeries::DrawPoint for each point; pen and brush changes no line sees are skipped. Lines of one
// solid thin pen that stay inside the clip may be drawn in any order and in any pieces that cover the
// same pixels, so a pixel column's run of points inside the clip is drawn as one vertical line. (A line
// the clip cuts is cut where its geometry meets the clip, and its pixels there depend on where it started.)
class TPlainLines {
public:
    // The cursor stands at the series' first visible point; the walk moves it on to the last. colours are
    // the points' own colours, as the series keeps them.
    TPlainLines(TCustomSeries& series, TLineCursor& cursor, const std::vector<TColor>& colours);

    void Draw();

private:
    int XPixel(int i) const { return xPixel_(xs_[static_cast<std::size_t>(i)] * xMultiplier_); }
    int YPixel(int i) const { return yPixel_(ys_[static_cast<std::size_t>(i)] * yMultiplier_); }

    // Every point in the series colour, X values that never go back on linear axes, and a solid
    // one-pixel copying pen.
    bool ByColumns() const;

    // DrawPoint's steps for point i.
    void Step(int i);

    // The points from first on in first's pixel column, up to last; returns the index after them.
    int Column(int first, int last);

    enum class TClipSide { Inside, Outside, Across };

    // Where a vertical line at column x over rows top..bottom lies, drawn either way, with every
    // vertical segment within it: inside the clip, end points included; or so far outside that
    // nothing of it reaches the clip.
    TClipSide SideOfClip(int x, int top, int bottom) const;

    // Draws the points first..end (at least three) of column x when they lie inside the clip or
    // wholly outside it.
    bool VerticalRun(int x, int first, int end);

    // Vertical segments cover their start and not their end, so the run covers every row between its
    // extremes, except the last point's row when no earlier point there starts a segment. top and
    // bottom are the rows of the extremes of first..end - 1.
    void DrawVerticalRun(int x, int first, int end, int top, int bottom, int endY, bool lastMoves);

    void PreparePen(TColor color);
    void Line(int x0, int y0, int x1, int y1, TColor color);
    void Place(int x, int y, TColor color, int index);
    void LeaveLikeDrawPoint();

    TCustomSeries& series_;
    TLineCursor& cursor_;
    TChartCanvas3D& canvas_;
    const TAxisPixelMapping xPixel_;
    const TAxisPixelMapping yPixel_;
    const std::span<const double> xs_;
    const std::span<const double> ys_;
    const double xMultiplier_;
    const double yMultiplier_;
    // PointColor's rule, with what it reads at every point read once: from ownColours_ on, points
    // have the series colour.
    const std::size_t ownColours_;
    const TColor seriesColor_;
    const std::optional<TRect> clip_;
    TColor penColor_ = clNone;
    TColor pendingBlack_ = clNone;
    int lastPlaced_ = -1;
};
