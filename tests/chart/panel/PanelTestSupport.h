#pragma once

#include "chart/canvas/TChartCanvas3D.h"
#include "support/TRecordingDevice.h"
#include "chart/panel/TChart.h"
#include "chart/series/TChartSeries.h"

#include <functional>
#include <string>
#include <vector>

// A chart that remembers PlotRect as the titles and legend are about to take their room.
class TPlotProbeChart : public TChart {
public:
    using TChart::TChart;

    TRect PlotRectBeforeTitles;

protected:
    void LayOutTitlesAndLegend(TFrameLayout& layout) override
    {
        PlotRectBeforeTitles = PlotRect();
        TChart::LayOutTitlesAndLegend(layout);
    }
};

// A series that draws one marker rectangle per paint, so its place in the device log shows the draw order.
class TMarkerSeries : public TChartSeries {
public:
    explicit TMarkerSeries(TRect marker, bool* destroyed = nullptr) : marker_(marker), destroyed_(destroyed) {}
    ~TMarkerSeries() override
    {
        if (destroyed_ != nullptr)
            *destroyed_ = true;
    }

    TRect Marker() const { return marker_; }
    // Called from the pre-draw hook.
    std::function<void()> OnBeforeDrawChart;

    void BeforeDrawChart() override
    {
        if (OnBeforeDrawChart)
            OnBeforeDrawChart();
    }

    void CalcFirstLastVisible() override { SetVisibleRange(Count() > 0 ? 0 : -1, Count() - 1); }
    void DrawAllPoints() override
    {
        Canvas().Brush().SetColor(SeriesColor());
        Canvas().Rectangle(marker_);
    }

private:
    TRect marker_;
    bool* destroyed_;
};

// Attaches a marker series with the points (x, y) of xs and ys; the chart owns it.
inline TMarkerSeries& AddMarkerSeries(TChart& chart, const std::vector<double>& xs, const std::vector<double>& ys, TRect marker = {})
{
    auto* series = new TMarkerSeries(marker);
    for (std::size_t i = 0; i < xs.size(); ++i)
        series->AddPoint(xs[i], ys[i]);
    chart.AttachSeries(series);
    return *series;
}

// The index in the device log of the first record matching the predicate from start on, or -1.
template <typename Predicate>
int IndexOf(const TRecordingDevice& device, Predicate predicate, int start = 0)
{
    const std::vector<TDrawRecord>& records = device.Records();
    for (std::size_t i = static_cast<std::size_t>(start); i < records.size(); ++i) {
        if (predicate(records[i]))
            return static_cast<int>(i);
    }
    return -1;
}
