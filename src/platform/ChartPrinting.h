#pragma once

#include <stdexcept>

class QPrinter;
class TChart;

// A print job the printer refused or could not finish.
class EPrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Prints the chart on one page: drawn by the engine for a printer (PrintingNow set), enlarged to the
// printable area from its top left, keeping its proportions when PrintProportional, else filling it.
// Throws EPrintError when the printer fails.
void PrintChart(TChart& chart, QPrinter& printer);
