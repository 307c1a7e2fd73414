#include "platform/ChartRendering.h"

#include "chart/panel/TChart.h"
#include "platform/TQtDevice.h"

QImage RenderChart(TChart& chart, int width, int height)
{
    TQtDevice device(width, height);
    DrawChartUnbuffered(chart, device);
    // The device draws no more once its image is taken, so the image is shared, not copied.
    return device.Image();
}

void DrawChartUnbuffered(TChart& chart, TQtDevice& device)
{
    // The one place a picture's size becomes the chart's.
    chart.SetSize(device.Width(), device.Height());
    chart.DrawPicture(device, TRect{0, 0, device.Width(), device.Height()});
    device.EndPaint();
}
