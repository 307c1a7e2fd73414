#pragma once

#include "chart/canvas/TChartCanvas3D.h"
#include "support/TRecordingDevice.h"
#include "chart/frame/TFrameLayout.h"
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

    // Draws with only the given step as the draw pass and returns PlotRect as the step left it.
    // The panel is the calculator's chart, 553 x 337 pixels, so PlotRect starts as (17, 13, 536, 324).
    TRect DrawStep(TRecordingDevice& device, const std::function<void()>& step)
    {
        TRect after;
        contents_ = [&] {
            step();
            after = PlotRect();
        };
        DrawToCanvas(device, {0, 0, 553, 337});
        contents_ = nullptr;
        return after;
    }

    // The chart's own placement and drawing of legend, title and foot.
    void PlaceTitles()
    {
        TFrameLayout layout;
        LayOutTitlesAndLegend(layout);
        PaintTitlesAndLegend(layout);
    }
    // The depth offsets and projection the draw pass sets up before the walls in 3D.
    void Prepare3D()
    {
        CalcDepth3D();
        Canvas().SetProjection(Depth3DX(), PlotRect());
    }

protected:
    void DrawChartContents(const TRect&) override
    {
        if (contents_)
            contents_();
    }

private:
    std::function<void()> contents_;
};

// A series that remembers where the legend asked for its symbol instead of drawing one.
class TSymbolProbeSeries : public TChartSeries {
public:
    std::vector<std::pair<int, TRect>> Symbols;

    void DrawLegendItem(int index, const TRect& rect, TColor) override { Symbols.emplace_back(index, rect); }
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

// Where the texts were drawn, in order.
inline std::vector<TPoint> TextPositions(const TRecordingDevice& device)
{
    std::vector<TPoint> points;
    for (const TDrawRecord& r : device.RecordsOf(TDrawOp::TextOut))
        points.push_back(r.P1);
    return points;
}

// The texts drawn, in order.
inline std::vector<std::string> DrawnTexts(const TRecordingDevice& device)
{
    std::vector<std::string> texts;
    for (const TDrawRecord& r : device.RecordsOf(TDrawOp::TextOut))
        texts.push_back(r.Text);
    return texts;
}
