#pragma once

#include "chart/ChartApi.h"

#include <stdexcept>

#include <QSize>
#include <QTransform>

class QPrinter;
class TChart;

// A print job the printer refused or could not finish.
class BHN_CHART_API EPrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The view that enlarges a chart of the given logical size onto the printable area from its top left:
// by the same factor both ways when proportional (the largest that fits), else filling the area.
BHN_CHART_API QTransform PrintView(QSize chart, QSize area, bool proportional);

// Prints the chart on one page: drawn by the engine for a printer (PrintingNow set), enlarged to the
// printable area from its top left, keeping its proportions when PrintProportional, else filling it.
// Throws EPrintError when the printer fails.
BHN_CHART_API void PrintChart(TChart& chart, QPrinter& printer);
