#pragma once

#include "chart/ChartApi.h"

#include <QImage>

class TChart;
class TQtDevice;

// Draws the chart at the given size into a new image, without a window.
BHN_CHART_API QImage RenderChart(TChart& chart, int width, int height);

// Draws the whole chart at the device's size straight onto the device (a file's surface), past the chart's
// buffer, which the next paint of the window fills again; the chart takes the device's size.
BHN_CHART_API void DrawChartUnbuffered(TChart& chart, TQtDevice& device);
