#include "chart/canvas/TChartCanvas3D.h"

#include "chart/canvas/ChartMath.h"
#include "chart/canvas/SetterRule.h"
#include "chart/canvas/SystemColors.h"
#include "chart/canvas/TView3DOptions.h"
#include "numeric/Extended.h"

#include <algorithm>
#include <cmath>

TPoint TChartCanvas3D::Calc3DPos(int x, int y, int z) const
{
    if (!is3D_)
        return {x, y};
    const Extended zoom = zoomFactor_;
    if (isOrthogonal_)
        return {Round(zoom * (x + z - cx_)) + ox_, Round((y - cy_ - z) * zoom) + oy_};
    const Extended dx = x - cx_;
    const Extended dy = y - cy_;
    const Extended dz = z - cz_;
    const auto& r = rotation_;
    Extended scale = zoom;
    if (perspectiveFactor_ > 0)
        scale *= 1.0_ext - perspectiveFactor_ * (r[6] * dx + r[7] * dy + r[8] * dz);
    return {Round(scale * (r[0] * dx + r[1] * dy + r[2] * dz)) + ox_,
            Round(scale * (r[3] * dx + r[4] * dy + r[5] * dz)) + oy_};
}

void TChartCanvas3D::CalcRotation()
{
    // Elevation turns about the horizontal axis, Rotation about the vertical one, Tilt about the view axis.
    constexpr Extended toRadians = ExtendedPi / 180.0_ext;
    const Extended a = options_->Elevation() * toRadians;
    const Extended b = options_->Rotation() * toRadians;
    const Extended t = options_->Tilt() * toRadians;
    const Extended ca = PlatformCos(a), sa = PlatformSin(a);
    const Extended cb = PlatformCos(b), sb = PlatformSin(b);
    const Extended ct = PlatformCos(t), st = PlatformSin(t);
    // Rows of Tilt * Elevation * Rotation.
    const Extended m[9] = {
        cb, 0, sb,
        sa * sb, ca, -sa * cb,
        -ca * sb, sa, ca * cb,
    };
    rotation_ = {
        static_cast<double>(ct * m[0] - st * m[3]), static_cast<double>(ct * m[1] - st * m[4]),
        static_cast<double>(ct * m[2] - st * m[5]), static_cast<double>(st * m[0] + ct * m[3]),
        static_cast<double>(st * m[1] + ct * m[4]), static_cast<double>(st * m[2] + ct * m[5]),
        static_cast<double>(m[6]), static_cast<double>(m[7]), static_cast<double>(m[8]),
    };
}

int TChartCanvas3D::ZoomedFontHeight() const
{
    const TChartFont& font = Font();
    if (!zoomText_ || zoomFactor_ == 1.0)
        return font.Height();
    return TChartFont::SizeToHeight(std::max(1, Round(static_cast<Extended>(font.Size()) * zoomFactor_)));
}

void TChartCanvas3D::TextOut3D(int x, int y, int z, std::string_view text)
{
    const TPoint p = Calc3DPos(x, y, z);
    if (!zoomText_ || zoomFactor_ == 1.0) {
        TextOut(p.X, p.Y, text);
        return;
    }
    if (Device() == nullptr)
        return;
    SelectTemporaryFont(DeviceFont(0, ZoomedFontHeight())).TextOut(p.X, p.Y, text);
}

void TChartCanvas3D::RotatedText(int x, int y, int z, int angle, std::string_view text)
{
    const TPoint p = Calc3DPos(x, y, z);
    Brush().SetStyle(bsClear);
    if (Device() == nullptr)
        return;
    if (angle > 360)
        angle -= 360;
    SelectTemporaryFont(DeviceFont(angle * 10, ZoomedFontHeight())).TextOut(p.X, p.Y, text);
}

void TChartCanvas3D::MoveTo3D(int x, int y, int z)
{
    const TPoint p = Calc3DPos(x, y, z);
    MoveTo(p.X, p.Y);
}

void TChartCanvas3D::LineTo3D(int x, int y, int z)
{
    const TPoint p = Calc3DPos(x, y, z);
    LineTo(p.X, p.Y);
}

void TChartCanvas3D::LineWithZ(int x0, int y0, int x1, int y1, int z)
{
    MoveTo3D(x0, y0, z);
    LineTo3D(x1, y1, z);
}

void TChartCanvas3D::HorizLine3D(int x0, int x1, int y, int z)
{
    MoveTo3D(x0, y, z);
    LineTo3D(x1, y, z);
}

void TChartCanvas3D::VertLine3D(int x, int y0, int y1, int z)
{
    MoveTo3D(x, y0, z);
    LineTo3D(x, y1, z);
}

void TChartCanvas3D::ZLine3D(int x, int y, int z0, int z1)
{
    MoveTo3D(x, y, z0);
    LineTo3D(x, y, z1);
}

void TChartCanvas3D::EllipseWithZ(int left, int top, int right, int bottom, int z)
{
    if (!is3D_) {
        Ellipse(left, top, right + 1, bottom + 1);
        return;
    }
    if (isOrthogonal_) {
        const TPoint a = Calc3DPos(left, top, z);
        const TPoint b = Calc3DPos(right, bottom, z);
        Ellipse(a.X, a.Y, b.X, b.Y);
        return;
    }
    constexpr int steps = 32;
    std::array<TPoint, steps> points;
    const Extended cx = (left + right) / 2.0_ext;
    const Extended cy = (top + bottom) / 2.0_ext;
    const Extended rx = (right - left) / 2.0_ext;
    const Extended ry = (bottom - top) / 2.0_ext;
    for (int i = 0; i < steps; ++i) {
        const Extended angle = 2 * ExtendedPi * i / steps;
        points[static_cast<std::size_t>(i)] = Calc3DPos(Round(cx + rx * PlatformCos(angle)), Round(cy + ry * PlatformSin(angle)), z);
    }
    Polygon(points);
}

void TChartCanvas3D::PolygonWithZ(std::span<const TPoint> points, int /*z*/)
{
    Polygon(points);
}

void TChartCanvas3D::RectangleWithZ(const TRect& rect, int z)
{
    if (!is3D_) {
        Rectangle(rect);
        return;
    }
    const std::array<TPoint, 4> corners{Calc3DPos(rect.Left, rect.Top, z), Calc3DPos(rect.Right, rect.Top, z),
                                        Calc3DPos(rect.Right, rect.Bottom, z), Calc3DPos(rect.Left, rect.Bottom, z)};
    Polygon(corners);
}

void TChartCanvas3D::RectangleZ(int left, int top, int bottom, int z0, int z1)
{
    const std::array<TPoint, 4> corners{Calc3DPos(left, top, z0), Calc3DPos(left, top, z1),
                                        Calc3DPos(left, bottom, z1), Calc3DPos(left, bottom, z0)};
    Polygon(corners);
}

void TChartCanvas3D::RectangleY(int left, int top, int right, int z0, int z1)
{
    const std::array<TPoint, 4> corners{Calc3DPos(left, top, z0), Calc3DPos(right, top, z0),
                                        Calc3DPos(right, top, z1), Calc3DPos(left, top, z1)};
    Polygon(corners);
}

void TChartCanvas3D::Cube(int left, int right, int top, int bottom, int z0, int z1)
{
    if (!is3D_) {
        Rectangle(left, top, right, bottom);
        return;
    }
    RectangleY(left, top, right, z0, z1);
    const std::array<TPoint, 4> side{Calc3DPos(right, top, z0), Calc3DPos(right, top, z1),
                                     Calc3DPos(right, bottom, z1), Calc3DPos(right, bottom, z0)};
    Polygon(side);
    RectangleWithZ(TRect{left, top, right, bottom}, z0);
}

namespace {

TColor Blend(TColor from, TColor to, Extended t)
{
    const auto channel = [t](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(Round(a + (b - a) * t));
    };
    return RGBColor(channel(RedOf(from), RedOf(to)), channel(GreenOf(from), GreenOf(to)), channel(BlueOf(from), BlueOf(to)));
}

}

void TChartCanvas3D::GradientFill(const TRect& rect, TColor startColor, TColor endColor, TGradientDirection direction)
{
    if (rect.IsEmpty() || Device() == nullptr)
        return;
    const TColor start = ColorToRGB(startColor);
    const TColor end = ColorToRGB(endColor);
    const TColor savedColor = Brush().Color();
    const TBrushStyle savedStyle = Brush().Style();
    Brush().SetStyle(bsSolid);
    const int w = rect.Width();
    const int h = rect.Height();
    if (direction == gdTopBottom || direction == gdBottomTop) {
        for (int y = 0; y < h; ++y) {
            Brush().SetColor(Blend(start, end, h > 1 ? static_cast<Extended>(y) / (h - 1) : 0.0_ext));
            FillRect(TRect{rect.Left, rect.Top + y, rect.Right, rect.Top + y + 1});
        }
    } else if (direction == gdLeftRight || direction == gdRightLeft) {
        for (int x = 0; x < w; ++x) {
            Brush().SetColor(Blend(start, end, w > 1 ? static_cast<Extended>(x) / (w - 1) : 0.0_ext));
            FillRect(TRect{rect.Left + x, rect.Top, rect.Left + x + 1, rect.Bottom});
        }
    } else {
        // Nested rectangles shrinking towards the origin of the direction, far side first.
        const int steps = std::min(64, std::max(w, h));
        for (int k = steps; k >= 1; --k) {
            const int kw = MulDiv(w, k, steps);
            const int kh = MulDiv(h, k, steps);
            TRect band;
            if (direction == gdFromCenter)
                band = TRect{rect.Left + (w - kw) / 2, rect.Top + (h - kh) / 2, rect.Left + (w + kw) / 2, rect.Top + (h + kh) / 2};
            else if (direction == gdFromTopLeft)
                band = TRect{rect.Left, rect.Top, rect.Left + kw, rect.Top + kh};
            else
                band = TRect{rect.Left, rect.Bottom - kh, rect.Left + kw, rect.Bottom};
            Brush().SetColor(Blend(end, start, steps > 1 ? static_cast<Extended>(k - 1) / (steps - 1) : 0.0_ext));
            FillRect(band);
        }
    }
    Brush().SetColor(savedColor);
    Brush().SetStyle(savedStyle);
}

void TChartCanvas3D::ClipCube(const TRect& rect, int z0, int z1)
{
    if (!is3D_) {
        ClipRectangle(TRect{rect.Left + 1, rect.Top + 1, rect.Right, rect.Bottom - 1});
        return;
    }
    // The box's outline on screen, taken as its bounding rectangle.
    const std::array<TPoint, 6> outline{Calc3DPos(rect.Left, rect.Top, z0), Calc3DPos(rect.Left, rect.Top, z1),
                                        Calc3DPos(rect.Right, rect.Top, z1), Calc3DPos(rect.Right, rect.Bottom, z1),
                                        Calc3DPos(rect.Right, rect.Bottom, z0), Calc3DPos(rect.Left, rect.Bottom, z0)};
    TRect bounds{outline[0].X, outline[0].Y, outline[0].X, outline[0].Y};
    for (const TPoint& p : outline) {
        bounds.Left = std::min(bounds.Left, p.X);
        bounds.Top = std::min(bounds.Top, p.Y);
        bounds.Right = std::max(bounds.Right, p.X);
        bounds.Bottom = std::max(bounds.Bottom, p.Y);
    }
    ClipRectangle(bounds);
}

void TChartCanvas3D::FrontPlaneBegin()
{
    savedIs3D_ = is3D_;
    is3D_ = false;
}

void TChartCanvas3D::FrontPlaneEnd()
{
    is3D_ = savedIs3D_;
}

TRect TChartCanvas3D::InitWindow(TDrawingDevice& destination, TView3DOptions* options, const TRect& rect, bool is3D)
{
    options_ = options;
    is3D_ = is3D;
    isOrthogonal_ = false;
    zoomFactor_ = 1.0;
    if (is3D && options != nullptr) {
        isOrthogonal_ = options->Orthogonal();
        zoomFactor_ = static_cast<double>(options->Zoom() * 0.01_ext);
        zoomText_ = options->ZoomText();
        CalcRotation();
    }
    if (!buffered_) {
        AttachCanvas(destination);
        return rect;
    }
    if (bitmap_ && (bitmap_->Width() != rect.Width() || bitmap_->Height() != rect.Height()))
        DiscardBitmap();
    if (!bitmap_)
        bitmap_ = destination.CreateBitmap(rect.Width(), rect.Height(), monochrome_ ? bfMonochrome : bfColor);
    AttachCanvas(*bitmap_);
    return TRect{0, 0, rect.Width(), rect.Height()};
}

void TChartCanvas3D::SetProjection(int depth, const TRect& plotRect)
{
    cx_ = (plotRect.Left + plotRect.Right) / 2;
    cy_ = (plotRect.Top + plotRect.Bottom) / 2;
    cz_ = depth / 2;
    ox_ = cx_;
    oy_ = cy_;
    perspectiveFactor_ = 0.0;
    if (options_ == nullptr)
        return;
    ox_ += options_->HorizOffset();
    oy_ += options_->VertOffset();
    if (options_->Perspective() > 0)
        perspectiveFactor_ = static_cast<double>(options_->Perspective() / 35000.0_ext);
}

void TChartCanvas3D::ShowImage(TDrawingDevice& destination, TPoint position)
{
    if (buffered_ && bitmap_) {
        destination.CopyBitmap(*bitmap_, position.X, position.Y);
        bufferDirty_ = false;
    }
    AttachCanvas(destination);
}

bool TChartCanvas3D::PaintFromBuffer()
{
    if (bufferDirty_ || !bitmap_ || Device() == nullptr)
        return false;
    Device()->CopyBitmap(*bitmap_, 0, 0);
    return true;
}

void TChartCanvas3D::DiscardBitmap()
{
    if (bitmap_ && Device() == bitmap_.get())
        DetachCanvas();
    bitmap_.reset();
}

void TChartCanvas3D::SetBuffered(bool value)
{
    buffered_ = value;
    if (!value && bitmap_) {
        DiscardBitmap();
        bufferDirty_ = true;
    }
}

void TChartCanvas3D::SetMonochrome(bool value)
{
    if (!StoreChanged(monochrome_, value))
        return;
    DiscardBitmap();
    bufferDirty_ = true;
    if (options_ != nullptr)
        options_->InvalidateChart();
}
