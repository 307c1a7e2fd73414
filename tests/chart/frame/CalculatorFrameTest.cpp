#include "support/TRecordingDevice.h"
#include "chart/frame/TChartLegend.h"
#include "chart/frame/TChartTitle.h"
#include "chart/frame/TChartWall.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The calculator's chart as its window sets it up: 2D, no bevel, a bold title, a clear back wall
// and nine series of which six carry a title and are listed in the legend.
struct TCalculatorChart {
    TChart chart;
    std::vector<TChartSeries*> series;

    TCalculatorChart()
    {
        chart.SetUseBitmapBuffer(false);
        chart.SetView3D(false);
        chart.SetBevelOuter(bvNone);
        chart.BackWall().Brush().SetColor(clWhite);
        chart.BackWall().Brush().SetStyle(bsClear);
        chart.Title().SetText({"Relation of Hardness to Equivalent Protection"});
        chart.Title().Font().SetHeight(-11);
        chart.Title().Font().SetColor(clBlack);
        chart.Title().Font().SetStyle(fsBold);
        struct Line {
            const char* title;
            TColor color;
            bool inLegend;
        };
        const Line lines[] = {
            {"Selected", clBlack, true}, {"0°-35°", clLime, true}, {"40°-60°", 0xFF8000, true},
            {"", clBlue, false}, {"", clFuchsia, false}, {"APFSDS", 0x808040, true},
            {"3\" M62", 0xFF0080, true}, {"3\" M79", clRed, true},
        };
        for (const Line& l : lines) {
            auto* s = new TLineSeries;
            s->SetTitle(l.title);
            s->SetSeriesColor(l.color);
            s->SetShowInLegend(l.inLegend);
            chart.AttachSeries(s);
            series.push_back(s);
        }
        auto* points = new TPointSeries;
        points->SetSeriesColor(clGreen);
        points->SetShowInLegend(false);
        chart.AttachSeries(points);
        series.push_back(points);
    }
};

} // namespace

TEST(CalculatorFrame, LegendTitleAndBackWallOfTheWholeDraw)
{
    TCalculatorChart c;
    TRecordingDevice device;
    c.chart.DrawToCanvas(device, {0, 0, 553, 337});

    EXPECT_EQ(c.chart.Legend().LegendBox(), (TRect{466, 34, 531, 114}));

    // The title is centred over the plot the legend left: (17 + 450) div 2 less half of 255 pixels.
    const std::vector<TDrawRecord> texts = device.RecordsOf(TDrawOp::TextOut);
    const auto title = std::find_if(texts.begin(), texts.end(), [](const TDrawRecord& r) { return r.Text.starts_with("Relation"); });
    ASSERT_NE(title, texts.end());
    EXPECT_EQ(title->P1, (TPoint{233 - 127, 13}));

    // Each legend symbol is a horizontal line in its series' colour across the symbol box.
    const TColor legendColors[] = {clBlack, clLime, 0xFF8000, 0x808040, 0xFF0080, clRed};
    const std::vector<TDrawRecord> lines = device.RecordsOf(TDrawOp::LineTo);
    for (int row = 0; row < 6; ++row) {
        SCOPED_TRACE(row);
        const int y = 35 + row * 13 + (2 + 11) / 2;
        const auto symbol = std::find_if(lines.begin(), lines.end(), [y](const TDrawRecord& r) {
            return r.P1 == TPoint{470, y} && r.P2 == TPoint{477, y};
        });
        ASSERT_NE(symbol, lines.end());
        EXPECT_EQ(symbol->State.Pen.Color, legendColors[row]);
    }

    // The back wall's frame lies on the final plot's edges; the plot's right edge is the legend's left less 16.
    const TRect plot = c.chart.PlotRect();
    EXPECT_EQ(plot.Right, 466 - 16);
    const std::vector<TDrawRecord> rects = device.RecordsOf(TDrawOp::Rectangle);
    const auto wall = std::find_if(rects.begin(), rects.end(), [&](const TDrawRecord& r) {
        return r.Rect == TRect{plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1};
    });
    ASSERT_NE(wall, rects.end());
    EXPECT_EQ(wall->State.Brush.Style, bsClear);
    EXPECT_EQ(c.chart.LegendBackColor(), clWhite);
}
