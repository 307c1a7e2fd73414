// A one-series chart of a million-point line with its legend listing the values, against the same
// chart without its legend: drawn again with nothing changed, and drawn right after a value changed.

#include "BenchSeries.h"
#include "BenchSupport.h"

#include "chart/series/TChartValueList.h"
#include "chart/series/TLineSeries.h"
#include "platform/TQtDevice.h"

namespace {

enum class TLegendCase { None, Redraw, First };

void LegendDraw(benchmark::State& state, TLegendCase kind)
{
    TChart chart;
    PrepareChart(chart);
    chart.SetUseBitmapBuffer(false);
    chart.Legend().SetVisible(kind != TLegendCase::None);
    TLineSeries& series = FilledSeries<TLineSeries>(chart);
    TQtDevice bitmap(BenchChartWidth, BenchChartHeight);
    chart.DrawToCanvas(bitmap, TRect{0, 0, BenchChartWidth, BenchChartHeight});
    bitmap.EndPaint();
    const double first = series.YValues().ValueAt(0);
    for (auto _ : state) {
        if (kind == TLegendCase::First) {
            // The same value stored again still counts as a change of the values.
            state.PauseTiming();
            series.YValues().SetValueAt(0, first);
            state.ResumeTiming();
        }
        chart.DrawToCanvas(bitmap, TRect{0, 0, BenchChartWidth, BenchChartHeight});
        bitmap.EndPaint();
    }
    benchmark::DoNotOptimize(bitmap.Image().constBits());
}

void LegendNone(benchmark::State& state) { LegendDraw(state, TLegendCase::None); }
void LegendRedraw(benchmark::State& state) { LegendDraw(state, TLegendCase::Redraw); }
void LegendFirst(benchmark::State& state) { LegendDraw(state, TLegendCase::First); }

BENCHMARK(LegendNone)->Name("Legend/None/1000000")->Unit(benchmark::kMillisecond);
BENCHMARK(LegendRedraw)->Name("Legend/Values/1000000/Redraw")->Unit(benchmark::kMillisecond);
BENCHMARK(LegendFirst)->Name("Legend/Values/1000000/First")->Unit(benchmark::kMillisecond);

} // namespace
