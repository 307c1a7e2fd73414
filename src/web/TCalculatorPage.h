#pragma once

#include "app/window/TCalculatorWindow.h"
#include "chart/panel/TChart.h"
#include "platform/form/TFormNode.h"
#include "web/TCanvasDevice.h"
#include "web/TPageEdit.h"
#include "web/TPageRadioGroup.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

// The calculator in a web page: the chart and the handlers built from the form description, working on the
// page's elements. The page made those elements from the same description; it forwards their events here by
// control and event name, and the chart's mouse input and paints.
class TCalculatorPage {
public:
    // Throws EFormError when the form lacks a control, the chart or a series the calculator works on.
    TCalculatorPage(std::string_view formText, const std::string& fileName, int canvasId);

    // Runs the handler the form binds to the control's event (OnClick, OnChange, OnActivate), if any.
    void Event(const std::string& control, const std::string& event);
    void Paint();
    // Puts what was painted on the chart since the last time on the page's canvas.
    void Present();
    // The chart's layout drawn on a surface of the page's kind, as JSON (ChartLayoutJson).
    std::string LayoutJson();
    // What the chart holds, for tests: {"series": {name: [y...]}, "axes": [bottom min, max, left min, max]}.
    std::string ProbeJson() const;
    // The pixel of a value pair on the bottom and left axes.
    std::pair<int, int> ValuePixel(double x, double y) const;
    // Draws the whole chart afresh, unbuffered, on the page's canvas and returns that canvas's id: what a
    // benchmark times.
    int FullDraw();
    TChart& Chart() { return *chart_; }

private:
    void Bind(const TFormNode& node);

    std::unique_ptr<TChart> chart_;
    std::unique_ptr<TCanvasDevice> window_;
    TPageEdit edit1_{"Edit1"};
    TPageEdit edit2_{"Edit2"};
    TPageEdit edit3_{"Edit3"};
    TPageEdit edit4_{"Edit4"};
    TPageEdit edit5_{"Edit5"};
    std::unique_ptr<TPageRadioGroup> radioGroup1_;
    std::unique_ptr<TCalculatorWindow> calculator_;
    // "control.event" → the handler the form names for it.
    std::map<std::string, std::function<void()>> events_;
};
