#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TBitmapDevice.h"

#include <string>
#include <vector>

// A device that draws through another one and keeps the box of every text drawn, as the alignment flags place
// it: what a chart's layout is made of (titles, axis labels, legend entries), to compare between devices.
class BHN_CHART_API TLayoutRecorder : public TDrawingDevice {
public:
    struct TTextBox {
        std::string Text;
        TRect Box;
        int Escapement = 0;
    };

    explicit TLayoutRecorder(TDrawingDevice& target) : target_(target) {}

    const std::vector<TTextBox>& TextBoxes() const { return boxes_; }

    void SetPen(const TDevicePen& pen) override { target_.SetPen(pen); }
    void SetBrush(const TDeviceBrush& brush) override { target_.SetBrush(brush); }
    void SetFont(const TDeviceFont& font) override
    {
        font_ = font;
        target_.SetFont(font);
    }
    void SetTextAlign(unsigned flags) override { target_.SetTextAlign(flags); }
    unsigned GetTextAlign() const override { return target_.GetTextAlign(); }
    void SetBackMode(TBackMode mode) override { target_.SetBackMode(mode); }
    TBackMode GetBackMode() const override { return target_.GetBackMode(); }
    void SetBackColor(TColor rgb) override { target_.SetBackColor(rgb); }
    TColor GetBackColor() const override { return target_.GetBackColor(); }
    TSize TextExtent(std::string_view text) override { return target_.TextExtent(text); }
    bool TextWidthsAddUp() const override { return target_.TextWidthsAddUp(); }
    void TextOut(int x, int y, std::string_view text) override;
    void MoveTo(int x, int y) override { target_.MoveTo(x, y); }
    void LineTo(int x, int y) override { target_.LineTo(x, y); }
    void Rectangle(const TRect& rect) override { target_.Rectangle(rect); }
    void FillRect(const TRect& rect) override { target_.FillRect(rect); }
    void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) override
    {
        target_.RoundRect(rect, cornerWidth, cornerHeight);
    }
    void Ellipse(const TRect& rect) override { target_.Ellipse(rect); }
    void Polygon(std::span<const TPoint> points) override { target_.Polygon(points); }
    void Polyline(std::span<const TPoint> points) override { target_.Polyline(points); }
    void SetPixel(int x, int y, TColor rgb) override { target_.SetPixel(x, y, rgb); }
    void Arc(const TRect& rect, TPoint start, TPoint end) override { target_.Arc(rect, start, end); }
    void Pie(const TRect& rect, TPoint start, TPoint end) override { target_.Pie(rect, start, end); }
    void ClipRect(const TRect& rect) override { target_.ClipRect(rect); }
    void UnClip() override { target_.UnClip(); }
    std::unique_ptr<TBitmapDevice> CreateBitmap(int width, int height, TBitmapFormat format) override
    {
        return target_.CreateBitmap(width, height, format);
    }
    void CopyBitmap(TBitmapDevice& bitmap, int x, int y) override { target_.CopyBitmap(bitmap, x, y); }

private:
    TDrawingDevice& target_;
    TDeviceFont font_;
    std::vector<TTextBox> boxes_;
};
