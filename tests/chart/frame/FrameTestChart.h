#pragma once

#include "chart/canvas/TChartCanvas3D.h"
#include "chart/canvas/TRecordingDevice.h"
#include "chart/panel/TChart.h"
#include "chart/series/TChartSeries.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// A 2D chart whose draw pass runs only the frame steps a test gives it, straight into the device.
class TFrameTestChart : public TChart {
public:
    TFrameTestChart()
    {
        SetUseBitmapBuffer(false);
        SetView3D(false);
    }

    std::function<void()> Contents;

    // The chart's own placement of legend, title and foot.
    void PlaceTitles() { PlaceTitlesAndLegend(); }
    // The depth offsets and projection the draw pass sets up before the walls in 3D.
    void Prepare3D()
    {
        CalcDepth3D();
        Canvas().SetProjection(Depth3DX(), PlotRect());
    }

    // The calculator's chart: 553 x 337 pixels, so PlotRect starts as (17, 13, 536, 324).
    void DrawOn(TRecordingDevice& device, const TRect& rect = {0, 0, 553, 337}) { DrawToCanvas(device, rect); }

protected:
    void DrawChartContents(const TRect&) override
    {
        if (Contents)
            Contents();
    }
};

// A series that remembers where the legend asked for its symbol instead of drawing one.
class TSymbolProbeSeries : public TChartSeries {
public:
    std::vector<std::pair<int, TRect>> Symbols;

    void DrawLegendItem(int index, const TRect& rect) override { Symbols.emplace_back(index, rect); }
};

// Attaches a series with a title (and a name); the chart owns it.
inline TSymbolProbeSeries& AddProbeSeries(TChart& chart, const std::string& title, bool showInLegend = true)
{
    auto* series = new TSymbolProbeSeries;
    series->SetTitle(title);
    series->SetShowInLegend(showInLegend);
    chart.AttachSeries(series);
    return *series;
}

// The calculator's nine series: six titled ones in the legend, two marker lines and the points outside it.
inline std::vector<TSymbolProbeSeries*> AddCalculatorSeries(TChart& chart)
{
    return {
        &AddProbeSeries(chart, "Selected"),
        &AddProbeSeries(chart, "0°-35°"),
        &AddProbeSeries(chart, "40°-60°"),
        &AddProbeSeries(chart, "", false),
        &AddProbeSeries(chart, "", false),
        &AddProbeSeries(chart, "APFSDS"),
        &AddProbeSeries(chart, "3\" M62"),
        &AddProbeSeries(chart, "3\" M79"),
        &AddProbeSeries(chart, "", false),
    };
}

// The texts drawn, in order.
inline std::vector<std::string> DrawnTexts(const TRecordingDevice& device)
{
    std::vector<std::string> texts;
    for (const TDrawRecord& r : device.RecordsOf(TDrawOp::TextOut))
        texts.push_back(r.Text);
    return texts;
}
