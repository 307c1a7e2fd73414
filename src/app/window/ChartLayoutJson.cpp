#include "app/window/ChartLayoutJson.h"

#include "app/cli/JsonText.h"
#include "chart/canvas/TLayoutRecorder.h"
#include "chart/frame/TChartLegend.h"
#include "chart/frame/TChartTitle.h"
#include "chart/panel/TChart.h"

namespace {

void AppendBox(std::string& out, const TRect& r)
{
    const int sides[] = {r.Left, r.Top, r.Right, r.Bottom};
    char separator = '[';
    for (const int side : sides) {
        out += separator;
        out += std::to_string(side);
        separator = ',';
    }
    out += ']';
}

}  // namespace

std::string ChartLayoutJson(TChart& chart, TDrawingDevice& device)
{
    TLayoutRecorder recorder(device);
    chart.PrintToCanvas(recorder, TRect{0, 0, chart.Width(), chart.Height()});
    std::string json = "{\"plot\":";
    AppendBox(json, chart.PlotRect());
    json += ",\"title\":";
    AppendBox(json, chart.Title().TitleBox());
    json += ",\"legend\":";
    AppendBox(json, chart.Legend().LegendBox());
    json += ",\"texts\":[";
    const auto& boxes = recorder.TextBoxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        json += i == 0 ? "{\"text\":" : ",{\"text\":";
        cli::AppendJsonString(json, boxes[i].Text);
        json += ",\"box\":";
        AppendBox(json, boxes[i].Box);
        json += ",\"escapement\":";
        json += std::to_string(boxes[i].Escapement);
        json += '}';
    }
    return json + "]}";
}
