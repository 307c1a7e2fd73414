// The calculator's chart: a full draw, the same picture replayed naively, the cached repaint,
// a bare bitmap copy, and the Calculate button with its paint.

#include "BenchSupport.h"

#include "app/TForm1.h"
#include "chart/panel/TChart.h"
#include "platform/TChartWidget.h"
#include "platform/TQtDevice.h"
#include "platform/form/TButton.h"
#include "platform/form/TEdit.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int ChartWidth = 553;
constexpr int ChartHeight = 337;

std::unique_ptr<TForm1> form;

// The window after start-up and Calculate with 237 against 270 in mode 0.
TForm1& CalculatedForm()
{
    if (!form) {
        form = std::make_unique<TForm1>();
        form->show();
        form->FormActivate();
        form->Edit4->SetText("270");
        form->Edit1->SetText("237");
        form->Button1->click();
        QApplication::processEvents();
    }
    return *form;
}


// The window's chart; the cases are meant for its form size, so any other size ends the program.
TChart& CalculatorChart()
{
    TChart& chart = CalculatedForm().Chart1->Chart();
    if (chart.Width() != ChartWidth || chart.Height() != ChartHeight) {
        std::fprintf(stderr, "bhnbench: the calculator chart is %d x %d, not %d x %d\n", chart.Width(), chart.Height(), ChartWidth, ChartHeight);
        std::exit(1);
    }
    return chart;
}

// The full draw on a bitmap with scale pixels per logical pixel.
void TimeFullDraw(benchmark::State& state, qreal scale)
{
    TChart& chart = CalculatorChart();
    TQtDevice bitmap(ChartWidth, ChartHeight, bfColor, scale);
    chart.SetUseBitmapBuffer(false);
    for (auto _ : state) {
        chart.DrawToCanvas(bitmap, TRect{0, 0, ChartWidth, ChartHeight});
        bitmap.EndPaint();
    }
    chart.SetUseBitmapBuffer(true);
    benchmark::DoNotOptimize(bitmap.Image().constBits());
}

// The same picture replayed naively on a bitmap with scale pixels per logical pixel.
void TimeChartNaiveReplay(benchmark::State& state, qreal scale)
{
    TChart& chart = CalculatorChart();
    TRecordingDevice recorder(ChartWidth, ChartHeight);
    chart.SetUseBitmapBuffer(false);
    chart.DrawToCanvas(recorder, TRect{0, 0, ChartWidth, ChartHeight});
    chart.SetUseBitmapBuffer(true);
    TimeNaiveReplay(state, recorder.Records(), ChartWidth, ChartHeight, scale);
}

void CalculatorChartFullDraw(benchmark::State& state)
{
    TimeFullDraw(state, 1.0);
}
BENCHMARK(CalculatorChartFullDraw)->Name("CalculatorChart/FullDraw")->Unit(benchmark::kMicrosecond);

void CalculatorChartNaiveReplay(benchmark::State& state)
{
    TimeChartNaiveReplay(state, 1.0);
}
BENCHMARK(CalculatorChartNaiveReplay)->Name("CalculatorChart/NaiveReplay")->Unit(benchmark::kMicrosecond);

// A screen with a device pixel ratio of 2.
void CalculatorChartFullDraw2x(benchmark::State& state)
{
    TimeFullDraw(state, 2.0);
}
BENCHMARK(CalculatorChartFullDraw2x)->Name("CalculatorChart/FullDraw/2x")->Unit(benchmark::kMicrosecond);

void CalculatorChartNaiveReplay2x(benchmark::State& state)
{
    TimeChartNaiveReplay(state, 2.0);
}
BENCHMARK(CalculatorChartNaiveReplay2x)->Name("CalculatorChart/NaiveReplay/2x")->Unit(benchmark::kMicrosecond);

// The chart widget's own paint handler with nothing changed, onto a surface of the window's kind.
// The labels the form places over the chart are Qt's widgets and are left out.
void CalculatorChartCachedPaint(benchmark::State& state)
{
    TChartWidget& widget = *CalculatedForm().Chart1;
    QImage surface(ChartWidth, ChartHeight, QImage::Format_RGB32);
    widget.render(&surface, QPoint(), QRegion(), QWidget::RenderFlags());
    for (auto _ : state)
        widget.render(&surface, QPoint(), QRegion(), QWidget::RenderFlags());
    benchmark::DoNotOptimize(surface.constBits());
}
BENCHMARK(CalculatorChartCachedPaint)->Name("CalculatorChart/CachedPaint")->Unit(benchmark::kMicrosecond);

void BufferCopy(benchmark::State& state)
{
    QImage source(ChartWidth, ChartHeight, QImage::Format_RGB32);
    source.fill(Qt::gray);
    QImage target(ChartWidth, ChartHeight, QImage::Format_RGB32);
    target.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(0, 0, source);
    }
    benchmark::DoNotOptimize(target.constBits());
}
BENCHMARK(BufferCopy)->Unit(benchmark::kMicrosecond);

void CalculateClick(benchmark::State& state)
{
    TForm1& form = CalculatedForm();
    for (auto _ : state) {
        form.Button1->click();
        QApplication::processEvents();
    }
}
BENCHMARK(CalculateClick)->Unit(benchmark::kMicrosecond);

} // namespace

void ReleaseBenchWindows()
{
    form.reset();
}
