#pragma once

#include "app/TCalculatorSeries.h"

#include <functional>
#include <map>
#include <string>

class TCustomAxisPanel;
class TEditControl;
class TRadioControl;

// The fields of the calculator window the handlers read and write.
struct TCalculatorControls {
    TEditControl& Edit1;  // variable hardness
    TEditControl& Edit2;  // multiplier
    TEditControl& Edit3;  // relative quality
    TEditControl& Edit4;  // standard hardness
    TEditControl& Edit5;  // inverse
    TRadioControl& RadioGroup1;
};

// The calculator window's handlers, free of any toolkit: the desktop window and the web page bind their own
// controls to it, so both behave alike to the digit.
class TCalculatorWindow {
public:
    // Throws EFormError when the chart lacks one of the calculator's series.
    TCalculatorWindow(const TCalculatorControls& controls, TCustomAxisPanel& chart);

    // The handlers the form description names, by name; the desktop window and the page both bind from it.
    using THandler = void (TCalculatorWindow::*)();
    static const std::map<std::string, THandler>& HandlersByName();

    void FormActivate();
    void Button1Click();
    void Edit4Change();
    void RadioGroup1Click();
    // Reads the variable field into VariableBHN; a rejected entry turns the field grey. True when accepted.
    bool InputBHN();
    // Reads the standard field into StandardBHN (270 when rejected); a rejected entry turns the field grey.
    // True when accepted.
    bool InputBHN0();
    // Refills the nine series: the five curves, the selected curve with its grid points, the standard marker.
    void GraphBHN();

    // What the chart shows, for assistive technology: the mode, the hardness markers and the results beside it.
    std::string ChartDescription() const;
    // Told the new description whenever the chart or the results change.
    std::function<void(const std::string&)> OnDescribeChart;

    const TCalculatorSeries& Series() const { return series_; }

private:
    void DescribeChart();

    TCalculatorControls controls_;
    TCalculatorSeries series_;
};
