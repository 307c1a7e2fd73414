#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/TBitmapDevice.h"
#include "platform/TLineBatcher.h"
#include "platform/TPixelBlock.h"
#include "platform/TShapeStamps.h"

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QTransform>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The chart canvas's device on Qt: aliased QPainter drawing with the classic desktop effects
// (lines without their end point, shapes without their right and bottom edges, text placed by
// alignment flags, not-xor pens, alternate-dot pens, hatch brushes). "Arial" and "MS Sans Serif"
// are drawn with Liberation Sans. One painter stays open while drawing and closes on EndPaint,
// on Image() and when the device is destroyed. A picture that cannot be made or drawn on throws EDeviceError.
// The engine always works in logical pixels. On a surface with more pixels per logical pixel (a
// screen's device pixel ratio, a printer) the same picture is drawn enlarged: text at its enlarged
// size, pens a whole number of pixels wide. The raster fast paths work only where a logical pixel is
// whole number of image pixels.
class BHN_CHART_API TQtDevice : public TBitmapDevice {
public:
    // Draws on an RGB32 image of its own, initially white, with scale image pixels per logical pixel.
    TQtDevice(int width, int height, TBitmapFormat format = bfColor, qreal scale = 1.0);
    // Draws on the caller's paint device (an image, or a widget while it handles its paint event) at
    // its device pixel ratio.
    explicit TQtDevice(QPaintDevice& target);
    // Draws width x height logical pixels on the caller's paint device through the view, which maps
    // them onto the device's own units (a printer's page, a vector file).
    TQtDevice(QPaintDevice& target, int width, int height, const QTransform& view);
    TQtDevice(const TQtDevice&) = delete;
    TQtDevice& operator=(const TQtDevice&) = delete;

    // The finished pixels of the device's own image (or of a target image); closes the painter.
    const QImage& Image();
    // Closes the painter; the next drawing call opens it again with the current state.
    void EndPaint();

    int Width() const override;
    int Height() const override;
    // The surface's pixels per logical pixel.
    qreal Scale() const { return scale_; }

    void SetPen(const TDevicePen& pen) override;
    void SetBrush(const TDeviceBrush& brush) override;
    void SetFont(const TDeviceFont& font) override;
    void SetTextAlign(unsigned flags) override { textAlign_ = flags; }
    unsigned GetTextAlign() const override { return textAlign_; }
    void SetBackMode(TBackMode mode) override;
    TBackMode GetBackMode() const override { return backMode_; }
    void SetBackColor(TColor rgb) override;
    TColor GetBackColor() const override { return backColor_; }

    TSize TextExtent(std::string_view text) override;
    // Fonts are made without kerning, and these characters are not shaped together.
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
    // The batcher's open painter with the current pen and brush set on it, or none when the surface is empty;
    // a surface that refuses a painter throws EDeviceError.
    QPainter* ReadyPainter();
    // What the batcher's painter draws on.
    TLineBatcher::TTarget BatchTarget() const;
    // The image drawn on (own or target), with the painter closed; none for a widget target.
    const QImage* FinishedImage();
    // Shapes use the raster operation of the pen mode; text and pixels do not.
    void UseShapeMode(QPainter& painter);
    void UsePlainMode(QPainter& painter);
    void UseMode(QPainter& painter, QPainter::CompositionMode mode);
    // The finished pixels of a text drawn in one colour on one plain background colour.
    struct TTextStamp {
        QRgb Ink;
        QRgb Paper;
        TPixelBlock Pixels;
    };
    // A text laid out once in a font: its width, the glyphs drawn for it, the pixels the glyphs
    // may touch around the start of the baseline, and its stamps.
    struct TTextLayout {
        int Width = -1;
        bool LaidOut = false;
        QList<QGlyphRun> Runs;
        qreal Ascent = 0;
        QRect Box;
        std::vector<TTextStamp> Stamps;
    };
    struct TTextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    // A font with its metrics and the texts already measured or drawn in it.
    struct TFontEntry {
        TDeviceFont Key;
        QFont Font;
        QFontMetrics Metrics;
        int Ascent = 0;
        int CellHeight = 0;
        std::unordered_map<std::string, TTextLayout, TTextHash, std::equal_to<>> Texts;
    };
    TFontEntry& EntryFor(const TDeviceFont& font);
    // The entry of the current font, looked up when text is first measured or drawn in it.
    TFontEntry& CurrentFont();
    TTextLayout& LayoutOf(std::string_view text);
    int TextWidthOf(std::string_view text);
    // Draws the text with its baseline at the point from glyphs laid out on its first drawing. Level
    // text on a plain background is pasted from its stamp, or drawn and stamped.
    void DrawLaidOutText(QPainter& painter, QPoint baseline, std::string_view text, bool level);
    // The stamp area of a text at the baseline point, when it lies wholly in the clip on a plain background.
    std::optional<QRgb> PlainPaper(const QRect& box) const;
    void KeepStamp(TTextLayout& layout, QRgb ink, QRgb paper, const QRect& box);
    // A line that paints its start point and not its end point, whatever its direction.
    void DrawSegment(QPainter& painter, QPoint from, QPoint to);
    // Whether a logical pixel is more (or other) than one pixel of the surface.
    bool Enlarged() const { return scale_ != 1.0 || !view_.isIdentity(); }
    // Whether a line in the current pen and back mode is gathered, with the painter made ready for it;
    // false when the line must be drawn at once.
    bool ReadyToBatch();
    // Lines with gaps and hatch brushes paint their gaps in the back colour in bmOpaque mode; Qt's own
    // opaque mode changes how shapes rasterise, so the gaps are painted by a solid first pass instead.
    bool OpaquePenGaps() const;
    bool OpaqueHatchGaps() const;
    // Draws a shape with the current brush and pen, the opaque first passes included.
    template <typename Draw>
    void DrawShape(QPainter& painter, Draw draw);

    std::unique_ptr<QImage> ownImage_;
    QPaintDevice* target_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    qreal scale_ = 1.0;
    // The image pixels per logical pixel when that is a whole number, else 0 (no raster fast paths).
    int wholeScale_ = 1;
    QTransform view_;
    QImage* targetImage_ = nullptr;
    TBitmapFormat format_ = bfColor;
    // Holds the painter and opens, clips and ends it: whatever reaches it comes after the gathered lines.
    // Declared after the image, so that it draws what it has gathered and closes the painter while the
    // image is still there.
    TLineBatcher batcher_;
    QPainter::CompositionMode currentMode_ = QPainter::CompositionMode_SourceOver;

    TDevicePen pen_;
    TDeviceBrush brush_;
    TDeviceFont font_;
    QPen qpen_;
    QBrush qbrush_;
    // Fonts and texts come back on every frame: each font's metrics and each text's layout are kept.
    std::vector<std::unique_ptr<TFontEntry>> fonts_;
    TFontEntry* fontEntry_ = nullptr;
    bool penApplied_ = false;
    bool brushApplied_ = false;
    bool fontApplied_ = false;

    unsigned textAlign_ = TA_LEFT | TA_TOP;
    TBackMode backMode_ = bmOpaque;
    TColor backColor_ = clWhite;
    QPoint position_;
    std::vector<QPoint> points_;
    TShapeStamps shapes_;
    // The pixels held by all text stamps, kept under a budget.
    std::size_t stampedPixels_ = 0;
};
