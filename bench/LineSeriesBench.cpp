// A one-million-point line: adding it, drawing it as a line series, replaying its segments
// naively, and drawing it as a fast line series.

#include "BenchSeries.h"
#include "BenchSupport.h"

#include "chart/series/TFastLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "platform/TQtDevice.h"

#include <fstream>
#include <string>
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

// The floor for adding: the same pairs appended to two vectors from empty, which grow as the
// series' lists grow; the storage is released between iterations as ClearPoints releases it.
void VectorAppend(benchmark::State& state)
{
    std::vector<double> xs;
    std::vector<double> ys;
    const std::vector<double>& values = WalkValues();
    for (auto _ : state) {
        state.PauseTiming();
        xs = std::vector<double>();
        ys = std::vector<double>();
        state.ResumeTiming();
        for (int i = 0; i < PointCount; ++i) {
            xs.push_back(i);
            ys.push_back(values[static_cast<std::size_t>(i)]);
        }
        benchmark::DoNotOptimize(xs.data());
        benchmark::DoNotOptimize(ys.data());
    }
}
BENCHMARK(VectorAppend)->Name("VectorAppend/1000000")->Unit(benchmark::kMillisecond);

// The resident memory of the process, in bytes.
double ResidentBytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stod(line.substr(6)) * 1024;
    return 0;
}

// The memory a series of ten million points holds: what the process grows by, per point.
void LineSeriesMemory(benchmark::State& state)
{
    constexpr int Points = 10000000;
    const std::vector<double>& values = WalkValues();
    double perPoint = 0;
    for (auto _ : state) {
        TChart chart;
        PrepareChart(chart);
        const double before = ResidentBytes();
        auto* series = new TLineSeries;
        series->SetParentChart(&chart);
        for (int i = 0; i < Points; ++i)
            series->AddPoint(i, values[static_cast<std::size_t>(i) % values.size()]);
        perPoint = (ResidentBytes() - before) / Points;
    }
    state.counters["bytes_per_point"] = perPoint;
}
BENCHMARK(LineSeriesMemory)->Name("LineSeries/Memory/10000000")->Unit(benchmark::kMillisecond)->Iterations(1);

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
