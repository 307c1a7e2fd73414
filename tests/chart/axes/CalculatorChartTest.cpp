#include "chart/axes/FormatFloat.h"
#include "chart/axes/TChartAxis.h"
#include "support/TRecordingDevice.h"
#include "chart/frame/TChartTitle.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"

#include "AxisTestChart.h"

#include <gtest/gtest.h>

namespace {

// The whole draw pass of the calculator's chart (title, legend of six titled series, axes): the
// axes start from the rectangle the title and legend leave them and end where the example says.
TEST(CalculatorChart, TheFullDrawPassGivesTheExampleRectangle)
{
    SetAxisFormatSettings({".", ","});
    TChart chart;
    chart.SetUseBitmapBuffer(false);
    chart.SetView3D(false);
    chart.SetSize(553, 337);
    chart.Title().SetText({"Relation of Hardness to Equivalent Protection"});
    chart.Title().Font().SetHeight(-11);
    chart.Title().Font().SetColor(clBlack);
    chart.Title().Font().SetStyle(fsBold);
    ConfigureCalculatorAxes(chart);
    const char* titles[] = {"Selected", "0\xC2\xB0-35\xC2\xB0", "40\xC2\xB0-60\xC2\xB0", "", "", "APFSDS", "3\" M62", "3\" M79"};
    for (const char* title : titles) {
        auto* series = new TLineSeries;
        series->SetTitle(title);
        series->SetShowInLegend(*title != 0);
        chart.AttachSeries(series);
        for (int i = 0; i <= 32; ++i)
            series->AddPoint(200 + 5 * i, 1.0);
    }
    TRecordingDevice device{553, 337};
    chart.DrawToCanvas(device, {0, 0, 553, 337});
    const TRect plot = chart.PlotRect();
    EXPECT_EQ(plot.Left, 54);
    EXPECT_EQ(plot.Top, 31);
    EXPECT_EQ(plot.Bottom, 292);
    // The right edge is where the legend leaves the plot (430 with real Arial widths; the recording
    // device measures other glyphs at 6 pixels); the bottom axis spans up to it.
    EXPECT_EQ(chart.BottomAxis().PixelStart(), 54);
    EXPECT_EQ(chart.BottomAxis().PixelEnd(), plot.Right);
    EXPECT_EQ(chart.LeftAxis().PixelStart(), 31);
    EXPECT_EQ(chart.LeftAxis().PixelEnd(), 292);
}

}
