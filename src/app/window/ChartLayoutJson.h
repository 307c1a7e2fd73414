#pragma once

#include <string>

class TChart;
class TDrawingDevice;

// Draws the chart on the device and tells where its parts went, as JSON: the plot, title and legend boxes
// ([left, top, right, bottom]) and the box of every text drawn, in drawing order. The desktop and the web page
// report their layouts through this, so the two can be compared.
std::string ChartLayoutJson(TChart& chart, TDrawingDevice& device);
