#include "platform/TQtDevice.h"

#include "platform/QtDeviceMapping.h"
#include "platform/TThinLineRaster.h"

#include <algorithm>

namespace {

bool IsPixelImage(const QImage& image)
{
    const QImage::Format format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

}

TQtDevice::TQtDevice(int width, int height, TBitmapFormat format)
    : ownImage_(std::make_unique<QImage>(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32)),
      target_(ownImage_.get()),
      targetImage_(ownImage_.get()),
      format_(format)
{
    ownImage_->fill(Qt::white);
    qpen_ = MakePen(pen_);
    qbrush_ = MakeBrush(brush_);
}

TQtDevice::TQtDevice(QPaintDevice& target) : target_(&target)
{
    if (target.devType() == QInternal::Image)
        targetImage_ = static_cast<QImage*>(&target);
    qpen_ = MakePen(pen_);
    qbrush_ = MakeBrush(brush_);
}

TQtDevice::~TQtDevice()
{
    EndPaint();
}

const QImage& TQtDevice::Image()
{
    static const QImage none;
    const QImage* image = FinishedImage();
    return image ? *image : none;
}

const QImage* TQtDevice::FinishedImage() const
{
    FlushLines();
    if (painter_.isActive())
        painter_.end();
    return targetImage_;
}

void TQtDevice::EndPaint()
{
    FlushLines();
    if (painter_.isActive())
        painter_.end();
}

int TQtDevice::Width() const
{
    return target_->width();
}

int TQtDevice::Height() const
{
    return target_->height();
}

QPainter* TQtDevice::Painter()
{
    FlushLines();
    if (!painter_.isActive()) {
        if (target_->width() <= 0 || target_->height() <= 0 || !painter_.begin(target_))
            return nullptr;
        painter_.setRenderHint(QPainter::Antialiasing, false);
        // The painter has made the image's pixels its own; lines written into them directly land
        // in the same buffer.
        pixels_ = targetImage_ != nullptr && IsPixelImage(*targetImage_) ? targetImage_->bits() : nullptr;
        bytesPerLine_ = pixels_ != nullptr ? targetImage_->bytesPerLine() : 0;
        currentMode_ = QPainter::CompositionMode_SourceOver;
        penApplied_ = false;
        brushApplied_ = false;
        fontApplied_ = false;
        if (clip_)
            painter_.setClipRect(*clip_);
    }
    if (!penApplied_) {
        painter_.setPen(qpen_);
        penApplied_ = true;
    }
    if (!brushApplied_) {
        painter_.setBrush(qbrush_);
        brushApplied_ = true;
    }
    return &painter_;
}

void TQtDevice::UseMode(QPainter& painter, QPainter::CompositionMode mode)
{
    if (currentMode_ != mode) {
        painter.setCompositionMode(mode);
        currentMode_ = mode;
    }
}

void TQtDevice::UseShapeMode(QPainter& painter)
{
    UseMode(painter, CompositionOf(pen_.Mode));
}

void TQtDevice::UsePlainMode(QPainter& painter)
{
    UseMode(painter, QPainter::CompositionMode_SourceOver);
}

void TQtDevice::SetPen(const TDevicePen& pen)
{
    if (pen == pen_)
        return;
    FlushLines();
    pen_ = pen;
    qpen_ = MakePen(pen);
    penApplied_ = false;
}

void TQtDevice::SetBrush(const TDeviceBrush& brush)
{
    if (brush == brush_)
        return;
    brush_ = brush;
    qbrush_ = MakeBrush(brush);
    brushApplied_ = false;
}

void TQtDevice::SetBackMode(TBackMode mode)
{
    if (backMode_ == mode)
        return;
    // Gathered dashed lines leave their gaps as the mode was when they were drawn.
    FlushLines();
    backMode_ = mode;
}

void TQtDevice::SetBackColor(TColor rgb)
{
    if (backColor_ == rgb)
        return;
    backColor_ = rgb;
}

bool TQtDevice::OpaquePenGaps() const
{
    return backMode_ == bmOpaque && pen_.Width <= 1 && pen_.Style != psSolid && pen_.Style != psClear
        && pen_.Style != psInsideFrame;
}

bool TQtDevice::OpaqueHatchGaps() const
{
    return backMode_ == bmOpaque && brush_.Style != bsSolid && brush_.Style != bsClear;
}

template <typename Draw>
void TQtDevice::DrawShape(QPainter& painter, Draw draw)
{
    UseShapeMode(painter);
    const bool hatchGaps = OpaqueHatchGaps();
    const bool penGaps = OpaquePenGaps();
    if (hatchGaps || penGaps) {
        QPen gapPen(Qt::NoPen);
        if (penGaps) {
            gapPen = QPen(ToQColor(backColor_), 0);
            gapPen.setCapStyle(Qt::FlatCap);
            gapPen.setJoinStyle(Qt::MiterJoin);
        }
        painter.setPen(gapPen);
        painter.setBrush(hatchGaps ? QBrush(ToQColor(backColor_)) : QBrush(Qt::NoBrush));
        draw();
        painter.setPen(qpen_);
        painter.setBrush(qbrush_);
    }
    draw();
}

void TQtDevice::DrawSegment(QPainter& painter, QPoint from, QPoint to)
{
    if (pen_.Width > 1)
        painter.drawLine(from, to);
    else
        painter.drawLine(ThinLineOf(from, to));
}

void TQtDevice::MoveTo(int x, int y)
{
    position_ = QPoint(x, y);
}

QRect TQtDevice::PixelClip() const
{
    const QRect bounds(0, 0, target_->width(), target_->height());
    return clip_ ? clip_->intersected(bounds) : bounds;
}

bool TQtDevice::CanBatchLines() const
{
    if (pen_.Width > 1 || pen_.Mode != pmCopy)
        return false;
    return pen_.Style == psSolid || (!DashPatternOf(pen_.Style).empty() && backMode_ == bmTransparent);
}

bool TQtDevice::ReadyToBatch()
{
    if (batching_)
        return true;
    if (!CanBatchLines())
        return false;
    if (!painter_.isActive() || !penApplied_ || currentMode_ != QPainter::CompositionMode_SourceOver) {
        QPainter* painter = Painter();
        if (painter == nullptr)
            return false;
        UsePlainMode(*painter);
    }
    batching_ = true;
    return true;
}

void TQtDevice::Gather(QPoint from, QPoint to)
{
    lines_.emplace_back(from, to);
    // Drawn in short batches, the gathered lines are still in the processor's cache.
    constexpr std::size_t MaxGathered = 1024;
    if (lines_.size() >= MaxGathered)
        FlushLines();
}

void TQtDevice::FlushLines() const
{
    // Whatever flushes may change the painter's pen, mode or state next.
    batching_ = false;
    if (lines_.empty())
        return;
    // The lines were gathered on the open painter with the pen, mode and clip they are drawn with.
    const TThinLineRaster raster(pixels_, bytesPerLine_, PixelClip());
    const QRgb color = ToQColor(pen_.Color).rgb();
    const std::span<const int> pattern = DashPatternOf(pen_.Style);
    for (const QLine& line : lines_) {
        const bool written = pattern.empty() ? raster.Segment(line.p1(), line.p2(), color) : raster.Dashed(line.p1(), line.p2(), pattern, color);
        if (!written)
            painterLines_.push_back(ThinLineOf(line.p1(), line.p2()));
    }
    if (!painterLines_.empty())
        painter_.drawLines(painterLines_.data(), static_cast<int>(painterLines_.size()));
    lines_.clear();
    painterLines_.clear();
}

void TQtDevice::LineTo(int x, int y)
{
    const QPoint from = position_;
    const QPoint to(x, y);
    position_ = to;
    if (ReadyToBatch()) {
        Gather(from, to);
        return;
    }
    if (QPainter* painter = Painter())
        DrawShape(*painter, [&] { DrawSegment(*painter, from, to); });
}

void TQtDevice::Rectangle(const TRect& rect)
{
    QPainter* painter = Painter();
    if (painter == nullptr)
        return;
    const QRect cell = CellOf(rect);
    const bool outlined = pen_.Style != psClear;
    // The inside and the border are painted separately, so that no pixel is painted twice.
    DrawShape(*painter, [&] {
        const QBrush brush = painter->brush();
        if (brush.style() != Qt::NoBrush) {
            const QRect inside = outlined ? cell.adjusted(1, 1, -1, -1) : cell;
            if (!inside.isEmpty())
                painter->fillRect(inside, brush);
        }
        if (!outlined || painter->pen().style() == Qt::NoPen)
            return;
        if (cell.width() == 1 || cell.height() == 1) {
            painter->fillRect(cell, painter->pen().color());
            return;
        }
        const QPen& pen = painter->pen();
        if (pen.style() == Qt::SolidLine && pen.isCosmetic() && currentMode_ == QPainter::CompositionMode_SourceOver) {
            // The outline QPainter strokes is the cell's border: four strips fill it far faster.
            const QColor color = pen.color();
            painter->fillRect(QRect(cell.left(), cell.top(), cell.width(), 1), color);
            painter->fillRect(QRect(cell.left(), cell.bottom(), cell.width(), 1), color);
            painter->fillRect(QRect(cell.left(), cell.top() + 1, 1, cell.height() - 2), color);
            painter->fillRect(QRect(cell.right(), cell.top() + 1, 1, cell.height() - 2), color);
            return;
        }
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(cell.adjusted(0, 0, -1, -1));
        painter->setBrush(brush);
    });
}

void TQtDevice::FillRect(const TRect& rect)
{
    QPainter* painter = Painter();
    if (painter == nullptr)
        return;
    const QRect cell = CellOf(rect);
    DrawShape(*painter, [&] {
        if (painter->brush().style() != Qt::NoBrush)
            painter->fillRect(cell, painter->brush());
    });
}

void TQtDevice::RoundRect(const TRect& rect, int cornerWidth, int cornerHeight)
{
    QPainter* painter = Painter();
    if (painter == nullptr)
        return;
    const QRect outline = OutlineOf(rect);
    DrawShape(*painter, [&] { painter->drawRoundedRect(outline, cornerWidth / 2.0, cornerHeight / 2.0); });
}

void TQtDevice::Ellipse(const TRect& rect)
{
    QPainter* painter = Painter();
    if (painter == nullptr)
        return;
    const QRect outline = OutlineOf(rect);
    DrawShape(*painter, [&] { painter->drawEllipse(outline); });
}

void TQtDevice::Polygon(std::span<const TPoint> points)
{
    QPainter* painter = Painter();
    if (painter == nullptr || points.empty())
        return;
    points_.clear();
    for (const TPoint& p : points)
        points_.emplace_back(p.X, p.Y);
    UseShapeMode(*painter);
    if (currentMode_ == QPainter::CompositionMode_SourceOver && !OpaqueHatchGaps() && !OpaquePenGaps()
        && shapes_.Polygon(points_, qpen_, qbrush_, pixels_, bytesPerLine_, PixelClip()))
        return;
    DrawShape(*painter, [&] { painter->drawPolygon(points_.data(), static_cast<int>(points_.size()), Qt::OddEvenFill); });
}

void TQtDevice::Polyline(std::span<const TPoint> points)
{
    if (points.size() >= 2 && ReadyToBatch()) {
        for (std::size_t i = 1; i < points.size(); ++i)
            Gather(QPoint(points[i - 1].X, points[i - 1].Y), QPoint(points[i].X, points[i].Y));
        return;
    }
    QPainter* painter = Painter();
    if (painter == nullptr || points.size() < 2)
        return;
    // Drawn as successive lines so that each joint is painted once and the last point not at all.
    DrawShape(*painter, [&] {
        for (std::size_t i = 1; i < points.size(); ++i)
            DrawSegment(*painter, QPoint(points[i - 1].X, points[i - 1].Y), QPoint(points[i].X, points[i].Y));
    });
}

void TQtDevice::SetPixel(int x, int y, TColor rgb)
{
    QPainter* painter = Painter();
    if (painter == nullptr)
        return;
    UsePlainMode(*painter);
    painter->fillRect(QRect(x, y, 1, 1), ToQColor(rgb));
}

void TQtDevice::Arc(const TRect& rect, TPoint start, TPoint end)
{
    QPainter* painter = Painter();
    if (painter == nullptr)
        return;
    const QRectF outline(OutlineOf(rect));
    const TArcAngles angles = ArcAngles(outline, start, end);
    DrawShape(*painter, [&] { painter->drawArc(outline, angles.Start, angles.Span); });
}

void TQtDevice::Pie(const TRect& rect, TPoint start, TPoint end)
{
    QPainter* painter = Painter();
    if (painter == nullptr)
        return;
    const QRectF outline(OutlineOf(rect));
    const TArcAngles angles = ArcAngles(outline, start, end);
    DrawShape(*painter, [&] { painter->drawPie(outline, angles.Start, angles.Span); });
}

void TQtDevice::ClipRect(const TRect& rect)
{
    FlushLines();
    clip_ = QRect(rect.Left, rect.Top, std::max(0, rect.Width()), std::max(0, rect.Height()));
    if (painter_.isActive())
        painter_.setClipRect(*clip_);
}

void TQtDevice::UnClip()
{
    FlushLines();
    clip_.reset();
    if (painter_.isActive())
        painter_.setClipping(false);
}

std::unique_ptr<TBitmapDevice> TQtDevice::CreateBitmap(int width, int height, TBitmapFormat format)
{
    return std::make_unique<TQtDevice>(width, height, format);
}

void TQtDevice::CopyBitmap(const TBitmapDevice& bitmap, int x, int y)
{
    const auto* source = dynamic_cast<const TQtDevice*>(&bitmap);
    if (source == nullptr)
        return;
    const QImage* image = source->FinishedImage();
    if (image == nullptr || image->isNull())
        return;
    QImage converted;
    if (source->format_ == bfMonochrome) {
        converted = image->convertToFormat(QImage::Format_Mono, Qt::ThresholdDither).convertToFormat(QImage::Format_RGB32);
        image = &converted;
    }
    // A copy that covers the whole target image shares the pixels instead of drawing them.
    if (targetImage_ != nullptr && x == 0 && y == 0 && !clip_ && image->size() == targetImage_->size()
        && image->format() == targetImage_->format()) {
        EndPaint();
        *targetImage_ = *image;
        return;
    }
    QPainter* painter = Painter();
    if (painter == nullptr)
        return;
    UseMode(*painter, QPainter::CompositionMode_Source);
    painter->drawImage(x, y, *image);
}
