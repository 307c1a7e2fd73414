#include "platform/ChartRendering.h"

#include "chart/panel/TChart.h"
#include "platform/TQtDevice.h"

QImage RenderChart(TChart& chart, int width, int height)
{
    chart.SetSize(width, height);
    TQtDevice device(width, height);
    DrawChartUnbuffered(chart, device);
    // The device draws no more once its image is taken, so the image is shared, not copied.
    return device.Image();
}

void DrawChartUnbuffered(TChart& chart, TQtDevice& device)
{
    const bool buffered = chart.UseBitmapBuffer();
    chart.SetUseBitmapBuffer(false);
    chart.DrawToCanvas(device, TRect{0, 0, device.Width(), device.Height()});
    device.EndPaint();
    chart.SetUseBitmapBuffer(buffered);
}
