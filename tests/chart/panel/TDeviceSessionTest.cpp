#include "PanelTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

namespace {

struct TSessionCase {
    const char* Name;
    std::function<void(TChart&, TDrawingDevice&)> Draw;
    // What the draw pass sees.
    bool Buffered;
    bool Printing;
};

// What the canvas was on and how, as the draw pass ended.
struct TSeen {
    bool Buffered = false;
    bool Printing = false;
    const TDrawingDevice* Device = nullptr;
};

// Every drawing runs with its own buffering and rules on its own device, and afterwards the chart is as it
// was, with the canvas back on the window's device: also when the drawing fails half way.
TEST(DeviceSession, EveryDrawingLeavesTheChartOnTheWindowWithItsBufferingHoweverItEnds)
{
    const TRect whole{0, 0, 300, 200};
    const TSessionCase cases[] = {
        {"the window's paint", [](TChart& chart, TDrawingDevice& device) { chart.Paint(device); }, true, false},
        {"a drawing as the window's",
         [&](TChart& chart, TDrawingDevice& device) { chart.DrawToCanvas(device, whole); }, true, false},
        {"a picture", [&](TChart& chart, TDrawingDevice& device) { chart.DrawPicture(device, whole); }, false, false},
        {"a printout", [&](TChart& chart, TDrawingDevice& device) { chart.PrintToCanvas(device, whole); }, false, true},
    };
    for (const TSessionCase& c : cases) {
        for (const bool fails : {false, true}) {
            SCOPED_TRACE(std::string(c.Name) + (fails ? ", failing" : ""));
            TChart chart;
            chart.SetSize(300, 200);
            TRecordingDevice window(300, 200);
            TRecordingDevice target(300, 200);
            chart.SetWindowDevice(&window);
            TSeen seen;
            chart.OnAfterDraw = [&] {
                seen = {chart.Canvas().Buffered(), chart.PrintingNow(), chart.Canvas().Device()};
                if (fails)
                    throw std::runtime_error("the drawing failed");
            };
            if (fails)
                EXPECT_THROW(c.Draw(chart, target), std::runtime_error);
            else
                c.Draw(chart, target);

            EXPECT_EQ(seen.Buffered, c.Buffered);
            EXPECT_EQ(seen.Printing, c.Printing);
            const TDrawingDevice* expected = c.Buffered ? chart.Canvas().Bitmap() : &target;
            ASSERT_NE(expected, nullptr);
            EXPECT_EQ(seen.Device, expected);
            EXPECT_TRUE(chart.UseBitmapBuffer());
            EXPECT_FALSE(chart.PrintingNow());
            EXPECT_EQ(chart.Canvas().Device(), &window);
        }
    }
}

// A picture drawn between two paints does not stand for the window's buffer: the next paint draws anew.
TEST(DeviceSession, APictureIsNotTakenForTheWindowsBuffer)
{
    TChart chart;
    chart.SetSize(300, 200);
    TRecordingDevice window(300, 200);
    chart.SetWindowDevice(&window);
    int passes = 0;
    chart.OnAfterDraw = [&] { ++passes; };
    chart.Paint(window);
    TRecordingDevice picture(300, 200);
    chart.DrawPicture(picture, {0, 0, 300, 200});
    EXPECT_EQ(picture.BitmapsCreated(), 0);
    EXPECT_EQ(passes, 2);

    chart.Paint(window);
    EXPECT_EQ(passes, 3);
    window.Clear();
    chart.Paint(window);
    EXPECT_EQ(passes, 3);
    ASSERT_EQ(window.Records().size(), 1u);
    EXPECT_EQ(window.Records()[0].Op, TDrawOp::CopyBitmap);
}

}
