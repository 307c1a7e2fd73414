#pragma once

#include "chart/axes/TChartAxis.h"
#include "chart/panel/TChart.h"
#include "chart/series/TLineSeries.h"

// Sets up a chart like the calculator's: 553 x 337 in 2D, bottom axis 200..360 and left axis
// 0.9..1.5 (step 0.1) fixed, one line series rising slowly from (200, 1.0) to (360, 1.1).
inline TLineSeries& SetUpCalculatorLikeChart(TChart& chart)
{
    chart.SetSize(553, 337);
    chart.SetView3D(false);
    TChartAxis& bottom = chart.BottomAxis();
    bottom.SetAutomatic(false);
    bottom.SetMaximum(360);
    bottom.SetMinimum(200);
    TChartAxis& left = chart.LeftAxis();
    left.SetAutomatic(false);
    left.SetMaximum(1.5);
    left.SetMinimum(0.9);
    left.SetIncrement(0.1);
    auto* series = new TLineSeries;
    series->SetTitle("Curve");
    for (int x = 200; x <= 360; x += 5)
        series->AddPoint(x, 1.0 + (x - 200) / 1600.0);
    chart.AttachSeries(series);
    return *series;
}
