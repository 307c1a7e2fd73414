#include "chart/series/TSeriesPointer.h"

#include "chart/canvas/SetterRule.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/panel/ChartException.h"
#include "chart/series/TChartSeries.h"

#include <array>

TSeriesPointer::TSeriesPointer(TChartSeries& owner)
    : owner_(owner)
{
    const TNotifyEvent changed = [this] { Changed(); };
    brush_.SetOnChange(changed);
    pen_.SetOnChange(changed);
}

void TSeriesPointer::Changed() const
{
    owner_.InvalidateChart();
}

void TSeriesPointer::CheckSize(int value)
{
    if (value < 1)
        throw ChartException("Pointer size must be greater than zero");
}

void TSeriesPointer::Assign(const TSeriesPointer& source)
{
    CheckSize(source.horizSize_);
    CheckSize(source.vertSize_);
    const bool changed = dark3D_ != source.dark3D_ || draw3D_ != source.draw3D_ || horizSize_ != source.horizSize_
        || inflateMargins_ != source.inflateMargins_ || style_ != source.style_ || vertSize_ != source.vertSize_
        || visible_ != source.visible_;
    dark3D_ = source.dark3D_;
    draw3D_ = source.draw3D_;
    horizSize_ = source.horizSize_;
    inflateMargins_ = source.inflateMargins_;
    style_ = source.style_;
    vertSize_ = source.vertSize_;
    visible_ = source.visible_;
    brush_.Assign(source.brush_);
    pen_.Assign(source.pen_);
    if (changed)
        Changed();
}

void TSeriesPointer::SetDark3D(bool value)
{
    StoreAndInvalidate(dark3D_, value, [this] { Changed(); });
}

void TSeriesPointer::SetDraw3D(bool value)
{
    StoreAndInvalidate(draw3D_, value, [this] { Changed(); });
}

void TSeriesPointer::SetHorizSize(int value)
{
    CheckSize(value);
    StoreAndInvalidate(horizSize_, value, [this] { Changed(); });
}

void TSeriesPointer::SetVertSize(int value)
{
    CheckSize(value);
    StoreAndInvalidate(vertSize_, value, [this] { Changed(); });
}

void TSeriesPointer::SetInflateMargins(bool value)
{
    StoreAndInvalidate(inflateMargins_, value, [this] { Changed(); });
}

void TSeriesPointer::SetStyle(TSeriesPointerStyle value)
{
    StoreAndInvalidate(style_, value, [this] { Changed(); });
}

void TSeriesPointer::SetVisible(bool value)
{
    StoreAndInvalidate(visible_, value, [this] { Changed(); });
}

void TSeriesPointer::PrepareMarkerCanvas(TColor color) const
{
    TChartCanvas3D& canvas = owner_.Canvas();
    canvas.SelectChartPen(pen_);
    if (pen_.Visible() && pen_.Color() == clAutoColor)
        canvas.Pen().SetColor(color);
    canvas.Brush().Assign(brush_);
    if (brush_.Color() == clAutoColor)
        canvas.Brush().SetColor(color);
}

void TSeriesPointer::DrawMarker(int x, int y, int h, int v, TColor color, TSeriesPointerStyle style) const
{
    TChartCanvas3D& canvas = owner_.Canvas();
    const int left = x - h;
    const int right = x + h;
    const int top = y - v;
    const int bottom = y + v;
    const auto cross = [&] {
        canvas.Pen().SetColor(color);
        canvas.VertLine(x, top, bottom + 1);
        canvas.HorizLine(left, right + 1, y);
    };
    const auto diagonalCross = [&] {
        canvas.Pen().SetColor(color);
        canvas.Line(left, top, right + 1, bottom + 1);
        canvas.Line(right, top, left - 1, bottom + 1);
    };
    switch (style) {
    case psRectangle:
        canvas.Rectangle(left, top, right + 1, bottom + 1);
        break;
    case psCircle:
        canvas.Ellipse(left, top, right, bottom);
        break;
    case psTriangle: {
        const std::array<TPoint, 3> points{TPoint{left, bottom}, TPoint{right, bottom}, TPoint{x, top}};
        canvas.Polygon(points);
        // A raster device's outline leaves out the base's right end, where the edge turns upwards; the base
        // drawn once more ends there, so the triangle is as symmetric as the other shapes.
        if (canvas.Pen().Style() != psClear)
            canvas.HorizLine(left, right + 1, bottom);
        break;
    }
    case psDownTriangle: {
        const std::array<TPoint, 3> points{TPoint{left, top}, TPoint{right, top}, TPoint{x, bottom}};
        canvas.Polygon(points);
        break;
    }
    case psCross:
        cross();
        break;
    case psDiagCross:
        diagonalCross();
        break;
    case psStar:
        cross();
        diagonalCross();
        break;
    case psDiamond: {
        const std::array<TPoint, 4> points{TPoint{left, y}, TPoint{x, top}, TPoint{right, y}, TPoint{x, bottom}};
        canvas.Polygon(points);
        break;
    }
    case psSmallDot:
        canvas.SetPixel(x, y, color);
        break;
    }
}
