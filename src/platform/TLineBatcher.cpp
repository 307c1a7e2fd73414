#include "platform/TLineBatcher.h"

#include "platform/QtDeviceMapping.h"
#include "platform/TThinLineRaster.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <span>

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

QPainter& TLineBatcher::Painter()
{
    Flush();
    open_ = false;
    return painter_;
}

void TLineBatcher::End()
{
    QPainter& painter = Painter();
    if (painter.isActive())
        painter.end();
}

void TLineBatcher::Start(const TSurface& surface, const TDevicePen& pen, TBackMode backMode)
{
    Flush();
    surface_ = surface;
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
