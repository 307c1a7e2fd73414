#pragma once

#include "chart/canvas/TBitmapDevice.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// The device state in force when a call was made.
struct TRecordedState {
    TDevicePen Pen;
    TDeviceBrush Brush;
    TDeviceFont Font;
    unsigned TextAlign = TA_LEFT | TA_TOP;
    TBackMode BackMode = bmOpaque;
    TColor BackColor = clWhite;
    std::optional<TRect> Clip;

    friend bool operator==(const TRecordedState&, const TRecordedState&) = default;
};

enum class TDrawOp : std::uint8_t {
    MoveTo, LineTo, TextOut, Rectangle, FillRect, RoundRect, Ellipse, Polygon, Polyline, SetPixel, Arc, Pie,
    ClipRect, UnClip, CopyBitmap,
};

// One recorded device call. Which fields mean something depends on Op:
// MoveTo P1; LineTo P1 (from) and P2 (to); TextOut P1 and Text; Rectangle, FillRect, Ellipse, ClipRect Rect;
// RoundRect Rect and P1 (corner width, height); Polygon, Polyline Points; SetPixel P1 and Color;
// Arc, Pie Rect, P1 (start), P2 (end); CopyBitmap P1 (position), Source and Rect (0, 0, w, h).
struct TDrawRecord {
    TDrawOp Op = TDrawOp::MoveTo;
    // The surface drawn on: 0 for the device made by the test, 1, 2 ... for bitmaps in creation order.
    int Surface = 0;
    TPoint P1;
    TPoint P2;
    TRect Rect;
    std::vector<TPoint> Points;
    std::string Text;
    TColor Color = clBlack;
    int Source = 0;
    TRecordedState State;
};

// A device that draws nothing and records every call with its arguments and the state in force.
// Text metrics are fixed: digits 6 pixels wide, "." and " " 3, any other character 6 (a UTF-8
// sequence counts as one character); every text is 13 pixels high. Its bitmaps record into the
// same log, marked with their own surface number.
class TRecordingDevice : public TBitmapDevice {
public:
    static constexpr int DigitWidth = 6;
    static constexpr int NarrowWidth = 3;
    static constexpr int OtherWidth = 6;
    static constexpr int TextHeight = 13;

    explicit TRecordingDevice(int width = 0, int height = 0);

    const std::vector<TDrawRecord>& Records() const;
    // The records of one operation, in order.
    std::vector<TDrawRecord> RecordsOf(TDrawOp op) const;
    void Clear();
    // How many bitmaps this device and its bitmaps have created.
    int BitmapsCreated() const;
    int Surface() const { return surface_; }

    int Width() const override { return width_; }
    int Height() const override { return height_; }

    void SetPen(const TDevicePen& pen) override { state_.Pen = pen; }
    void SetBrush(const TDeviceBrush& brush) override { state_.Brush = brush; }
    void SetFont(const TDeviceFont& font) override { state_.Font = font; }
    void SetTextAlign(unsigned flags) override { state_.TextAlign = flags; }
    unsigned GetTextAlign() const override { return state_.TextAlign; }
    void SetBackMode(TBackMode mode) override { state_.BackMode = mode; }
    TBackMode GetBackMode() const override { return state_.BackMode; }
    void SetBackColor(TColor rgb) override { state_.BackColor = rgb; }
    TColor GetBackColor() const override { return state_.BackColor; }
    const TRecordedState& State() const { return state_; }

    TSize TextExtent(std::string_view text) override;
    // Every glyph has its fixed width.
    bool TextWidthsAddUp() const override { return true; }
    void TextOut(int x, int y, std::string_view text) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Rectangle(const TRect& rect) override;
    void FillRect(const TRect& rect) override;
    void RoundRect(const TRect& rect, int cornerWidth, int cornerHeight) override;
    void Ellipse(const TRect& rect) override;
    void Polygon(std::span<const TPoint> points) override;
    void Polyline(std::span<const TPoint> points) override;
    void SetPixel(int x, int y, TColor rgb) override;
    void Arc(const TRect& rect, TPoint start, TPoint end) override;
    void Pie(const TRect& rect, TPoint start, TPoint end) override;
    void ClipRect(const TRect& rect) override;
    void UnClip() override;
    std::unique_ptr<TBitmapDevice> CreateBitmap(int width, int height, TBitmapFormat format) override;
    void CopyBitmap(TBitmapDevice& bitmap, int x, int y) override;

private:
    struct TLog {
        std::vector<TDrawRecord> Records;
        int Surfaces = 0;
    };
    TRecordingDevice(std::shared_ptr<TLog> log, int surface, int width, int height);
    TDrawRecord& Add(TDrawOp op);

    std::shared_ptr<TLog> log_;
    int surface_ = 0;
    int width_ = 0;
    int height_ = 0;
    TPoint position_;
    TRecordedState state_;
};
