#pragma once

#include "chart/canvas/DashPattern.h"
#include "chart/canvas/TDeviceState.h"
#include "chart/canvas/TPoint.h"
#include "chart/canvas/TRect.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>

#include <span>
#include <string_view>

// How the chart device's state and geometry map onto Qt's painting objects.

QColor ToQColor(TColor rgb);
QString ToQString(std::string_view utf8);

// The raster operation of a pen mode (pmCopy paints normally).
QPainter::CompositionMode CompositionOf(TPenMode mode);

// A flat-capped pen; width 1 is cosmetic and takes the classic dash lengths, wider pens are solid.
// On a surface with scale pixels per logical pixel every pen is cosmetic and its width scaled and
// rounded to whole pixels (width 0 stays the thinnest line).
QPen MakePen(const TDevicePen& pen, qreal scale = 1.0);
// The line Qt draws with a cosmetic pen so that from is painted and to is not, in either direction.
QLineF ThinLineOf(QPoint from, QPoint to);
QBrush MakeBrush(const TDeviceBrush& brush);
// An aliased font without kerning; a negative height is the character height in pixels, a positive
// one the cell height.
QFont MakeFont(const TDeviceFont& font);

// The pixels l..r-1 by t..b-1 of a device rectangle.
QRect CellOf(const TRect& rect);
// The rectangle whose aliased outline Qt paints on the pixels l..r-1 by t..b-1.
QRect OutlineOf(const TRect& rect);

// Qt's start and span angles (sixteenths of a degree) of the counter-clockwise arc from the ray
// towards start to the ray towards end; equal rays give the whole ellipse.
struct TArcAngles {
    int Start;
    int Span;
};
TArcAngles ArcAngles(const QRectF& ellipse, TPoint start, TPoint end);
