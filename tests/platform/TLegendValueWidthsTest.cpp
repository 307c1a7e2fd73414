// A legend of a series' values lays itself out by the widest of its texts; that width, however it
// is found or kept, is the widest of every item text measured one by one.

#include "chart/axes/FormatFloat.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/frame/TChartLegend.h"
#include "chart/panel/TChart.h"
#include "chart/series/TChartValueList.h"
#include "chart/series/TLineSeries.h"
#include "platform/TQtDevice.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

class LegendValueWidths : public ::testing::Test {
protected:
    LegendValueWidths()
    {
        chart.SetView3D(false);
        chart.SetSize(553, 337);
        chart.SetUseBitmapBuffer(false);
        series = new TLineSeries;
        series->SetParentChart(&chart);
    }

    // The legend's answer after a draw, and the widest item text measured one by one.
    void ExpectWidestOfEveryText(const std::string& what)
    {
        chart.DrawToCanvas(device, TRect{0, 0, 553, 337});
        device.EndPaint();
        TChartCanvas3D& canvas = chart.Canvas();
        canvas.Font().Assign(chart.Legend().Font());
        int widest = 0;
        const int first = chart.Legend().FirstValue();
        for (int i = first; i < first + chart.Legend().LegendEntryCount(); ++i)
            widest = std::max(widest, canvas.TextWidth(chart.Legend().ItemText(i)));
        EXPECT_EQ(chart.Legend().WidestItemText(-1), widest) << what;
    }

    TChart chart;
    TLineSeries* series = nullptr;
    TQtDevice device{553, 337};
};

std::uint32_t Next(std::uint32_t& seed)
{
    seed = seed * 1664525u + 1013904223u;
    return seed >> 8;
}

struct TValues {
    std::string Name;
    std::function<double(int i, std::uint32_t& seed)> Value;
};

TEST_F(LegendValueWidths, AreTheWidestOfEveryTextForAnyValuesAndFormat)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<TValues> values{
        {"walk", [](int, std::uint32_t& s) { return (Next(s) % 2000000) / 1000.0 - 900.0; }},
        {"whole numbers", [](int i, std::uint32_t&) { return i * 7 - 300.0; }},
        {"just under a power of ten", [](int i, std::uint32_t&) { return i % 2 == 0 ? 999.9996 : 99.5; }},
        {"negative only", [](int, std::uint32_t& s) { return -1.0 - (Next(s) % 100000) / 7.0; }},
        {"tiny and zero", [](int i, std::uint32_t&) { return i % 3 == 0 ? -0.0 : (i % 3 == 1 ? -0.0004 : 0.0004); }},
        {"not finite among them", [nan, inf](int i, std::uint32_t& s) {
             return i == 5 ? nan : (i == 9 ? -inf : (i == 11 ? inf : (Next(s) % 1000) / 10.0));
         }},
        {"large", [](int, std::uint32_t& s) { return 1e9 + Next(s); }},
        {"too many digits", [](int i, std::uint32_t&) { return 1e15 + i; }},
    };
    const std::vector<std::string> formats{"#,##0.###", "0.00", "#,##0", "000.0", "#.#", "0", "##0.## %", "0.0 'kg'"};
    const std::vector<TLegendTextStyle> styles{ltsLeftValue, ltsRightValue, ltsPlain, ltsLeftPercent, ltsXValue};
    for (const TValues& kind : values) {
        series->ClearPoints();
        std::uint32_t seed = 1;
        for (int i = 0; i < 400; ++i)
            series->AddPoint(i, kind.Value(i, seed));
        for (const std::string& format : formats) {
            series->SetValueFormat(format);
            for (const TLegendTextStyle style : styles) {
                chart.Legend().SetTextStyle(style);
                ExpectWidestOfEveryText(kind.Name + ", " + format + ", style " + std::to_string(style));
            }
        }
    }
}

TEST_F(LegendValueWidths, FollowEveryChangeOfWhatTheTextsShow)
{
    for (int i = 0; i < 300; ++i)
        series->AddPoint(i, i * 1.25);
    ExpectWidestOfEveryText("first");
    ExpectWidestOfEveryText("unchanged");
    series->YValues().SetValueAt(17, -123456.789);
    ExpectWidestOfEveryText("a value set in place");
    series->DeletePoint(17);
    ExpectWidestOfEveryText("that point deleted");
    series->AddPoint(400, 98765.4321);
    ExpectWidestOfEveryText("a point added");
    series->YValues().SetMultiplier(1000);
    ExpectWidestOfEveryText("a multiplier");
    series->SetValueFormat("0.0000");
    ExpectWidestOfEveryText("another format");
    series->AddPoint(401, 2, "a long label for one point");
    ExpectWidestOfEveryText("a label");
    chart.Legend().Font().SetHeight(-15);
    ExpectWidestOfEveryText("a larger font");
    chart.Legend().SetFirstValue(250);
    ExpectWidestOfEveryText("items from 250 on");
    const TFormatSettings saved = AxisFormatSettings();
    SetAxisFormatSettings(TFormatSettings{",", "."});
    ExpectWidestOfEveryText("other separators");
    SetAxisFormatSettings(saved);
    series->ClearPoints();
    for (int i = 0; i < 300; ++i)
        series->AddPoint(i, i * 1.25);
    ExpectWidestOfEveryText("the same values again");
}

} // namespace
