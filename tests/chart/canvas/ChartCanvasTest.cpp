#include "chart/canvas/CanvasGuards.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "support/TRecordingDevice.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Counts the state the canvas sends, to show that unchanged state is not sent again.
class TCountingDevice : public TRecordingDevice {
public:
    void SetPen(const TDevicePen& pen) override
    {
        ++PenSends;
        TRecordingDevice::SetPen(pen);
    }
    void SetBrush(const TDeviceBrush& brush) override
    {
        ++BrushSends;
        TRecordingDevice::SetBrush(brush);
    }
    void SetFont(const TDeviceFont& font) override
    {
        ++FontSends;
        TRecordingDevice::SetFont(font);
    }
    int PenSends = 0;
    int BrushSends = 0;
    int FontSends = 0;
};

class ChartCanvas : public ::testing::Test {
protected:
    void SetUp() override { canvas.AttachCanvas(device); }
    TRecordingDevice device;
    TChartCanvas3D canvas;
};

}

TEST_F(ChartCanvas, HiddenChartPenLeavesOutlinesOutButBrushesStillFill)
{
    canvas.Brush().SetColor(clYellow);
    TChartHiddenPen hidden;
    hidden.SetColor(clRed);
    canvas.SelectChartPen(hidden);
    canvas.Line(0, 0, 10, 10);
    canvas.Rectangle(1, 2, 30, 40);
    const std::array<TPoint, 3> triangle{TPoint{0, 0}, TPoint{10, 0}, TPoint{5, 5}};
    canvas.Polygon(triangle);
    ASSERT_EQ(device.RecordsOf(TDrawOp::LineTo).size(), 1u);
    for (TDrawOp op : {TDrawOp::LineTo, TDrawOp::Rectangle, TDrawOp::Polygon}) {
        const std::vector<TDrawRecord> records = device.RecordsOf(op);
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].State.Pen.Style, psClear);
        EXPECT_EQ(records[0].State.Brush, (TDeviceBrush{clYellow, bsSolid}));
    }

    TChartPen visible;
    visible.SetColor(clGreen);
    visible.SetWidth(2);
    visible.SetMode(pmNotXor);
    canvas.SelectChartPen(visible);
    canvas.Rectangle(1, 2, 30, 40);
    EXPECT_EQ(device.Records().back().State.Pen, (TDevicePen{clGreen, psSolid, 2, pmNotXor}));
}

TEST_F(ChartCanvas, SmallDotsSelectTheAlternateCosmeticPenOnlyAtWidthOne)
{
    TChartPen pen;
    pen.SetColor(clBtnShadow);
    pen.SetSmallDots(true);
    canvas.SelectChartPen(pen);
    canvas.Line(0, 0, 10, 0);
    EXPECT_EQ(device.Records().back().State.Pen, (TDevicePen{clGray, psAlternate, 1, pmCopy}));

    pen.SetWidth(2);
    canvas.SelectChartPen(pen);
    canvas.Line(0, 0, 10, 0);
    EXPECT_EQ(device.Records().back().State.Pen, (TDevicePen{clGray, psSolid, 2, pmCopy}));
}

TEST_F(ChartCanvas, BrushSelectionSetsTheBackgroundModeAndColour)
{
    canvas.Brush().SetColor(RGBColor(0x10, 0x20, 0x30));
    canvas.TextOut(0, 0, "a");
    EXPECT_EQ(device.Records().back().State.BackMode, bmOpaque);
    EXPECT_EQ(device.Records().back().State.BackColor, RGBColor(0x10, 0x20, 0x30));

    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(0, 0, "a");
    EXPECT_EQ(device.Records().back().State.BackMode, bmTransparent);
    EXPECT_EQ(device.Records().back().State.BackColor, RGBColor(0xEF, 0xDF, 0xCF));

    // A later explicit setting holds until the brush changes again.
    canvas.SetBackMode(bmOpaque);
    canvas.TextOut(0, 0, "a");
    EXPECT_EQ(device.Records().back().State.BackMode, bmOpaque);
}

TEST_F(ChartCanvas, ResetStateRestoresTheEndOfPaintState)
{
    canvas.Pen().SetColor(clRed);
    canvas.Pen().SetWidth(3);
    canvas.Pen().SetStyle(psDot);
    canvas.Brush().SetColor(clBlue);
    canvas.Brush().SetStyle(bsCross);
    canvas.Font().SetColor(clRed);
    canvas.ResetState();
    canvas.TextOut(0, 0, "x");
    const TRecordedState& state = device.Records().back().State;
    EXPECT_EQ(state.Pen, (TDevicePen{clBlack, psSolid, 1, pmCopy}));
    EXPECT_EQ(state.Brush, (TDeviceBrush{clWhite, bsSolid}));
    EXPECT_EQ(state.Font.Color, clBlack);
    EXPECT_EQ(state.Font.Height, -13);
    EXPECT_EQ(state.BackColor, clWhite);
    EXPECT_EQ(state.BackMode, bmTransparent);
}

TEST(ChartCanvasState, OnlyChangedStateIsSentToTheDevice)
{
    TCountingDevice device;
    TChartCanvas canvas;
    canvas.AttachCanvas(device);
    canvas.Line(0, 0, 5, 5);
    canvas.Line(5, 5, 9, 9);
    canvas.Rectangle(0, 0, 4, 4);
    canvas.TextOut(0, 0, "1");
    EXPECT_EQ(device.PenSends, 1);
    EXPECT_EQ(device.BrushSends, 1);
    EXPECT_EQ(device.FontSends, 1);
    canvas.Pen().SetColor(clRed);
    canvas.Line(0, 0, 5, 5);
    canvas.Rectangle(0, 0, 4, 4);
    EXPECT_EQ(device.PenSends, 2);
    EXPECT_EQ(device.BrushSends, 1);
    EXPECT_EQ(device.Records().back().State.Pen.Color, clRed);
    // A newly attached device gets the whole state again.
    TCountingDevice other;
    canvas.AttachCanvas(other);
    canvas.Line(0, 0, 5, 5);
    EXPECT_EQ(other.PenSends, 1);
    EXPECT_EQ(other.BrushSends, 1);
    EXPECT_EQ(other.FontSends, 1);
}

TEST_F(ChartCanvas, TwoDimensionalDepthCallsAreThePlainCalls)
{
    canvas.VertLine3D(10, 20, 80, 40);
    const std::vector<TDrawRecord> lines = device.RecordsOf(TDrawOp::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].P1, (TPoint{10, 20}));
    EXPECT_EQ(lines[0].P2, (TPoint{10, 80}));
    EXPECT_EQ(canvas.Calc3DPos(5, 6, 100), (TPoint{5, 6}));

    canvas.EllipseWithZ(10, 20, 30, 40, 7);
    EXPECT_EQ(device.Records().back().Rect, (TRect{10, 20, 31, 41}));
    canvas.ClipCube(TRect{10, 20, 110, 220}, 0, 50);
    EXPECT_EQ(device.Records().back().Rect, (TRect{11, 21, 110, 219}));
}

TEST_F(ChartCanvas, RotatedTextUsesATemporaryFontWithEscapement)
{
    canvas.SetTextAlign(TA_CENTER | TA_BOTTOM);
    canvas.RotatedText(50, 60, 0, 450, "Title");
    canvas.RotatedText(50, 60, 0, 360, "Full");
    canvas.TextOut(1, 2, "Plain");
    const std::vector<TDrawRecord> texts = device.RecordsOf(TDrawOp::TextOut);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].P1, (TPoint{50, 60}));
    EXPECT_EQ(texts[0].State.Font.Escapement, 900);
    EXPECT_EQ(texts[0].State.Font.Height, -11);
    EXPECT_EQ(texts[0].State.Brush.Style, bsClear);
    EXPECT_EQ(texts[0].State.TextAlign, TA_CENTER | TA_BOTTOM);
    EXPECT_EQ(texts[1].State.Font.Escapement, 3600);
    EXPECT_EQ(texts[2].State.Font.Escapement, 0);
}

TEST_F(ChartCanvas, TextMeasurementUsesTheRecordingMetrics)
{
    EXPECT_EQ(canvas.TextWidth(""), 0);
    EXPECT_EQ(canvas.TextWidth("1,234.5"), 6 * 5 + 6 + 3);
    EXPECT_EQ(canvas.TextWidth("a b"), 6 + 3 + 6);
    EXPECT_EQ(canvas.TextWidth("°"), 6);
    EXPECT_EQ(canvas.FontHeight(), 13);
    EXPECT_EQ(canvas.TextHeight("Wq"), 13);

    TChartCanvas detached;
    EXPECT_EQ(detached.TextWidth("123"), 0);
    EXPECT_EQ(detached.FontHeight(), 0);
    detached.Line(0, 0, 5, 5);
}

TEST(ChartCanvasProjection, OrthogonalFormula)
{
    struct Case {
        int zoom, horizOffset, vertOffset;
        int x, y, z;
        TPoint expected;
    };
    // Plot rectangle (10, 20, 111, 221): centre (60, 120).
    const Case cases[] = {
        {100, 0, 0, 70, 100, 5, {75, 95}},
        {100, 0, 0, 60, 120, 0, {60, 120}},
        {100, 7, -3, 70, 100, 5, {82, 92}},
        {150, 0, 0, 70, 100, 5, {82, 82}},  // 22.5 -> 22 and -37.5 -> -38: ties to even
        {150, 0, 0, 71, 100, 5, {84, 82}},  // 24
        {50, 0, 0, 65, 125, 0, {62, 122}},  // 2.5 -> 2 both ways
        {50, 0, 0, 63, 123, 0, {62, 122}},  // 1.5 -> 2
    };
    for (const Case& c : cases) {
        TRecordingDevice window;
        TView3DOptions options;
        options.SetZoom(c.zoom);
        options.SetHorizOffset(c.horizOffset);
        options.SetVertOffset(c.vertOffset);
        TChartCanvas3D canvas;
        canvas.InitWindow(window, &options, TRect{0, 0, 300, 300}, true);
        canvas.SetProjection(40, TRect{10, 20, 111, 221});
        EXPECT_TRUE(canvas.IsOrthogonal());
        EXPECT_EQ(canvas.Calc3DPos(c.x, c.y, c.z), c.expected) << "zoom " << c.zoom << " at " << c.x << "," << c.y << "," << c.z;
    }
}

TEST(ChartCanvasProjection, ThreeDimensionalDepthCallsProjectBothEnds)
{
    TRecordingDevice window;
    TView3DOptions options;
    TChartCanvas3D canvas;
    canvas.InitWindow(window, &options, TRect{0, 0, 300, 300}, true);
    canvas.SetProjection(40, TRect{0, 0, 200, 200});
    canvas.VertLine3D(10, 20, 80, 40);
    const std::vector<TDrawRecord> lines = window.RecordsOf(TDrawOp::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].P1, (TPoint{50, -20}));
    EXPECT_EQ(lines[0].P2, (TPoint{50, 40}));
    // The front plane is drawn without projection.
    canvas.FrontPlaneBegin();
    EXPECT_FALSE(canvas.Is3D());
    EXPECT_EQ(canvas.Calc3DPos(10, 20, 40), (TPoint{10, 20}));
    canvas.FrontPlaneEnd();
    EXPECT_TRUE(canvas.Is3D());

    // The free view still produces a picture: a rotated point stays finite and the centre maps to itself.
    options.SetOrthogonal(false);
    canvas.InitWindow(window, &options, TRect{0, 0, 300, 300}, true);
    canvas.SetProjection(40, TRect{0, 0, 200, 200});
    EXPECT_EQ(canvas.Calc3DPos(100, 100, 20), (TPoint{100, 100}));
    EXPECT_NE(canvas.Calc3DPos(150, 100, 20), (TPoint{150, 100}));
}

TEST(ChartCanvasBuffer, AnUnchangedChartIsDrawnOnceAndThenCopied)
{
    TRecordingDevice window;
    TChartCanvas3D canvas;
    canvas.AttachCanvas(window);
    EXPECT_FALSE(canvas.PaintFromBuffer());

    const TRect panel = canvas.InitWindow(window, nullptr, TRect{5, 6, 105, 56}, false);
    EXPECT_EQ(panel, (TRect{0, 0, 100, 50}));
    ASSERT_NE(canvas.Bitmap(), nullptr);
    EXPECT_EQ(window.BitmapsCreated(), 1);
    canvas.Line(0, 0, 99, 49);
    canvas.ShowImage(window, TPoint{5, 6});
    EXPECT_FALSE(canvas.BufferDirty());

    EXPECT_TRUE(canvas.PaintFromBuffer());
    const std::vector<TDrawRecord> lines = window.RecordsOf(TDrawOp::LineTo);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Surface, 1);
    const std::vector<TDrawRecord> copies = window.RecordsOf(TDrawOp::CopyBitmap);
    ASSERT_EQ(copies.size(), 2u);
    EXPECT_EQ(copies[0].Surface, 0);
    EXPECT_EQ(copies[0].Source, 1);
    EXPECT_EQ(copies[0].P1, (TPoint{5, 6}));
    EXPECT_EQ(copies[0].Rect, (TRect{0, 0, 100, 50}));
    EXPECT_EQ(copies[1].P1, (TPoint{0, 0}));

    canvas.Invalidate();
    EXPECT_FALSE(canvas.PaintFromBuffer());
    EXPECT_EQ(window.RecordsOf(TDrawOp::CopyBitmap).size(), 2u);
}

TEST(ChartCanvasBuffer, TheBitmapIsKeptWhileTheSizeHoldsAndRemadeOnResize)
{
    TRecordingDevice window;
    TChartCanvas3D canvas;
    canvas.InitWindow(window, nullptr, TRect{0, 0, 100, 50}, false);
    TBitmapDevice* first = canvas.Bitmap();
    canvas.ShowImage(window, TPoint{});
    canvas.InitWindow(window, nullptr, TRect{10, 10, 110, 60}, false);
    EXPECT_EQ(canvas.Bitmap(), first);
    EXPECT_EQ(window.BitmapsCreated(), 1);
    canvas.ShowImage(window, TPoint{});

    const TRect panel = canvas.InitWindow(window, nullptr, TRect{0, 0, 120, 70}, false);
    EXPECT_EQ(panel, (TRect{0, 0, 120, 70}));
    EXPECT_EQ(window.BitmapsCreated(), 2);
    ASSERT_NE(canvas.Bitmap(), nullptr);
    EXPECT_EQ(canvas.Bitmap()->Width(), 120);
    EXPECT_EQ(canvas.Bitmap()->Height(), 70);
    canvas.Line(1, 1, 2, 2);
    EXPECT_EQ(window.Records().back().Surface, 2);
}

TEST(ChartCanvasBuffer, UnbufferedPaintsDrawStraightToTheWindow)
{
    TRecordingDevice window;
    TChartCanvas3D canvas;
    canvas.InitWindow(window, nullptr, TRect{0, 0, 100, 50}, false);
    canvas.ShowImage(window, TPoint{});
    canvas.SetBuffered(false);
    EXPECT_EQ(canvas.Bitmap(), nullptr);
    EXPECT_TRUE(canvas.BufferDirty());

    const TRect panel = canvas.InitWindow(window, nullptr, TRect{5, 6, 105, 56}, false);
    EXPECT_EQ(panel, (TRect{5, 6, 105, 56}));
    canvas.Line(5, 6, 20, 20);
    canvas.ShowImage(window, TPoint{5, 6});
    EXPECT_EQ(window.Records().back().Surface, 0);
    EXPECT_EQ(window.RecordsOf(TDrawOp::CopyBitmap).size(), 1u);
    EXPECT_FALSE(canvas.PaintFromBuffer());
}

TEST(ChartCanvasBuffer, MonochromeChangeDropsTheBitmapAndRepaints)
{
    int repaints = 0;
    TView3DOptions options([&repaints] { ++repaints; });
    TRecordingDevice window;
    TChartCanvas3D canvas;
    canvas.InitWindow(window, &options, TRect{0, 0, 10, 10}, false);
    canvas.ShowImage(window, TPoint{});
    canvas.SetMonochrome(false);
    EXPECT_EQ(repaints, 0);
    canvas.SetMonochrome(true);
    EXPECT_EQ(repaints, 1);
    EXPECT_EQ(canvas.Bitmap(), nullptr);
    EXPECT_TRUE(canvas.BufferDirty());
    EXPECT_FALSE(canvas.PaintFromBuffer());
}

TEST_F(ChartCanvas, GuardsUndoTheirChangeAtScopeEnd)
{
    canvas.SetTextAlign(TA_RIGHT);
    {
        TClipGuard clip(canvas, TRect{1, 2, 3, 4});
        TTextAlignGuard align(canvas, TA_CENTER | TA_BOTTOM);
        TPenModeGuard mode(canvas, pmNotXor);
        canvas.Line(0, 0, 1, 1);
        const TRecordedState& state = device.Records().back().State;
        EXPECT_EQ(state.Clip, (TRect{1, 2, 3, 4}));
        EXPECT_EQ(state.TextAlign, TA_CENTER | TA_BOTTOM);
        EXPECT_EQ(state.Pen.Mode, pmNotXor);
    }
    canvas.Line(0, 0, 1, 1);
    const TRecordedState& state = device.Records().back().State;
    EXPECT_FALSE(state.Clip.has_value());
    EXPECT_EQ(state.TextAlign, TA_RIGHT);
    EXPECT_EQ(state.Pen.Mode, pmCopy);
}

TEST_F(ChartCanvas, GradientRunsFromStartToEndAndLeavesTheBrushAsItWas)
{
    canvas.Brush().SetColor(clYellow);
    canvas.Brush().SetStyle(bsCross);
    canvas.GradientFill(TRect{0, 0, 4, 3}, clBlack, clWhite, gdTopBottom);
    std::vector<TDrawRecord> fills = device.RecordsOf(TDrawOp::FillRect);
    ASSERT_EQ(fills.size(), 3u);
    EXPECT_EQ(fills[0].Rect, (TRect{0, 0, 4, 1}));
    EXPECT_EQ(fills[0].State.Brush, (TDeviceBrush{clBlack, bsSolid}));
    EXPECT_EQ(fills[1].State.Brush.Color, RGBColor(128, 128, 128));
    EXPECT_EQ(fills[2].Rect, (TRect{0, 2, 4, 3}));
    EXPECT_EQ(fills[2].State.Brush.Color, clWhite);

    device.Clear();
    canvas.GradientFill(TRect{0, 0, 10, 10}, clRed, clBlue, gdFromCenter);
    fills = device.RecordsOf(TDrawOp::FillRect);
    ASSERT_FALSE(fills.empty());
    EXPECT_EQ(fills.front().Rect, (TRect{0, 0, 10, 10}));
    EXPECT_EQ(fills.front().State.Brush.Color, clRed);
    EXPECT_EQ(fills.back().State.Brush.Color, clBlue);
    EXPECT_EQ(fills.back().Rect, (TRect{4, 4, 5, 5}));

    canvas.Line(0, 0, 1, 1);
    EXPECT_EQ(device.Records().back().State.Brush, (TDeviceBrush{clYellow, bsCross}));
}

TEST(ChartCanvasProjection, ZoomedTextUsesAScaledTemporaryFont)
{
    TRecordingDevice window;
    TView3DOptions options;
    options.SetZoom(150);
    TChartCanvas3D canvas;
    canvas.InitWindow(window, &options, TRect{0, 0, 300, 300}, true);
    canvas.SetProjection(0, TRect{0, 0, 200, 200});
    canvas.TextOut3D(100, 100, 0, "zoomed");
    options.SetZoomText(false);
    canvas.InitWindow(window, &options, TRect{0, 0, 300, 300}, true);
    canvas.TextOut3D(100, 100, 0, "plain");
    const std::vector<TDrawRecord> texts = window.RecordsOf(TDrawOp::TextOut);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].State.Font.Height, -16); // 12 points
    EXPECT_EQ(texts[1].State.Font.Height, -11);
}
