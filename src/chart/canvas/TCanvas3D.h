#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/GradientDirection.h"
#include "chart/canvas/TChartCanvas.h"

#include <span>
#include <string_view>

class TView3DOptions;

// A canvas with depth: every operation taking z projects its points first. In 2D z is ignored and
// each operation is its plain 2D counterpart.
class BHN_CHART_API TCanvas3D : public TChartCanvas {
public:
    // The screen position of (x, y, z) under the current projection.
    virtual TPoint Calc3DPos(int x, int y, int z) const = 0;

    virtual bool Is3D() const = 0;
    // Whether the canvas rotates freely in all three axes (the window canvas does not).
    virtual bool SupportsFullRotation() const = 0;

    virtual void TextOut3D(int x, int y, int z, std::string_view text) = 0;
    // Text rotated counter-clockwise by angle degrees about its anchor (an angle above 360 is reduced by 360).
    virtual void RotatedText(int x, int y, int z, int angle, std::string_view text) = 0;

    virtual void MoveTo3D(int x, int y, int z) = 0;
    virtual void LineTo3D(int x, int y, int z) = 0;
    virtual void LineWithZ(int x0, int y0, int x1, int y1, int z) = 0;
    virtual void HorizLine3D(int x0, int x1, int y, int z) = 0;
    virtual void VertLine3D(int x, int y0, int y1, int z) = 0;
    virtual void ZLine3D(int x, int y, int z0, int z1) = 0;

    // 2D: the given right and bottom are included (Ellipse(left, top, right + 1, bottom + 1)).
    virtual void EllipseWithZ(int left, int top, int right, int bottom, int z) = 0;
    // The points are screen points already; z only tells the depth they belong to.
    virtual void PolygonWithZ(std::span<const TPoint> points, int z) = 0;
    // A rectangle standing at depth z (a projected quadrilateral in 3D).
    virtual void RectangleWithZ(const TRect& rect, int z) = 0;
    // A plane at constant x = left from (top, z0) to (bottom, z1): the left wall.
    virtual void RectangleZ(int left, int top, int bottom, int z0, int z1) = 0;
    // A plane at constant y = top from (left, z0) to (right, z1): the bottom wall.
    virtual void RectangleY(int left, int top, int right, int z0, int z1) = 0;
    // A box: the front face filled with the brush and, in 3D, its top and right faces projected.
    virtual void Cube(int left, int right, int top, int bottom, int z0, int z1) = 0;
    // Fills the rectangle with a blend and no outline. gdTopBottom and gdLeftRight start with startColor at
    // the top or left; the other directions put endColor at the place they name (bottom, right, centre,
    // top-left, bottom-left corner) and startColor at the far side.
    virtual void GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction) = 0;

    // 2D: ClipRectangle(left + 1, top + 1, right, bottom - 1); 3D: the region around the projected box.
    virtual void ClipCube(const TRect& rect, int z0, int z1) = 0;

    // Drawing between the two goes straight to the screen plane, without projection.
    virtual void FrontPlaneBegin() = 0;
    virtual void FrontPlaneEnd() = 0;

    // The paint cycle: InitWindow, SetProjection, drawing, ShowImage; PaintFromBuffer between paints.
    virtual TRect InitWindow(TDrawingDevice& destination, TView3DOptions* options, const TRect& rect, bool is3D) = 0;
    virtual void SetProjection(int depth, const TRect& plotRect) = 0;
    // Copies the buffer, when there is one, onto the destination at the position, and draws there from now on.
    virtual void ShowImage(TDrawingDevice& destination, TPoint position) = 0;
    virtual bool PaintFromBuffer() = 0;
    virtual void Invalidate() = 0;
    virtual bool BufferDirty() const = 0;
    virtual bool Buffered() const = 0;
    virtual void SetBuffered(bool value) = 0;
    virtual bool Monochrome() const = 0;
    virtual void SetMonochrome(bool value) = 0;
};
