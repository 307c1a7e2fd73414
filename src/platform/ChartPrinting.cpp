#include "platform/ChartPrinting.h"

#include "chart/panel/TChart.h"
#include "platform/TQtDevice.h"

#include <QPrinter>

#include <algorithm>

void PrintChart(TChart& chart, QPrinter& printer)
{
    const int width = chart.Width();
    const int height = chart.Height();
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    qreal scaleX = static_cast<qreal>(area.width()) / std::max(width, 1);
    qreal scaleY = static_cast<qreal>(area.height()) / std::max(height, 1);
    if (chart.PrintProportional())
        scaleX = scaleY = std::min(scaleX, scaleY);
    {
        TQtDevice page(printer, width, height, QTransform::fromScale(scaleX, scaleY));
        chart.PrintToCanvas(page, TRect{0, 0, width, height});
    }
    if (printer.printerState() == QPrinter::Error)
        throw EPrintError("The chart could not be printed");
}
