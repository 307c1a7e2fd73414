#include "platform/TLineBatcher.h"

#include "platform/EDeviceError.h"
#include "platform/QtDeviceMapping.h"
#include "platform/TThinLineRaster.h"

#include <QPaintEngine>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>

namespace {

bool IsPixelImage(const QImage& image)
{
    const QImage::Format format = image.format();
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 || format == QImage::Format_ARGB32_Premultiplied;
}

}

TLineBatcher::TLineBatcher(const TTarget& target)
    : target_(target)
{
    surface_.Clip = PixelClip();
    surface_.Scale = target_.WholeScale;
    surface_.Enlarged = target_.Enlarged;
}

TLineBatcher::~TLineBatcher()
{
    End();
}

bool TLineBatcher::CanBatch(const TDevicePen& pen, TBackMode backMode)
{
    if (pen.Width > 1 || pen.Mode != pmCopy)
        return false;
    return pen.Style == psSolid || (!DashPatternOf(pen.Style).empty() && backMode == bmTransparent);
}

QLineF TLineBatcher::ThinSegment(QPoint from, QPoint to, bool enlarged)
{
    const QLineF line = ThinLineOf(from, to);
    if (!enlarged)
        return line;
    const bool across = std::abs(to.x() - from.x()) >= std::abs(to.y() - from.y());
    return line.translated(across ? QPointF(0, 0.5) : QPointF(0.5, 0));
}

QPainter* TLineBatcher::OpenPainter()
{
    Flush();
    open_ = false;
    if (painter_.isActive())
        return &painter_;
    // An empty surface has nothing to draw on; any other that refuses a painter is a failure.
    QPaintDevice& device = *target_.Device;
    if (device.width() <= 0 || device.height() <= 0)
        return nullptr;
    if (!painter_.begin(&device))
        throw EDeviceError("Cannot draw on the picture");
    painter_.setRenderHint(QPainter::Antialiasing, false);
    if (!target_.View.isIdentity())
        painter_.setWorldTransform(target_.View);
    if (clip_)
        painter_.setClipRect(*clip_);
    surface_.Raster = painter_.paintEngine()->type() == QPaintEngine::Raster;
    // The painter has made the image's pixels its own; lines written into them directly land in the same buffer.
    QImage* image = target_.Image;
    surface_.Pixels = image != nullptr && target_.WholeScale > 0 && IsPixelImage(*image) ? image->bits() : nullptr;
    surface_.BytesPerLine = surface_.Pixels != nullptr ? image->bytesPerLine() : 0;
    return &painter_;
}

void TLineBatcher::End()
{
    Flush();
    open_ = false;
    if (painter_.isActive())
        painter_.end();
}

void TLineBatcher::SetClip(const std::optional<QRect>& logical)
{
    Flush();
    open_ = false;
    clip_ = logical;
    surface_.Clip = PixelClip();
    if (!painter_.isActive())
        return;
    if (clip_)
        painter_.setClipRect(*clip_);
    else
        painter_.setClipping(false);
}

QRect TLineBatcher::PixelClip() const
{
    const QRect bounds(QPoint(0, 0), target_.Logical);
    return ImagePixels(clip_ ? clip_->intersected(bounds) : bounds);
}

QRect TLineBatcher::ImagePixels(const QRect& logical) const
{
    const int scale = target_.WholeScale;
    return scale == 1 ? logical : QRect(logical.topLeft() * scale, logical.size() * scale);
}

void TLineBatcher::Start(const TDevicePen& pen, TBackMode backMode)
{
    Flush();
    pen_ = pen;
    backMode_ = backMode;
    open_ = true;
}

void TLineBatcher::Flush()
{
    if (lines_.empty())
        return;
    if (!surface_.Raster) {
        StrokePath();
        return;
    }
    const TThinLineRaster raster(surface_.Pixels, surface_.BytesPerLine, surface_.Clip);
    const QRgb color = ToQColor(pen_.Color).rgb();
    const int r = surface_.Scale;
    // Enlarged, a line is as many one-pixel lines side by side as a logical pixel is wide, with its
    // dashes as much longer.
    std::array<int, 8> dashes{};
    std::span<const int> pattern = DashPatternOf(pen_.Style);
    if (r > 1 && !pattern.empty()) {
        std::transform(pattern.begin(), pattern.end(), dashes.begin(), [r](int length) { return length * r; });
        pattern = std::span<const int>(dashes.data(), pattern.size());
    }
    for (const QLine& line : lines_) {
        const QPoint across = std::abs(line.dx()) >= std::abs(line.dy()) ? QPoint(0, 1) : QPoint(1, 0);
        bool written = true;
        for (int k = 0; k < std::max(r, 1) && written; ++k) {
            const QPoint from = line.p1() * r + across * k;
            const QPoint to = line.p2() * r + across * k;
            written = pattern.empty() ? raster.Segment(from, to, color) : raster.Dashed(from, to, pattern, color);
        }
        if (!written)
            painterLines_.push_back(ThinSegment(line.p1(), line.p2(), surface_.Enlarged));
    }
    if (!painterLines_.empty())
        painter_.drawLines(painterLines_.data(), static_cast<int>(painterLines_.size()));
    lines_.clear();
    painterLines_.clear();
}

void TLineBatcher::StrokePath()
{
    QPainterPath path;
    for (const QLine& line : lines_) {
        if (path.elementCount() == 0 || path.currentPosition() != QPointF(line.p1()))
            path.moveTo(line.p1());
        path.lineTo(line.p2());
    }
    lines_.clear();
    painter_.strokePath(path, painter_.pen());
}
