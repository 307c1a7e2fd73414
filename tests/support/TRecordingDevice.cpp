#include "support/TRecordingDevice.h"

#include <utility>

TRecordingDevice::TRecordingDevice(int width, int height) : TRecordingDevice(std::make_shared<TLog>(), 0, width, height)
{
}

TRecordingDevice::TRecordingDevice(std::shared_ptr<TLog> log, int surface, int width, int height)
    : log_(std::move(log)), surface_(surface), width_(width), height_(height)
{
}

const std::vector<TDrawRecord>& TRecordingDevice::Records() const
{
    return log_->Records;
}

std::vector<TDrawRecord> TRecordingDevice::RecordsOf(TDrawOp op) const
{
    std::vector<TDrawRecord> found;
    for (const TDrawRecord& record : log_->Records)
        if (record.Op == op)
            found.push_back(record);
    return found;
}

void TRecordingDevice::Clear()
{
    log_->Records.clear();
}

int TRecordingDevice::BitmapsCreated() const
{
    return log_->Surfaces;
}

TDrawRecord& TRecordingDevice::Add(TDrawOp op)
{
    TDrawRecord& record = log_->Records.emplace_back();
    record.Op = op;
    record.Surface = surface_;
    record.State = state_;
    return record;
}

TSize TRecordingDevice::TextExtent(std::string_view text)
{
    int width = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            continue;
        if (c >= '0' && c <= '9')
            width += DigitWidth;
        else if (c == '.' || c == ' ')
            width += NarrowWidth;
        else
            width += OtherWidth;
    }
    return {width, TextHeight};
}

void TRecordingDevice::TextOut(int x, int y, std::string_view text)
{
    TDrawRecord& record = Add(TDrawOp::TextOut);
    record.P1 = {x, y};
    record.Text = text;
}

void TRecordingDevice::MoveTo(int x, int y)
{
    Add(TDrawOp::MoveTo).P1 = {x, y};
    position_ = {x, y};
}

void TRecordingDevice::LineTo(int x, int y)
{
    TDrawRecord& record = Add(TDrawOp::LineTo);
    record.P1 = position_;
    record.P2 = {x, y};
    position_ = {x, y};
}

void TRecordingDevice::Rectangle(const TRect& rect)
{
    Add(TDrawOp::Rectangle).Rect = rect;
}

void TRecordingDevice::FillRect(const TRect& rect)
{
    Add(TDrawOp::FillRect).Rect = rect;
}

void TRecordingDevice::RoundRect(const TRect& rect, int cornerWidth, int cornerHeight)
{
    TDrawRecord& record = Add(TDrawOp::RoundRect);
    record.Rect = rect;
    record.P1 = {cornerWidth, cornerHeight};
}

void TRecordingDevice::Ellipse(const TRect& rect)
{
    Add(TDrawOp::Ellipse).Rect = rect;
}

void TRecordingDevice::Polygon(std::span<const TPoint> points)
{
    Add(TDrawOp::Polygon).Points.assign(points.begin(), points.end());
}

void TRecordingDevice::Polyline(std::span<const TPoint> points)
{
    Add(TDrawOp::Polyline).Points.assign(points.begin(), points.end());
}

void TRecordingDevice::SetPixel(int x, int y, TColor rgb)
{
    TDrawRecord& record = Add(TDrawOp::SetPixel);
    record.P1 = {x, y};
    record.Color = rgb;
}

void TRecordingDevice::Arc(const TRect& rect, TPoint start, TPoint end)
{
    TDrawRecord& record = Add(TDrawOp::Arc);
    record.Rect = rect;
    record.P1 = start;
    record.P2 = end;
}

void TRecordingDevice::Pie(const TRect& rect, TPoint start, TPoint end)
{
    TDrawRecord& record = Add(TDrawOp::Pie);
    record.Rect = rect;
    record.P1 = start;
    record.P2 = end;
}

void TRecordingDevice::ClipRect(const TRect& rect)
{
    state_.Clip = rect;
    Add(TDrawOp::ClipRect).Rect = rect;
}

void TRecordingDevice::UnClip()
{
    state_.Clip.reset();
    Add(TDrawOp::UnClip);
}

std::unique_ptr<TBitmapDevice> TRecordingDevice::CreateBitmap(int width, int height, TBitmapFormat /*format*/)
{
    const int surface = ++log_->Surfaces;
    return std::unique_ptr<TBitmapDevice>(new TRecordingDevice(log_, surface, width, height));
}

void TRecordingDevice::CopyBitmap(TBitmapDevice& bitmap, int x, int y)
{
    TDrawRecord& record = Add(TDrawOp::CopyBitmap);
    record.P1 = {x, y};
    record.Rect = {0, 0, bitmap.Width(), bitmap.Height()};
    const auto* source = dynamic_cast<const TRecordingDevice*>(&bitmap);
    record.Source = source ? source->surface_ : -1;
}
