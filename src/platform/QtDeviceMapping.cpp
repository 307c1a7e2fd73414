#include "platform/QtDeviceMapping.h"

#include "platform/LayoutFont.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The counter-clockwise angle (degrees) of the ray from the ellipse's centre towards p, in the
// ellipse's own parameter so that Qt's arc starts where that ray meets the ellipse.
double EllipseAngle(const QRectF& r, TPoint p)
{
    const double dx = (p.X - r.center().x()) * r.height();
    const double dy = (r.center().y() - p.Y) * r.width();
    if (dx == 0 && dy == 0)
        return 0;
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
}

}

QColor ToQColor(TColor rgb)
{
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

QPainter::CompositionMode CompositionOf(TPenMode mode)
{
    switch (mode) {
    case pmBlack: return QPainter::RasterOp_ClearDestination;
    case pmWhite: return QPainter::RasterOp_SetDestination;
    case pmNop: return QPainter::CompositionMode_Destination;
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmCopy: return QPainter::CompositionMode_SourceOver;
    case pmNotCopy: return QPainter::RasterOp_NotSource;
    case pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    }
    return QPainter::CompositionMode_SourceOver;
}

QPen MakePen(const TDevicePen& pen, qreal scale)
{
    if (pen.Style == psClear)
        return QPen(Qt::NoPen);
    QPen result(ToQColor(pen.Color));
    result.setCapStyle(Qt::FlatCap);
    result.setJoinStyle(Qt::MiterJoin);
    if (scale != 1.0) {
        result.setCosmetic(true);
        result.setWidth(pen.Width <= 0 ? 0 : std::max(1, static_cast<int>(std::lround(pen.Width * scale))));
        const std::span<const int> pattern = pen.Width > 1 ? std::span<const int>() : DashPatternOf(pen.Style);
        // Dashes are counted in pen widths; the thinnest pen counts one pixel, so its dashes are
        // enlarged here to keep their length in logical pixels.
        const qreal unit = pen.Width <= 0 ? scale : 1.0;
        QList<qreal> dashes;
        for (const int length : pattern)
            dashes.push_back(length * unit);
        if (!dashes.isEmpty())
            result.setDashPattern(dashes);
        return result;
    }
    if (pen.Width > 1) {
        // Wide pens are always solid, as on the classic device.
        result.setWidth(pen.Width);
        return result;
    }
    result.setWidth(0);
    const std::span<const int> pattern = DashPatternOf(pen.Style);
    if (!pattern.empty())
        result.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    return result;
}

QLineF ThinLineOf(QPoint from, QPoint to)
{
    // Qt's thin flat-capped line covers the half-open span [low, high) of its main axis, which drops
    // the end point only when the line runs towards higher coordinates. A line running the other way
    // is slid one step back along itself: the same pixels of the same line, start kept, end dropped.
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    const int major = std::abs(dx) >= std::abs(dy) ? dx : dy;
    if (major >= 0)
        return QLineF(from, to);
    const double steps = -major;
    const QPointF back(-dx / steps, -dy / steps);
    return QLineF(QPointF(from) + back, QPointF(to) + back);
}

QBrush MakeBrush(const TDeviceBrush& brush)
{
    const QColor color = ToQColor(brush.Color);
    switch (brush.Style) {
    case bsSolid: return QBrush(color, Qt::SolidPattern);
    case bsClear: return QBrush(Qt::NoBrush);
    case bsHorizontal: return QBrush(color, Qt::HorPattern);
    case bsVertical: return QBrush(color, Qt::VerPattern);
    case bsFDiagonal: return QBrush(color, Qt::BDiagPattern);
    case bsBDiagonal: return QBrush(color, Qt::FDiagPattern);
    case bsCross: return QBrush(color, Qt::CrossPattern);
    case bsDiagCross: return QBrush(color, Qt::DiagCrossPattern);
    }
    return QBrush(Qt::NoBrush);
}

QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

TArcAngles ArcAngles(const QRectF& r, TPoint start, TPoint end)
{
    const double from = EllipseAngle(r, start);
    double span = EllipseAngle(r, end) - from;
    if (span <= 0)
        span += 360;
    return {static_cast<int>(std::lround(from * 16)), static_cast<int>(std::lround(span * 16))};
}

QFont MakeFont(const TDeviceFont& font)
{
    QFont qfont(QtFontFamily(font.Name));
    qfont.setStyleStrategy(QFont::NoAntialias);
    // Aliased glyphs are drawn fully hinted whatever the system asks; their advances must be the hinted ones
    // too, or the glyphs drawn do not fit the places laid out for them.
    qfont.setHintingPreference(QFont::PreferFullHinting);
    qfont.setKerning(false);
    qfont.setBold(font.Style.Contains(fsBold));
    qfont.setItalic(font.Style.Contains(fsItalic));
    qfont.setUnderline(font.Style.Contains(fsUnderline));
    qfont.setStrikeOut(font.Style.Contains(fsStrikeOut));
    // A negative height is the character (em) height; a positive one the whole cell; zero the default.
    const int pixels = font.Height < 0 ? -font.Height : (font.Height > 0 ? font.Height : 11);
    qfont.setPixelSize(std::max(1, pixels));
    if (font.Height > 0) {
        const QFontMetricsF cell(qfont);
        const double height = cell.ascent() + cell.descent();
        if (height > 0)
            qfont.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * pixels / height))));
    }
    return qfont;
}

QRect CellOf(const TRect& rect)
{
    return QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)).normalized();
}

QRect OutlineOf(const TRect& rect)
{
    return CellOf(rect).adjusted(0, 0, -1, -1);
}
