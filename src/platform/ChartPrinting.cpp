#include "platform/ChartPrinting.h"

#include "chart/panel/TChart.h"
#include "platform/TQtDevice.h"

#include <QPrinter>

#include <algorithm>

QTransform PrintView(QSize chart, QSize area, bool proportional)
{
    qreal scaleX = static_cast<qreal>(area.width()) / std::max(chart.width(), 1);
    qreal scaleY = static_cast<qreal>(area.height()) / std::max(chart.height(), 1);
    if (proportional)
        scaleX = scaleY = std::min(scaleX, scaleY);
    return QTransform::fromScale(scaleX, scaleY);
}

void PrintChart(TChart& chart, QPrinter& printer)
{
    const int width = chart.Width();
    const int height = chart.Height();
    const QSize area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    {
        TQtDevice page(printer, width, height, PrintView(QSize(width, height), area, chart.PrintProportional()));
        chart.PrintToCanvas(page, TRect{0, 0, width, height});
    }
    if (printer.printerState() == QPrinter::Error)
        throw EPrintError("The chart could not be printed");
}
