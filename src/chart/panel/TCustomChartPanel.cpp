#include "chart/panel/TCustomChartPanel.h"

#include "chart/canvas/CanvasGuards.h"
#include "chart/canvas/ChartMath.h"
#include "chart/canvas/SystemColors.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/canvas/TView3DOptions.h"
#include "chart/panel/ChartException.h"
#include "chart/panel/TDeviceSession.h"
#include "numeric/Extended.h"

#include <cstdio>
#include <string>
#include <utility>

namespace {

constexpr int MinChart3DPercent = 1;
constexpr int MaxChart3DPercent = 100;

std::string FormatRange(const char* format, int low, int high)
{
    char text[128];
    std::snprintf(text, sizeof text, format, low, high);
    return text;
}

} // namespace

TCustomChartPanel::TCustomChartPanel(TNotifyEvent onInvalidate)
    : OnInvalidate(std::move(onInvalidate))
    , view3DOptions_(std::make_unique<TView3DOptions>([this] { Invalidate(); }))
    , canvas_(std::make_unique<TChartCanvas3D>())
{
}

TCustomChartPanel::~TCustomChartPanel() = default;

void TCustomChartPanel::SetWidth(int value)
{
    StoreAndInvalidate(width_, value);
}

void TCustomChartPanel::SetHeight(int value)
{
    StoreAndInvalidate(height_, value);
}

void TCustomChartPanel::SetSize(int width, int height)
{
    SetWidth(width);
    SetHeight(height);
}

void TCustomChartPanel::SetColor(TColor value)
{
    StoreAndInvalidate(color_, value);
}

void TCustomChartPanel::SetBevelInner(TBevelCut value)
{
    StoreAndInvalidate(bevelInner_, value);
}

void TCustomChartPanel::SetBevelOuter(TBevelCut value)
{
    StoreAndInvalidate(bevelOuter_, value);
}

void TCustomChartPanel::SetBevelWidth(int value)
{
    StoreAndInvalidate(bevelWidth_, value);
}

void TCustomChartPanel::SetBorderWidth(int value)
{
    StoreAndInvalidate(borderWidth_, value);
}

void TCustomChartPanel::SetCursor(TCursor value)
{
    if (cursor_ == value)
        return;
    cursor_ = value;
    if (OnCursorChange)
        OnCursorChange(cursor_);
}

void TCustomChartPanel::SetChart3DPercent(int value)
{
    if (value < MinChart3DPercent || value > MaxChart3DPercent)
        throw ChartException(FormatRange("3D effect percent must be between %d and %d", MinChart3DPercent, MaxChart3DPercent));
    StoreAndInvalidate(chart3DPercent_, value);
}

void TCustomChartPanel::SetView3D(bool value)
{
    StoreAndInvalidate(view3D_, value);
}

void TCustomChartPanel::SetView3DOptions(const TView3DOptions& value)
{
    view3DOptions_->Assign(value);
}

void TCustomChartPanel::SetMarginLeft(int value)
{
    StoreAndInvalidate(marginLeft_, value);
}

void TCustomChartPanel::SetMarginTop(int value)
{
    StoreAndInvalidate(marginTop_, value);
}

void TCustomChartPanel::SetMarginRight(int value)
{
    StoreAndInvalidate(marginRight_, value);
}

void TCustomChartPanel::SetMarginBottom(int value)
{
    StoreAndInvalidate(marginBottom_, value);
}

bool TCustomChartPanel::Monochrome() const
{
    return canvas_->Monochrome();
}

void TCustomChartPanel::SetMonochrome(bool value)
{
    canvas_->SetMonochrome(value);
}

bool TCustomChartPanel::UseBitmapBuffer() const
{
    return canvas_->Buffered();
}

void TCustomChartPanel::SetUseBitmapBuffer(bool value)
{
    if (canvas_->Buffered() == value)
        return;
    canvas_->SetBuffered(value);
    Invalidate();
}

void TCustomChartPanel::SetPlotRect(const TRect& value)
{
    plotRect_ = value;
    UpdatePlotSize();
}

void TCustomChartPanel::UpdatePlotSize()
{
    TRect& r = plotRect_;
    if (r.Left < panelRect_.Left)
        r.Left = panelRect_.Left;
    if (r.Top < panelRect_.Top)
        r.Top = panelRect_.Top;
    if (r.Left > r.Right)
        r.Right = r.Left + 1;
    if (r.Left == r.Right)
        r.Right = r.Left + width_;
    if (r.Top > r.Bottom)
        r.Bottom = r.Top + 1;
    if (r.Top == r.Bottom)
        r.Bottom = r.Top + height_;
    plotWidth_ = r.Right - r.Left;
    plotHeight_ = r.Bottom - r.Top;
    plotXCenter_ = (r.Left + r.Right) / 2;
    plotYCenter_ = (r.Top + r.Bottom) / 2;
}

void TCustomChartPanel::CalcDepth3D()
{
    if (!view3D_) {
        depth3DX_ = 0;
        depth3DY_ = 0;
        return;
    }
    int depth = Round(static_cast<Extended>(plotWidth_) * chart3DPercent_ * 0.001_ext);
    if (!view3DOptions_->Orthogonal())
        depth *= 2;
    depth3DX_ = depth * ZPlaneCount();
    depth3DY_ = depth3DX_;
}

void TCustomChartPanel::Invalidate()
{
    if (!constructed_)
        return;
    canvas_->Invalidate();
    if (OnInvalidate)
        OnInvalidate();
}

void TCustomChartPanel::SetWindowDevice(TDrawingDevice* device)
{
    windowDevice_ = device;
    if (device != nullptr)
        canvas_->AttachCanvas(*device);
}

void TCustomChartPanel::Paint(TDrawingDevice& window)
{
    if (printingNow_)
        return;
    const TDeviceSession session(*this, window, TDrawingTarget::Window);
    if (!canvas_->PaintFromBuffer())
        DrawPass(window, TRect{0, 0, width_, height_});
    if (zoom_.Active)
        DrawZoomRectangle();
}

void TCustomChartPanel::DrawToCanvas(TDrawingDevice& destination, const TRect& rect)
{
    const TDeviceSession session(*this, destination, TDrawingTarget::Screen);
    DrawPass(destination, rect);
}

void TCustomChartPanel::DrawPicture(TDrawingDevice& device, const TRect& rect)
{
    const TDeviceSession session(*this, device, TDrawingTarget::Picture);
    DrawPass(device, rect);
}

void TCustomChartPanel::PrintToCanvas(TDrawingDevice& printer, const TRect& rect)
{
    const TDeviceSession session(*this, printer, TDrawingTarget::Printer);
    DrawPass(printer, rect);
}

void TCustomChartPanel::DrawPass(TDrawingDevice& destination, const TRect& rect)
{
    panelRect_ = canvas_->InitWindow(destination, view3DOptions_.get(), rect, view3D_);
    const int w = panelRect_.Width();
    const int h = panelRect_.Height();
    plotRect_ = TRect{
        panelRect_.Left + borderWidth_ + MulDiv(marginLeft_, w, 100),
        panelRect_.Top + borderWidth_ + MulDiv(marginTop_, h, 100),
        panelRect_.Right - borderWidth_ - MulDiv(marginRight_, w, 100),
        panelRect_.Bottom - borderWidth_ - MulDiv(marginBottom_, h, 100),
    };
    UpdatePlotSize();
    DrawChartContents(panelRect_);
    canvas_->ShowImage(destination, rect.TopLeft());
}

void TCustomChartPanel::MouseLeave()
{
    SetCursor(originalCursor_);
    panning_.Active = false;
}

bool TCustomChartPanel::CanClip() const
{
    return !canvas_->SupportsFullRotation() && !printingNow_;
}

void TCustomChartPanel::DrawZoomRectangle()
{
    TChartCanvas3D& canvas = *canvas_;
    TPenModeGuard mode(canvas, pmNotXor);
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(ColorToRGB(color_) == clWhite ? clBlack : color_);
    canvas.Brush().SetStyle(bsClear);
    canvas.Rectangle(zoom_.X0, zoom_.Y0, zoom_.X1, zoom_.Y1);
}

void TCustomChartPanel::DrawPanelBevels(TRect rect)
{
    if (printingNow_)
        return;
    TChartCanvas3D& canvas = *canvas_;
    canvas.Pen().SetStyle(psSolid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetMode(pmCopy);
    canvas.Brush().SetStyle(bsClear);
    DrawBevelFrame(rect, bevelOuter_);
    DrawFrame3D(rect, color_, color_, borderWidth_);
    DrawBevelFrame(rect, bevelInner_);
}

void TCustomChartPanel::DrawBevelFrame(TRect& rect, TBevelCut cut)
{
    if (cut == bvNone)
        return;
    if (cut == bvLowered)
        DrawFrame3D(rect, clBtnShadow, clBtnHighlight, bevelWidth_);
    else
        DrawFrame3D(rect, clBtnHighlight, cut == bvRaised ? clBtnShadow : clBtnHighlight, bevelWidth_);
}

void TCustomChartPanel::DrawFrame3D(TRect& rect, TColor topLeft, TColor bottomRight, int width)
{
    TChartCanvas3D& canvas = *canvas_;
    for (int i = 0; i < width; ++i) {
        const int right = rect.Right - 1;
        const int bottom = rect.Bottom - 1;
        canvas.Pen().SetColor(topLeft);
        canvas.MoveTo(rect.Left, bottom);
        canvas.LineTo(rect.Left, rect.Top);
        canvas.LineTo(right, rect.Top);
        canvas.Pen().SetColor(bottomRight);
        canvas.LineTo(right, bottom);
        canvas.LineTo(rect.Left, bottom);
        rect = rect.Inflate(-1, -1);
    }
}
