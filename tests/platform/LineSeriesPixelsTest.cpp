// A line series of many points draws the same pixels as drawing its points one segment at a time.

#include "chart/axes/TChartAxis.h"
#include "chart/frame/TChartLegend.h"
#include "chart/panel/TChart.h"
#include "chart/series/TChartValueList.h"
#include "chart/series/TLineSeries.h"
#include "platform/ChartRendering.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

// The line series drawn point by point, a segment per point: the drawing every faster path must match.
class TSegmentBySegmentLine : public TLineSeries {
public:
    void DrawAllPoints() override { TChartSeries::DrawAllPoints(); }
};

struct TData {
    std::string Name;
    std::function<void(TChartSeries&)> Fill;
};

// A repeatable generator, so a failure names a case that can be run again.
class TWalk {
public:
    explicit TWalk(std::uint32_t seed)
        : seed_(seed)
    {
    }
    double Next()
    {
        seed_ = seed_ * 1664525u + 1013904223u;
        return static_cast<double>(seed_ >> 8) / static_cast<double>(1u << 24) - 0.5;
    }

private:
    std::uint32_t seed_;
};

const std::vector<TData>& Datasets()
{
    static const std::vector<TData> data{
        {"random walk", [](TChartSeries& s) {
             TWalk walk(7);
             double y = 0;
             for (int i = 0; i < 60000; ++i)
                 s.AddPoint(i, y += walk.Next());
         }},
        {"sawtooth", [](TChartSeries& s) {
             for (int i = 0; i < 40000; ++i)
                 s.AddPoint(i, i % 97);
         }},
        {"dense vertical runs", [](TChartSeries& s) {
             // Many points on one X, jumping far up and down, then settling in one row.
             TWalk walk(11);
             for (int column = 0; column < 300; ++column)
                 for (int k = 0; k < 60; ++k)
                     s.AddPoint(column, k > 50 ? 3.0 : walk.Next() * 100);
         }},
        {"ends on a repeated extreme", [](TChartSeries& s) {
             // Runs whose last points repeat the run's highest or lowest row, or a row inside it.
             for (int column = 0; column < 400; ++column) {
                 const double tail = column % 3 == 0 ? 50 : (column % 3 == 1 ? -50 : 10);
                 for (int k = 0; k < 8; ++k)
                     s.AddPoint(column, (k % 2 == 0 ? 1 : -1) * 20.0 * k / 8);
                 for (int k = 0; k < 1 + column % 4; ++k)
                     s.AddPoint(column, tail);
             }
         }},
        {"null points and not a number", [](TChartSeries& s) {
             TWalk walk(3);
             double y = 0;
             for (int i = 0; i < 30000; ++i) {
                 y += walk.Next();
                 if (i % 4999 == 17)
                     s.AddNullPoint(i, y);
                 else if (i % 7001 == 5)
                     s.AddPoint(i, std::numeric_limits<double>::quiet_NaN());
                 else
                     s.AddPoint(i, y);
             }
         }},
        {"steep", [](TChartSeries& s) {
             for (int i = 0; i < 3000; ++i)
                 s.AddPoint(i, (i % 2 == 0 ? 1.0 : -1.0) * i * i);
         }},
        {"flat", [](TChartSeries& s) {
             for (int i = 0; i < 50000; ++i)
                 s.AddPoint(i, i < 25000 ? 4.0 : 4.0 + 1e-9 * (i % 3));
         }},
        {"X out of order", [](TChartSeries& s) {
             // Values stored in place after the adds leave the X list out of its order.
             TWalk walk(5);
             double y = 0;
             for (int i = 0; i < 20000; ++i)
                 s.AddPoint(i, y += walk.Next());
             for (int i = 100; i < 20000; i += 211)
                 s.XValues().SetValueAt(i, 19999 - i);
         }},
        {"few points", [](TChartSeries& s) {
             for (int i = 0; i < 40; ++i)
                 s.AddPoint(i, (i * 37) % 11);
         }},
    };
    return data;
}

struct TView {
    std::string Name;
    std::function<void(TChart&)> Set;
};

const std::vector<TView>& Views()
{
    static const std::vector<TView> views{
        {"automatic axes", [](TChart&) {}},
        {"zoomed out", [](TChart& c) {
             // Every point inside the plot, the last one too, where no segment starts from it.
             const double xMin = c.Series(0)->XValues().Minimum();
             const double xMax = c.Series(0)->XValues().Maximum();
             const double yMin = c.Series(0)->YValues().Minimum();
             const double yMax = c.Series(0)->YValues().Maximum();
             c.BottomAxis().SetMinMax(xMin - (xMax - xMin) * 0.1, xMax + (xMax - xMin) * 0.1);
             c.LeftAxis().SetMinMax(yMin - (yMax - yMin) * 0.1 - 1, yMax + (yMax - yMin) * 0.1 + 1);
         }},
        {"zoomed in", [](TChart& c) {
             // Points far outside the plot on both axes: lines leave the clip, pixels leave the range.
             const double xMin = c.Series(0)->XValues().Minimum();
             const double xMax = c.Series(0)->XValues().Maximum();
             const double yMin = c.Series(0)->YValues().Minimum();
             const double yMax = c.Series(0)->YValues().Maximum();
             c.BottomAxis().SetMinMax(xMin + (xMax - xMin) * 0.4, xMin + (xMax - xMin) * 0.45);
             c.LeftAxis().SetMinMax(yMin + (yMax - yMin) * 0.4, yMin + (yMax - yMin) * 0.6);
         }},
        {"zoomed far in", [](TChart& c) {
             const double yMin = c.Series(0)->YValues().Minimum();
             const double yMax = c.Series(0)->YValues().Maximum();
             c.BottomAxis().SetMinMax(100, 100.5);
             c.LeftAxis().SetMinMax(yMin + (yMax - yMin) * 0.5, yMin + (yMax - yMin) * 0.5000001);
         }},
        {"inverted axes", [](TChart& c) {
             c.BottomAxis().SetInverted(true);
             c.LeftAxis().SetInverted(true);
         }},
        {"inverted vertical axis", [](TChart& c) { c.LeftAxis().SetInverted(true); }},
    };
    return views;
}

struct TPenCase {
    std::string Name;
    int Width;
    TPenStyle Style;
};

QImage Draw(TLineSeries* series, const TData& data, const TView& view, const TPenCase& pen)
{
    TChart chart;
    chart.SetView3D(false);
    chart.Legend().SetVisible(false);
    series->SetSeriesColor(clRed);
    series->LinePen().SetWidth(pen.Width);
    series->LinePen().SetStyle(pen.Style);
    chart.AttachSeries(series);
    data.Fill(*series);
    view.Set(chart);
    return RenderChart(chart, 553, 337);
}

TEST(LineSeriesPixels, ManyPointsDrawTheSamePixelsAsEverySegmentDrawnInTurn)
{
    const std::vector<TPenCase> pens{{"solid 1", 1, psSolid}, {"solid 2", 2, psSolid}, {"dashed 1", 1, psDash}};
    for (const TData& data : Datasets())
        for (const TView& view : Views())
            for (const TPenCase& pen : pens) {
                const QImage ours = Draw(new TLineSeries, data, view, pen);
                const QImage segments = Draw(new TSegmentBySegmentLine, data, view, pen);
                EXPECT_TRUE(ours == segments) << data.Name << ", " << view.Name << ", " << pen.Name;
            }
}

} // namespace
