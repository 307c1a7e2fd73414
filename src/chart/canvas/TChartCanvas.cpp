#include "chart/canvas/TChartCanvas.h"

#include "chart/canvas/SystemColors.h"

TChartCanvas::TChartCanvas()
{
    pen_.SetOnChange([this] { penDirty_ = true; });
    brush_.SetOnChange([this] { brushDirty_ = true; });
    font_.SetOnChange([this] { fontDirty_ = true; });
}

void TChartCanvas::AttachCanvas(TDrawingDevice& device)
{
    device_ = &device;
    penDirty_ = true;
    brushDirty_ = true;
    fontDirty_ = true;
}

TDeviceFont TChartCanvas::DeviceFont(int escapement, int height) const
{
    return TDeviceFont{font_.Name(), height, font_.Style(), escapement, ColorToRGB(font_.Color())};
}

TDrawingDevice& TChartCanvas::Prepared()
{
    TDrawingDevice& device = *device_;
    if (fontDirty_) {
        device.SetFont(DeviceFont(0, font_.Height()));
        fontDirty_ = false;
    }
    if (penDirty_) {
        device.SetPen(TDevicePen{ColorToRGB(pen_.Color()), pen_.Style(), pen_.Width(), pen_.Mode()});
        penDirty_ = false;
    }
    if (brushDirty_) {
        // A hatched or clear brush leaves the background alone; a solid one paints text cells in its colour.
        const TColor rgb = ColorToRGB(brush_.Color());
        device.SetBrush(TDeviceBrush{rgb, brush_.Style()});
        if (brush_.Style() == bsSolid) {
            device.SetBackColor(rgb);
            device.SetBackMode(bmOpaque);
        } else {
            device.SetBackColor(~rgb & 0xFFFFFFu);
            device.SetBackMode(bmTransparent);
        }
        brushDirty_ = false;
    }
    return device;
}

TDrawingDevice& TChartCanvas::SelectTemporaryFont(const TDeviceFont& font)
{
    TDrawingDevice& device = Prepared();
    device.SetFont(font);
    fontDirty_ = true;
    return device;
}

void TChartCanvas::ResetState()
{
    pen_.SetColor(clBlack);
    pen_.SetWidth(1);
    pen_.SetStyle(psSolid);
    brush_.SetColor(clWhite);
    brush_.SetStyle(bsSolid);
    font_.SetColor(clBlack);
    font_.SetSize(10);
    if (device_ == nullptr)
        return;
    Prepared();
    device_->SetBackColor(clWhite);
    device_->SetBackMode(bmTransparent);
}

void TChartCanvas::SelectChartPen(const TChartPen& pen)
{
    if (!pen.Visible()) {
        pen_.SetStyle(psClear);
    } else if (pen.SmallDots() && pen.Width() == 1) {
        pen_.SetColor(ColorToRGB(pen.Color()));
        pen_.SetStyle(psAlternate);
        pen_.SetWidth(1);
        pen_.SetMode(pen.Mode());
    } else {
        pen_.Assign(pen);
    }
}

int TChartCanvas::TextWidth(std::string_view text)
{
    return device_ ? Prepared().TextExtent(text).Width : 0;
}

int TChartCanvas::TextHeight(std::string_view text)
{
    return device_ ? Prepared().TextExtent(text).Height : 0;
}

int TChartCanvas::FontHeight()
{
    return TextHeight("W");
}

void TChartCanvas::SetTextAlign(unsigned flags)
{
    if (device_)
        device_->SetTextAlign(flags);
}

unsigned TChartCanvas::GetTextAlign() const
{
    return device_ ? device_->GetTextAlign() : TA_LEFT | TA_TOP;
}

void TChartCanvas::SetBackMode(TBackMode mode)
{
    if (device_)
        Prepared().SetBackMode(mode);
}

TBackMode TChartCanvas::GetBackMode() const
{
    return device_ ? device_->GetBackMode() : bmOpaque;
}

void TChartCanvas::SetBackColor(TColor rgb)
{
    if (device_)
        Prepared().SetBackColor(rgb);
}

TColor TChartCanvas::GetBackColor() const
{
    return device_ ? device_->GetBackColor() : clWhite;
}

void TChartCanvas::TextOut(int x, int y, std::string_view text)
{
    if (device_)
        Prepared().TextOut(x, y, text);
}

void TChartCanvas::MoveTo(int x, int y)
{
    if (device_)
        device_->MoveTo(x, y);
}

void TChartCanvas::LineTo(int x, int y)
{
    if (device_)
        Prepared().LineTo(x, y);
}

void TChartCanvas::Line(int x0, int y0, int x1, int y1)
{
    MoveTo(x0, y0);
    LineTo(x1, y1);
}

void TChartCanvas::HorizLine(int x0, int x1, int y)
{
    MoveTo(x0, y);
    LineTo(x1, y);
}

void TChartCanvas::VertLine(int x, int y0, int y1)
{
    MoveTo(x, y0);
    LineTo(x, y1);
}

void TChartCanvas::Rectangle(int left, int top, int right, int bottom)
{
    Rectangle(TRect{left, top, right, bottom});
}

void TChartCanvas::Rectangle(const TRect& rect)
{
    if (device_)
        Prepared().Rectangle(rect);
}

void TChartCanvas::FillRect(const TRect& rect)
{
    if (device_)
        Prepared().FillRect(rect);
}

void TChartCanvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    if (device_)
        Prepared().RoundRect(TRect{left, top, right, bottom}, cornerWidth, cornerHeight);
}

void TChartCanvas::Ellipse(int left, int top, int right, int bottom)
{
    Ellipse(TRect{left, top, right, bottom});
}

void TChartCanvas::Ellipse(const TRect& rect)
{
    if (device_)
        Prepared().Ellipse(rect);
}

void TChartCanvas::Polygon(std::span<const TPoint> points)
{
    if (device_)
        Prepared().Polygon(points);
}

void TChartCanvas::Polyline(std::span<const TPoint> points)
{
    if (device_)
        Prepared().Polyline(points);
}

void TChartCanvas::SetPixel(int x, int y, TColor color)
{
    if (device_)
        device_->SetPixel(x, y, ColorToRGB(color));
}

void TChartCanvas::Arc(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    if (device_)
        Prepared().Arc(TRect{left, top, right, bottom}, TPoint{x1, y1}, TPoint{x2, y2});
}

void TChartCanvas::Pie(int left, int top, int right, int bottom, int x1, int y1, int x2, int y2)
{
    if (device_)
        Prepared().Pie(TRect{left, top, right, bottom}, TPoint{x1, y1}, TPoint{x2, y2});
}

void TChartCanvas::ClipRectangle(const TRect& rect)
{
    clip_ = rect;
    if (device_)
        device_->ClipRect(rect);
}

void TChartCanvas::UnClip()
{
    clip_.reset();
    if (device_)
        device_->UnClip();
}
