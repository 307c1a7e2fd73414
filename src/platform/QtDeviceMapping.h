#pragma once

#include "chart/ChartApi.h"
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

BHN_CHART_API QColor ToQColor(TColor rgb);
BHN_CHART_API QString ToQString(std::string_view utf8);

// The raster operation of a pen mode (pmCopy paints normally).
BHN_CHART_API QPainter::CompositionMode CompositionOf(TPenMode mode);

// A flat-capped pen; width 1 is cosmetic and takes the classic dash lengths, wider pens are solid.
// On a surface with scale pixels per logical pixel every pen is cosmetic and its width scaled and
// rounded to whole pixels (width 0 stays the thinnest line).
BHN_CHART_API QPen MakePen(const TDevicePen& pen, qreal scale = 1.0);
// The line Qt draws with a cosmetic pen so that from is painted and to is not, in either direction.
BHN_CHART_API QLineF ThinLineOf(QPoint from, QPoint to);
BHN_CHART_API QBrush MakeBrush(const TDeviceBrush& brush);
// An aliased font without kerning; a negative height is the character height in pixels, a positive
// one the cell height.
BHN_CHART_API QFont MakeFont(const TDeviceFont& font);

// The pixels l..r-1 by t..b-1 of a device rectangle.
BHN_CHART_API QRect CellOf(const TRect& rect);
// The rectangle whose aliased outline Qt paints on the pixels l..r-1 by t..b-1.
BHN_CHART_API QRect OutlineOf(const TRect& rect);

// Qt's start and span angles (sixteenths of a degree) of the counter-clockwise arc from the ray
// towards start to the ray towards end; equal rays give the whole ellipse.
struct BHN_CHART_API TArcAngles {
    int Start;
    int Span;
};
BHN_CHART_API TArcAngles ArcAngles(const QRectF& ellipse, TPoint start, TPoint end);
