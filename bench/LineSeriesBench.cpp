// A one-million-point line: adding it, drawing it as a line series, replaying its segments
// naively, and drawing it as a fast line series.

#include "BenchSeries.h"
#include "BenchSupport.h"

#include "chart/series/TFastLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "platform/TQtDevice.h"

#include <vector>

namespace {

constexpr int ChartWidth = BenchChartWidth;
constexpr int ChartHeight = BenchChartHeight;
constexpr int PointCount = BenchPointCount;

void LineSeriesAdd(benchmark::State& state)
{
    TChart chart;
    PrepareChart(chart);
    chart.SetUseBitmapBuffer(false);
    int repaintRequests = 0;
    chart.OnInvalidate = [&repaintRequests] { ++repaintRequests; };
    auto* series = new TLineSeries;
    series->SetParentChart(&chart);
    const std::vector<double>& values = WalkValues();
    for (auto _ : state) {
        state.PauseTiming();
        series->ClearPoints();
        state.ResumeTiming();
        for (int i = 0; i < PointCount; ++i)
            series->AddPoint(i, values[static_cast<std::size_t>(i)]);
    }
    state.counters["per_point"] = benchmark::Counter(static_cast<double>(PointCount),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    benchmark::DoNotOptimize(repaintRequests);
}
BENCHMARK(LineSeriesAdd)->Name("LineSeries/Add/1000000")->Unit(benchmark::kMillisecond);

template <class T>
void SeriesDraw(benchmark::State& state)
{
    TChart chart;
    PrepareChart(chart);
    chart.SetUseBitmapBuffer(false);
    FilledSeries<T>(chart);
    TQtDevice bitmap(ChartWidth, ChartHeight);
    for (auto _ : state) {
        chart.DrawToCanvas(bitmap, TRect{0, 0, ChartWidth, ChartHeight});
        bitmap.EndPaint();
    }
    benchmark::DoNotOptimize(bitmap.Image().constBits());
}
BENCHMARK(SeriesDraw<TLineSeries>)->Name("LineSeries/Draw/1000000")->Unit(benchmark::kMillisecond);
BENCHMARK(SeriesDraw<TFastLineSeries>)->Name("FastLineSeries/Draw/1000000")->Unit(benchmark::kMillisecond);

// The line series drawn a segment per point, as the naive replay draws it.
class TSegmentBySegmentLine : public TLineSeries {
public:
    void DrawAllPoints() override { TChartSeries::DrawAllPoints(); }
};

void LineSeriesNaiveReplay(benchmark::State& state)
{
    TChart chart;
    PrepareChart(chart);
    chart.SetUseBitmapBuffer(false);
    TLineSeries& series = FilledSeries<TSegmentBySegmentLine>(chart);
    TRecordingDevice recorder(ChartWidth, ChartHeight);
    std::size_t begin = 0;
    std::size_t end = 0;
    series.BeforeDrawValues = [&](TChartSeries&) { begin = recorder.Records().size(); };
    series.AfterDrawValues = [&](TChartSeries&) { end = recorder.Records().size(); };
    chart.DrawToCanvas(recorder, TRect{0, 0, ChartWidth, ChartHeight});
    const std::vector<TDrawRecord> segments(recorder.Records().begin() + static_cast<long>(begin),
        recorder.Records().begin() + static_cast<long>(end));
    recorder.Clear();
    TimeNaiveReplay(state, segments, ChartWidth, ChartHeight);
}
BENCHMARK(LineSeriesNaiveReplay)->Name("LineSeries/NaiveReplay/1000000")->Unit(benchmark::kMillisecond);

} // namespace
