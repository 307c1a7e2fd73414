#pragma once

#include "model/BHNcalc.h"

class TCustomAxisPanel;
class TLineSeries;
class TPointSeries;

// The nine series of the calculator's chart, found by name in the chart the form built, and how the
// results fill them. The window and the command line's picture both draw through these.
class TCalculatorSeries {
public:
    // Throws EFormError when the chart lacks a series or has one of another class.
    explicit TCalculatorSeries(TCustomAxisPanel& chart);

    // The five curves, the selected curve with its grid points and the standard hardness marker; the variable
    // marker is emptied.
    void Graph(const BHNcalc::TCurve& selected, double standardBHN);
    // The variable hardness marker.
    void MarkVariable(double variableBHN);

    TLineSeries* Series1 = nullptr;
    TLineSeries* Series2 = nullptr;
    TLineSeries* Series3 = nullptr;
    TLineSeries* Series4 = nullptr;
    TLineSeries* Series5 = nullptr;
    TLineSeries* Series6 = nullptr;
    TLineSeries* Series7 = nullptr;
    TLineSeries* Series8 = nullptr;
    TPointSeries* Series9 = nullptr;
};
