#pragma once

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "support/TRecordingDevice.h"
#include "chart/frame/TChartLegend.h"
#include "chart/panel/TChart.h"

#include <gtest/gtest.h>

#include <vector>

// A 2D chart of 400 x 300 with both axes fixed to 0..100, painted unbuffered on a recording device.
// The records a series makes are those between its BeforeDrawValues and AfterDrawValues.
class SeriesDrawing : public testing::Test {
protected:
    SeriesDrawing()
    {
        chart.SetWidth(400);
        chart.SetHeight(300);
        chart.SetView3D(false);
        chart.Legend().SetVisible(false);
        chart.Canvas().SetBuffered(false);
        chart.BottomAxis().SetMinMax(0, 100);
        chart.LeftAxis().SetMinMax(0, 100);
    }

    template <class T>
    T& Add()
    {
        auto* series = new T;
        series->SetParentChart(&chart);
        series->BeforeDrawValues = [this](TChartSeries&) { begin_ = device.Records().size(); };
        series->AfterDrawValues = [this](TChartSeries&) { end_ = device.Records().size(); };
        return *series;
    }

    // Paints the chart and returns the records of the last series that drew.
    std::vector<TDrawRecord> Paint()
    {
        device.Clear();
        begin_ = end_ = 0;
        chart.DrawToCanvas(device, TRect{0, 0, 400, 300});
        return {device.Records().begin() + static_cast<long>(begin_), device.Records().begin() + static_cast<long>(end_)};
    }

    static std::vector<TDrawRecord> Only(const std::vector<TDrawRecord>& records, TDrawOp op)
    {
        std::vector<TDrawRecord> result;
        for (const TDrawRecord& r : records)
            if (r.Op == op)
                result.push_back(r);
        return result;
    }

    TPoint Pixel(const TChartSeries& s, int i) const { return {s.CalcXPixel(i), s.CalcYPixel(i)}; }

    TChart chart;
    TRecordingDevice device{400, 300};

private:
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
};
