// One step of the user's through the chart widget holding a million-point line, each followed by
// the paint it causes: a zoom drag, a wheel notch, a resize. Steps alternate in direction so that
// every iteration sees the same view.

#include "BenchSeries.h"
#include "BenchSupport.h"

#include "chart/series/TFastLineSeries.h"
#include "chart/series/TLineSeries.h"
#include "platform/TChartWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

namespace {

enum class TStep { Zoom, Wheel, Resize };

void SendMouse(TChartWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// A left-button drag from one point to another: down-right zooms in, up-left undoes the zoom.
void Drag(TChartWidget& widget, QPoint from, QPoint to)
{
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseMove, to, Qt::LeftButton);
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

void Wheel(TChartWidget& widget, int delta)
{
    const QPointF at(widget.width() / 2.0, widget.height() / 2.0);
    QWheelEvent event(at, widget.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&widget, &event);
}

template <class T>
void Interaction(benchmark::State& state, TStep step)
{
    TChartWidget widget;
    TChart& chart = widget.Chart();
    PrepareChart(chart);
    FilledSeries<T>(chart);
    widget.resize(BenchChartWidth, BenchChartHeight);
    widget.show();
    QApplication::processEvents();
    int passes = 0;
    chart.OnAfterDraw = [&passes] { ++passes; };
    bool forth = true;
    for (auto _ : state) {
        switch (step) {
        case TStep::Zoom:
            if (forth)
                Drag(widget, QPoint(150, 80), QPoint(420, 260));
            else
                Drag(widget, QPoint(420, 260), QPoint(150, 80));
            break;
        case TStep::Wheel:
            Wheel(widget, forth ? 120 : -120);
            break;
        case TStep::Resize:
            widget.resize(forth ? BenchChartWidth + 47 : BenchChartWidth, forth ? BenchChartHeight + 43 : BenchChartHeight);
            break;
        }
        QApplication::processEvents();
        forth = !forth;
    }
    state.counters["draws_per_step"] = benchmark::Counter(static_cast<double>(passes), benchmark::Counter::kAvgIterations);
}

void LineZoom(benchmark::State& state) { Interaction<TLineSeries>(state, TStep::Zoom); }
void LineWheel(benchmark::State& state) { Interaction<TLineSeries>(state, TStep::Wheel); }
void LineResize(benchmark::State& state) { Interaction<TLineSeries>(state, TStep::Resize); }
void FastLineZoom(benchmark::State& state) { Interaction<TFastLineSeries>(state, TStep::Zoom); }
void FastLineWheel(benchmark::State& state) { Interaction<TFastLineSeries>(state, TStep::Wheel); }
void FastLineResize(benchmark::State& state) { Interaction<TFastLineSeries>(state, TStep::Resize); }

BENCHMARK(LineZoom)->Name("Interaction/LineSeries/1000000/Zoom")->Unit(benchmark::kMillisecond);
BENCHMARK(LineWheel)->Name("Interaction/LineSeries/1000000/Wheel")->Unit(benchmark::kMillisecond);
BENCHMARK(LineResize)->Name("Interaction/LineSeries/1000000/Resize")->Unit(benchmark::kMillisecond);
BENCHMARK(FastLineZoom)->Name("Interaction/FastLineSeries/1000000/Zoom")->Unit(benchmark::kMillisecond);
BENCHMARK(FastLineWheel)->Name("Interaction/FastLineSeries/1000000/Wheel")->Unit(benchmark::kMillisecond);
BENCHMARK(FastLineResize)->Name("Interaction/FastLineSeries/1000000/Resize")->Unit(benchmark::kMillisecond);

} // namespace
