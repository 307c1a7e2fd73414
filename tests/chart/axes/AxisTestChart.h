#pragma once

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "support/TRecordingDevice.h"
#include "chart/panel/TChart.h"
#include "chart/series/TChartSeries.h"

#include <functional>
#include <ostream>
#include <string>
#include <vector>

// A 2D chart of the calculator's size whose draw pass starts the axis layout from a given plot
// rectangle, so the axes can be checked without the title and legend in front of them.
class TAxisTestChart : public TChart {
public:
    TAxisTestChart()
    {
        SetUseBitmapBuffer(false);
        SetView3D(false);
        SetSize(553, 337);
    }

    // The rectangle the titles and legend leave to the axes in the calculator's chart.
    TRect StartRect{17, 31, 430, 324};
    // Runs between the layout and the axis drawing (for instance to clear the device log).
    std::function<void()> BeforePaintAxes;

    void Draw(TRecordingDevice& device) { DrawToCanvas(device, {0, 0, 553, 337}); }
    // Only the layout: the axes' scales, room and pixel spans.
    void Layout(TRecordingDevice& device)
    {
        Canvas().AttachCanvas(device);
        SetPlotRect(StartRect);
        ReserveAxesSpace();
        CollectSeriesMargins();
    }

protected:
    void DrawChartContents(const TRect&) override
    {
        SetPlotRect(StartRect);
        ReserveAxesSpace();
        CollectSeriesMargins();
        if (BeforePaintAxes)
            BeforePaintAxes();
        PaintAxes();
    }
};

// A series plotted on the bottom and left axes that draws nothing.
class TAxisTestSeries : public TChartSeries {
public:
    void CalcFirstLastVisible() override { SetVisibleRange(Count() > 0 ? 0 : -1, Count() - 1); }
    void DrawAllPoints() override {}
};

inline TAxisTestSeries& AddSeries(TChart& chart, const std::vector<double>& xs, const std::vector<double>& ys,
    const std::vector<std::string>& labels = {})
{
    auto* series = new TAxisTestSeries;
    for (std::size_t i = 0; i < xs.size(); ++i)
        series->AddPoint(xs[i], ys[i], i < labels.size() ? labels[i] : std::string());
    chart.AttachSeries(series);
    return *series;
}

// The calculator's axis settings: bottom 200..360, left 0.9..1.5 step 0.1, minor ticks and titles.
inline void ConfigureCalculatorAxes(TChart& chart)
{
    TChartAxis& bottom = chart.BottomAxis();
    bottom.SetAutomatic(false);
    bottom.SetMaximum(360);
    bottom.SetMinimum(200);
    bottom.SetMinorTickCount(4);
    bottom.SetMinorTickLength(4);
    bottom.Title().SetCaption("Hardness");
    TChartAxis& left = chart.LeftAxis();
    left.SetAutomatic(false);
    left.SetExactDateTime(false);
    left.SetMaximum(1.5);
    left.SetMinimum(0.9);
    left.SetIncrement(0.1);
    left.SetMinorTickCount(4);
    left.SetMinorTickLength(5);
    left.Title().SetCaption("Equivalent Protection of 320 BHN");
}

// The texts drawn, with their anchor, alignment and escapement, in drawing order.
struct TDrawnText {
    std::string Text;
    TPoint At;
    unsigned Align = 0;
    int Escapement = 0;

    friend bool operator==(const TDrawnText&, const TDrawnText&) = default;
    friend void PrintTo(const TDrawnText& t, std::ostream* os)
    {
        *os << '"' << t.Text << "\" at (" << t.At.X << ", " << t.At.Y << ") align " << t.Align << " escapement " << t.Escapement;
    }
};

inline std::vector<TDrawnText> DrawnTexts(const TRecordingDevice& device)
{
    std::vector<TDrawnText> texts;
    for (const TDrawRecord& r : device.RecordsOf(TDrawOp::TextOut))
        texts.push_back({r.Text, r.P1, r.State.TextAlign, r.State.Font.Escapement});
    return texts;
}

// A straight line drawn by move-to and line-to.
struct TDrawnLine {
    TPoint From;
    TPoint To;
    friend bool operator==(const TDrawnLine&, const TDrawnLine&) = default;
};

inline std::vector<TDrawnLine> DrawnLines(const TRecordingDevice& device, const std::function<bool(const TDrawRecord&)>& filter = {})
{
    std::vector<TDrawnLine> lines;
    for (const TDrawRecord& r : device.RecordsOf(TDrawOp::LineTo))
        if (!filter || filter(r))
            lines.push_back({r.P1, r.P2});
    return lines;
}
