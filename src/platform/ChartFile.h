#pragma once

#include "chart/ChartApi.h"
#include "picture/TPictureFormat.h"

#include <QByteArray>
#include <QImage>

#include <stdexcept>

class TChart;

// A picture file its encoder could not produce; what() says which ("the PNG encoder failed").
class BHN_CHART_API EPictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The bytes of a PNG file of the image. A null image (its pixels could not be allocated) throws
// std::bad_alloc; a failing encoder throws EPictureError.
BHN_CHART_API QByteArray PngFile(const QImage& image);

// The chart drawn at width x height logical pixels as the bytes of a picture file. PNG holds the
// chart's pixels at one image pixel per logical pixel; SVG and PDF are the same drawing through the
// same canvas on a vector surface: text as text, lines as paths, and a PDF page of the chart's size
// with one point per logical pixel.
BHN_CHART_API QByteArray ChartFile(TChart& chart, int width, int height, TPictureFormat format);
