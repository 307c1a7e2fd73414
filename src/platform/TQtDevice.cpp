#include "platform/TQtDevice.h"

#include "platform/EDeviceError.h"
#include "platform/QtDeviceMapping.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

QImage* ImageOf(QPaintDevice& target)
{
    return target.devType() == QInternal::Image ? static_cast<QImage*>(&target) : nullptr;
}

// An image reports its pixels; the engine draws in its logical size.
QSize LogicalSizeOf(QPaintDevice& target)
{
    const QImage* image = ImageOf(target);
    if (image == nullptr)
        return QSize(target.width(), target.height());
    const QSizeF logical = image->deviceIndependentSize();
    return QSize(qRound(logical.width()), qRound(logical.height()));
}

int ScaledSide(int side, qreal scale)
{
    return static_cast<int>(std::ceil(std::max(side, 0) * scale));
}

int WholeScale(qreal scale)
{
    return scale >= 1.0 && scale == std::floor(scale) ? static_cast<int>(scale) : 0;
}

// On an enlarged surface an outline runs through the middle of its logical pixels, as a one-pixel
// outline covers its pixels on a plain one.
class TPixelCentres {
public:
    TPixelCentres(QPainter& painter, bool enlarged) : painter_(painter), enlarged_(enlarged)
    {
        if (enlarged_)
            painter_.translate(0.5, 0.5);
    }
    ~TPixelCentres()
    {
        if (enlarged_)
            painter_.translate(-0.5, -0.5);
    }
    TPixelCentres(const TPixelCentres&) = delete;
    TPixelCentres& operator=(const TPixelCentres&) = delete;

private:
    QPainter& painter_;
    bool enlarged_;
};

}

TQtDevice::TQtDevice(int width, int height, TBitmapFormat format, qreal scale)
    : ownImage_(std::make_unique<QImage>(ScaledSide(width, scale), ScaledSide(height, scale), QImage::Format_RGB32)),
      target_(ownImage_.get()),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      scale_(scale),
      wholeScale_(WholeScale(scale)),
      targetImage_(ownImage_.get()),
      format_(format),
      batcher_(BatchTarget())
{
    // A picture too large for memory comes back null.
    if (width > 0 && height > 0 && ownImage_->isNull())
        throw EDeviceError("Cannot make a picture of " + std::to_string(width) + " x " + std::to_string(height) + " pixels");
    ownImage_->setDevicePixelRatio(scale);
    ownImage_->fill(Qt::white);
    qpen_ = MakePen(pen_, scale_);
    qbrush_ = MakeBrush(brush_);
}

TQtDevice::TQtDevice(QPaintDevice& target)
    : target_(&target),
      width_(LogicalSizeOf(target).width()),
      height_(LogicalSizeOf(target).height()),
      scale_(target.devicePixelRatio()),
      wholeScale_(WholeScale(scale_)),
      targetImage_(ImageOf(target)),
      batcher_(BatchTarget())
{
    qpen_ = MakePen(pen_, scale_);
    qbrush_ = MakeBrush(brush_);
}

TQtDevice::TQtDevice(QPaintDevice& target, int width, int height, const QTransform& view)
    : target_(&target),
      width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      scale_(std::min(std::abs(view.m11()), std::abs(view.m22()))),
      wholeScale_(0),
      view_(view),
      batcher_(BatchTarget())
{
    qpen_ = MakePen(pen_, scale_);
    qbrush_ = MakeBrush(brush_);
}

const QImage& TQtDevice::Image()
{
    static const QImage none;
    const QImage* image = FinishedImage();
    return image ? *image : none;
}

const QImage* TQtDevice::FinishedImage()
{
    EndPaint();
    return targetImage_;
}

void TQtDevice::EndPaint()
{
    batcher_.End();
}

int TQtDevice::Width() const
{
    return width_;
}

int TQtDevice::Height() const
{
    return height_;
}

TLineBatcher::TTarget TQtDevice::BatchTarget() const
{
    return {target_, targetImage_, view_, wholeScale_, Enlarged(), QSize(width_, height_)};
}

QPainter* TQtDevice::ReadyPainter()
{
    const bool opening = !batcher_.Painting();
    QPainter* painter = batcher_.OpenPainter();
    if (painter == nullptr)
        return nullptr;
    if (opening) {
        currentMode_ = QPainter::CompositionMode_SourceOver;
        penApplied_ = false;
        brushApplied_ = false;
        fontApplied_ = false;
    }
    if (!penApplied_) {
        painter->setPen(qpen_);
        penApplied_ = true;
    }
    if (!brushApplied_) {
        painter->setBrush(qbrush_);
        brushApplied_ = true;
    }
    return painter;
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
    pen_ = pen;
    qpen_ = MakePen(pen, scale_);
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
    if (!batcher_.Surface().Raster) {
        QPainterPath path(from);
        path.lineTo(to);
        painter.strokePath(path, painter.pen());
        return;
    }
    if (pen_.Width > 1)
        painter.drawLine(from, to);
    else
        painter.drawLine(TLineBatcher::ThinSegment(from, to, Enlarged()));
}

void TQtDevice::MoveTo(int x, int y)
{
    position_ = QPoint(x, y);
}

bool TQtDevice::ReadyToBatch()
{
    if (batcher_.Gathering(pen_, backMode_))
        return true;
    if (!TLineBatcher::CanBatch(pen_, backMode_))
        return false;
    if (!batcher_.Painting() || !penApplied_ || currentMode_ != QPainter::CompositionMode_SourceOver) {
        QPainter* painter = ReadyPainter();
        if (painter == nullptr)
            return false;
        UsePlainMode(*painter);
    }
    batcher_.Start(pen_, backMode_);
    return true;
}

void TQtDevice::LineTo(int x, int y)
{
    const QPoint from = position_;
    const QPoint to(x, y);
    position_ = to;
    if (ReadyToBatch()) {
        batcher_.Add(from, to);
        return;
    }
    if (QPainter* painter = ReadyPainter())
        DrawShape(*painter, [&] { DrawSegment(*painter, from, to); });
}

void TQtDevice::Rectangle(const TRect& rect)
{
    QPainter* painter = ReadyPainter();
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
        if (pen.style() == Qt::SolidLine && pen.isCosmetic() && pen_.Width <= 1
            && currentMode_ == QPainter::CompositionMode_SourceOver) {
            // The outline QPainter strokes is the cell's border: four strips fill it far faster.
            const QColor color = pen.color();
            if (Enlarged()) {
                // Strips as wide as the pen in whole surface pixels.
                const QRectF box(cell);
                const qreal side = std::max(1.0, pen.widthF()) / scale_;
                painter->fillRect(QRectF(box.left(), box.top(), box.width(), side), color);
                painter->fillRect(QRectF(box.left(), box.bottom() - side, box.width(), side), color);
                painter->fillRect(QRectF(box.left(), box.top() + side, side, box.height() - 2 * side), color);
                painter->fillRect(QRectF(box.right() - side, box.top() + side, side, box.height() - 2 * side), color);
                return;
            }
            painter->fillRect(QRect(cell.left(), cell.top(), cell.width(), 1), color);
            painter->fillRect(QRect(cell.left(), cell.bottom(), cell.width(), 1), color);
            painter->fillRect(QRect(cell.left(), cell.top() + 1, 1, cell.height() - 2), color);
            painter->fillRect(QRect(cell.right(), cell.top() + 1, 1, cell.height() - 2), color);
            return;
        }
        painter->setBrush(Qt::NoBrush);
        {
            const TPixelCentres centres(*painter, Enlarged());
            painter->drawRect(cell.adjusted(0, 0, -1, -1));
        }
        painter->setBrush(brush);
    });
}

void TQtDevice::FillRect(const TRect& rect)
{
    QPainter* painter = ReadyPainter();
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
    QPainter* painter = ReadyPainter();
    if (painter == nullptr)
        return;
    const QRect outline = OutlineOf(rect);
    const TPixelCentres centres(*painter, Enlarged());
    DrawShape(*painter, [&] { painter->drawRoundedRect(outline, cornerWidth / 2.0, cornerHeight / 2.0); });
}

void TQtDevice::Ellipse(const TRect& rect)
{
    QPainter* painter = ReadyPainter();
    if (painter == nullptr)
        return;
    const QRect outline = OutlineOf(rect);
    const TPixelCentres centres(*painter, Enlarged());
    DrawShape(*painter, [&] { painter->drawEllipse(outline); });
}

void TQtDevice::Polygon(std::span<const TPoint> points)
{
    QPainter* painter = ReadyPainter();
    if (painter == nullptr || points.empty())
        return;
    points_.clear();
    for (const TPoint& p : points)
        points_.emplace_back(p.X, p.Y);
    UseShapeMode(*painter);
    const TLineBatcher::TSurface& surface = batcher_.Surface();
    if (currentMode_ == QPainter::CompositionMode_SourceOver && !OpaqueHatchGaps() && !OpaquePenGaps()
        && shapes_.Polygon(points_, qpen_, qbrush_, wholeScale_, surface.Pixels, surface.BytesPerLine, surface.Clip))
        return;
    const TPixelCentres centres(*painter, Enlarged());
    DrawShape(*painter, [&] { painter->drawPolygon(points_.data(), static_cast<int>(points_.size()), Qt::OddEvenFill); });
}

void TQtDevice::Polyline(std::span<const TPoint> points)
{
    if (points.size() >= 2 && ReadyToBatch()) {
        for (std::size_t i = 1; i < points.size(); ++i)
            batcher_.Add(QPoint(points[i - 1].X, points[i - 1].Y), QPoint(points[i].X, points[i].Y));
        return;
    }
    QPainter* painter = ReadyPainter();
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
    QPainter* painter = ReadyPainter();
    if (painter == nullptr)
        return;
    UsePlainMode(*painter);
    painter->fillRect(QRect(x, y, 1, 1), ToQColor(rgb));
}

void TQtDevice::Arc(const TRect& rect, TPoint start, TPoint end)
{
    QPainter* painter = ReadyPainter();
    if (painter == nullptr)
        return;
    const QRectF outline(OutlineOf(rect));
    const TArcAngles angles = ArcAngles(outline, start, end);
    const TPixelCentres centres(*painter, Enlarged());
    DrawShape(*painter, [&] { painter->drawArc(outline, angles.Start, angles.Span); });
}

void TQtDevice::Pie(const TRect& rect, TPoint start, TPoint end)
{
    QPainter* painter = ReadyPainter();
    if (painter == nullptr)
        return;
    const QRectF outline(OutlineOf(rect));
    const TArcAngles angles = ArcAngles(outline, start, end);
    const TPixelCentres centres(*painter, Enlarged());
    DrawShape(*painter, [&] { painter->drawPie(outline, angles.Start, angles.Span); });
}

void TQtDevice::ClipRect(const TRect& rect)
{
    batcher_.SetClip(QRect(rect.Left, rect.Top, std::max(0, rect.Width()), std::max(0, rect.Height())));
}

void TQtDevice::UnClip()
{
    batcher_.SetClip(std::nullopt);
}

std::unique_ptr<TBitmapDevice> TQtDevice::CreateBitmap(int width, int height, TBitmapFormat format)
{
    return std::make_unique<TQtDevice>(width, height, format, scale_);
}

void TQtDevice::CopyBitmap(TBitmapDevice& bitmap, int x, int y)
{
    auto& source = static_cast<TQtDevice&>(bitmap);
    const QImage* image = source.FinishedImage();
    if (image == nullptr || image->isNull())
        return;
    QImage converted;
    if (source.format_ == bfMonochrome) {
        converted = image->convertToFormat(QImage::Format_Mono, Qt::ThresholdDither).convertToFormat(QImage::Format_RGB32);
        image = &converted;
    }
    // A copy that covers the whole target image shares the pixels instead of drawing them.
    if (targetImage_ != nullptr && x == 0 && y == 0 && !batcher_.Clip() && image->size() == targetImage_->size()
        && image->format() == targetImage_->format() && image->devicePixelRatio() == targetImage_->devicePixelRatio()) {
        EndPaint();
        *targetImage_ = *image;
        return;
    }
    QPainter* painter = ReadyPainter();
    if (painter == nullptr)
        return;
    UseMode(*painter, QPainter::CompositionMode_Source);
    painter->drawImage(x, y, *image);
}
