#include "platform/ChartFile.h"

#include "chart/panel/TChart.h"
#include "platform/ChartRendering.h"
#include "platform/TQtDevice.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <new>

namespace {

// A logical pixel is a screen pixel at 96 dots per inch in every format, so one chart has one physical size.
constexpr int PixelsPerInch = 96;
constexpr double PointsPerPixel = 72.0 / PixelsPerInch;

QByteArray SvgFile(TChart& chart, int width, int height)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setResolution(PixelsPerInch);
    svg.setTitle(QStringLiteral("bhncalc chart"));
    {
        TQtDevice device(svg, width, height, QTransform());
        DrawChartUnbuffered(chart, device);
    }
    return bytes;
}

QByteArray PdfFile(TChart& chart, int width, int height)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(PixelsPerInch);
        // Qt keeps a page's size in whole points: the page is the chart's size rounded up to them, the chart
        // itself drawn at its exact size from the top left corner.
        pdf.setPageSize(QPageSize(QSizeF(width * PointsPerPixel, height * PointsPerPixel), QPageSize::Point, QString(),
            QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF());
        pdf.setCreator(QStringLiteral("bhncalc"));
        TQtDevice device(pdf, width, height, QTransform());
        DrawChartUnbuffered(chart, device);
    }
    return bytes;
}

}  // namespace

QByteArray PngFile(const QImage& image)
{
    if (image.isNull())
        throw std::bad_alloc();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        throw EPictureError("the PNG encoder failed");
    return bytes;
}

QByteArray ChartFile(TChart& chart, int width, int height, TPictureFormat format)
{
    switch (format) {
    case TPictureFormat::Svg:
        return SvgFile(chart, width, height);
    case TPictureFormat::Pdf:
        return PdfFile(chart, width, height);
    case TPictureFormat::Png:
        break;
    }
    return PngFile(RenderChart(chart, width, height));
}
