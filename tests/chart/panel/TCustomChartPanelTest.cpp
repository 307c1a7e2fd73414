#include "PanelTestSupport.h"

#include "chart/canvas/SystemColors.h"
#include "chart/panel/ChartException.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

struct TPlotRectCase {
    std::string Name;
    int Width;
    int Height;
    int Left, Top, Right, Bottom;
    int BorderWidth;
    TRect Expected;
};

TEST(ChartPanelPlotRect, StartsFromPanelRectMinusMarginsAndBorder)
{
    const TPlotRectCase cases[] = {
        {"calculator chart", 553, 337, 3, 4, 3, 4, 0, {17, 13, 536, 324}},
        {"border width is taken on every side", 553, 337, 3, 4, 3, 4, 2, {19, 15, 534, 322}},
        {"halves round away from zero", 550, 250, 3, 4, 3, 4, 0, {17, 10, 533, 240}},
        {"ten percent margins", 553, 337, 10, 10, 10, 10, 0, {55, 34, 498, 303}},
        {"crossed edges keep one pixel", 400, 250, 60, 4, 60, 4, 0, {240, 10, 241, 240}},
        {"touching edges take the control width", 400, 250, 50, 4, 50, 4, 0, {200, 10, 600, 240}},
    };
    for (const TPlotRectCase& c : cases) {
        TPlotProbeChart chart;
        chart.SetView3D(false);
        chart.SetSize(c.Width, c.Height);
        chart.SetMarginLeft(c.Left);
        chart.SetMarginTop(c.Top);
        chart.SetMarginRight(c.Right);
        chart.SetMarginBottom(c.Bottom);
        chart.SetBorderWidth(c.BorderWidth);
        TRecordingDevice window(c.Width, c.Height);
        chart.Paint(window);
        EXPECT_EQ(chart.PlotRectBeforeTitles, c.Expected) << c.Name;
    }
}

TEST(ChartPanelPlotRect, DerivedSizesFollowEveryChange)
{
    TPlotProbeChart chart;
    chart.SetPlotRect({17, 13, 536, 324});
    EXPECT_EQ(chart.PlotWidth(), 519);
    EXPECT_EQ(chart.PlotHeight(), 311);
    EXPECT_EQ(chart.PlotXCenter(), 276);
    EXPECT_EQ(chart.PlotYCenter(), 168);
}

TEST(ChartPanelDefaults, AreThoseOfANewControl)
{
    TChart chart;
    EXPECT_EQ(chart.Width(), 400);
    EXPECT_EQ(chart.Height(), 250);
    EXPECT_EQ(chart.Color(), clBtnFace);
    EXPECT_EQ(chart.BevelOuter(), bvRaised);
    EXPECT_EQ(chart.BevelInner(), bvNone);
    EXPECT_EQ(chart.BevelWidth(), 1);
    EXPECT_EQ(chart.BorderWidth(), 0);
    EXPECT_EQ(chart.Chart3DPercent(), 15);
    EXPECT_TRUE(chart.View3D());
    EXPECT_EQ(chart.MarginLeft(), 3);
    EXPECT_EQ(chart.MarginTop(), 4);
    EXPECT_EQ(chart.MarginRight(), 3);
    EXPECT_EQ(chart.MarginBottom(), 4);
    EXPECT_TRUE(chart.UseBitmapBuffer());
    EXPECT_FALSE(chart.Monochrome());
    EXPECT_FALSE(chart.Gradient().Visible());
    EXPECT_EQ(chart.Gradient().Direction(), gdTopBottom);
    EXPECT_EQ(chart.Gradient().StartColor(), clWhite);
    EXPECT_EQ(chart.Gradient().EndColor(), clYellow);
    EXPECT_FALSE(chart.BackImage().HasGraphic());
    EXPECT_EQ(chart.BackImageMode(), pbmStretch);
    EXPECT_TRUE(chart.AllowZoom());
    EXPECT_EQ(chart.AllowPanning(), pmBoth);
    EXPECT_FALSE(chart.AnimatedZoom());
    EXPECT_EQ(chart.AnimatedZoomSteps(), 8);
    EXPECT_TRUE(chart.AxisVisible());
    EXPECT_TRUE(chart.View3DWalls());
    EXPECT_TRUE(chart.ClipPoints());
    EXPECT_EQ(chart.Page(), 1);
    EXPECT_EQ(chart.MaxPointsPerPage(), 0);
    EXPECT_TRUE(chart.ScaleLastPage());
    EXPECT_FALSE(chart.BackImageInside());
    EXPECT_FALSE(chart.Zoom().Active);
    EXPECT_FALSE(chart.Panning().Active);
}

TEST(ChartPanelInvalidate, IsIgnoredDuringConstruction)
{
    int invalidations = 0;
    TChart chart([&] { ++invalidations; });
    EXPECT_EQ(invalidations, 0);
    chart.SetMarginLeft(5);
    EXPECT_EQ(invalidations, 1);
}

struct TSetterCase {
    std::string Name;
    std::function<void(TChart&)> SetCurrent;
    std::function<void(TChart&)> SetOther;
};

TEST(ChartPanelInvalidate, SettersRepaintOnlyWhenTheValueChanges)
{
    const TSetterCase cases[] = {
        {"MarginLeft", [](TChart& c) { c.SetMarginLeft(3); }, [](TChart& c) { c.SetMarginLeft(4); }},
        {"MarginTop", [](TChart& c) { c.SetMarginTop(4); }, [](TChart& c) { c.SetMarginTop(5); }},
        {"MarginRight", [](TChart& c) { c.SetMarginRight(3); }, [](TChart& c) { c.SetMarginRight(4); }},
        {"MarginBottom", [](TChart& c) { c.SetMarginBottom(4); }, [](TChart& c) { c.SetMarginBottom(5); }},
        {"View3D", [](TChart& c) { c.SetView3D(true); }, [](TChart& c) { c.SetView3D(false); }},
        {"Chart3DPercent", [](TChart& c) { c.SetChart3DPercent(15); }, [](TChart& c) { c.SetChart3DPercent(20); }},
        {"Color", [](TChart& c) { c.SetColor(clBtnFace); }, [](TChart& c) { c.SetColor(clWhite); }},
        {"BevelOuter", [](TChart& c) { c.SetBevelOuter(bvRaised); }, [](TChart& c) { c.SetBevelOuter(bvNone); }},
        {"BorderWidth", [](TChart& c) { c.SetBorderWidth(0); }, [](TChart& c) { c.SetBorderWidth(1); }},
        {"AxisVisible", [](TChart& c) { c.SetAxisVisible(true); }, [](TChart& c) { c.SetAxisVisible(false); }},
        {"ClipPoints", [](TChart& c) { c.SetClipPoints(true); }, [](TChart& c) { c.SetClipPoints(false); }},
        {"View3DWalls", [](TChart& c) { c.SetView3DWalls(true); }, [](TChart& c) { c.SetView3DWalls(false); }},
        {"ScaleLastPage", [](TChart& c) { c.SetScaleLastPage(true); }, [](TChart& c) { c.SetScaleLastPage(false); }},
        {"BackImageMode", [](TChart& c) { c.SetBackImageMode(pbmStretch); }, [](TChart& c) { c.SetBackImageMode(pbmTile); }},
        {"BackImageInside", [](TChart& c) { c.SetBackImageInside(false); }, [](TChart& c) { c.SetBackImageInside(true); }},
        {"Width", [](TChart& c) { c.SetWidth(400); }, [](TChart& c) { c.SetWidth(401); }},
        {"Gradient.Visible", [](TChart& c) { c.Gradient().SetVisible(false); }, [](TChart& c) { c.Gradient().SetVisible(true); }},
        {"View3DOptions.Elevation", [](TChart& c) { c.View3DOptions().SetElevation(345); }, [](TChart& c) { c.View3DOptions().SetElevation(300); }},
    };
    for (const TSetterCase& c : cases) {
        int invalidations = 0;
        TChart chart([&] { ++invalidations; });
        c.SetCurrent(chart);
        EXPECT_EQ(invalidations, 0) << c.Name;
        c.SetOther(chart);
        EXPECT_EQ(invalidations, 1) << c.Name;
    }
}

TEST(ChartPanelChecks, Chart3DPercentOutsideOneToHundredIsRefused)
{
    TChart chart;
    for (int refused : {0, -5, 101}) {
        try {
            chart.SetChart3DPercent(refused);
            ADD_FAILURE() << refused << " was accepted";
        } catch (const ChartException& e) {
            EXPECT_STREQ(e.what(), "3D effect percent must be between 1 and 100");
        }
        EXPECT_EQ(chart.Chart3DPercent(), 15);
    }
    chart.SetChart3DPercent(1);
    EXPECT_EQ(chart.Chart3DPercent(), 1);
    chart.SetChart3DPercent(100);
    EXPECT_EQ(chart.Chart3DPercent(), 100);
}

TEST(ChartPanelPaint, AnUnchangedChartIsCopiedFromItsBitmapWithoutADrawPass)
{
    TChart chart;
    chart.SetSize(553, 337);
    int passes = 0;
    chart.OnAfterDraw = [&] { ++passes; };
    TRecordingDevice window(553, 337);

    chart.Paint(window);
    EXPECT_EQ(passes, 1);
    window.Clear();
    chart.Paint(window);
    EXPECT_EQ(passes, 1);
    ASSERT_EQ(window.Records().size(), 1u);
    EXPECT_EQ(window.Records()[0].Op, TDrawOp::CopyBitmap);
    EXPECT_EQ(window.Records()[0].Surface, 0);
    EXPECT_EQ(window.Records()[0].P1, (TPoint{0, 0}));

    chart.Invalidate();
    chart.Invalidate();
    chart.Paint(window);
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(window.BitmapsCreated(), 1);
}

TEST(ChartPanelPaint, AResizeMakesANewBitmapOfTheNewSizeOnTheNextPaint)
{
    TChart chart;
    chart.SetSize(553, 337);
    TRecordingDevice window(600, 400);
    chart.Paint(window);
    ASSERT_NE(chart.Canvas().Bitmap(), nullptr);
    EXPECT_EQ(chart.Canvas().Bitmap()->Width(), 553);

    chart.SetSize(300, 200);
    chart.Paint(window);
    EXPECT_EQ(window.BitmapsCreated(), 2);
    EXPECT_EQ(chart.Canvas().Bitmap()->Width(), 300);
    EXPECT_EQ(chart.Canvas().Bitmap()->Height(), 200);
    EXPECT_EQ(chart.PanelRect(), (TRect{0, 0, 300, 200}));
}

TEST(ChartPanelPaint, WithoutBufferTheChartDrawsIntoTheCallersRectangle)
{
    TPlotProbeChart chart;
    chart.SetView3D(false);
    chart.SetUseBitmapBuffer(false);
    TRecordingDevice device(700, 500);
    chart.DrawToCanvas(device, {100, 50, 653, 387});
    EXPECT_EQ(device.BitmapsCreated(), 0);
    EXPECT_EQ(chart.PanelRect(), (TRect{100, 50, 653, 387}));
    EXPECT_EQ(chart.PlotRectBeforeTitles, (TRect{117, 63, 636, 374}));
}

TEST(ChartPanelPaint, NothingIsDrawnWhenBevelsAreOffAndTheOuterBevelFramesThePanel)
{
    TChart chart;
    chart.SetView3D(false);
    chart.SetUseBitmapBuffer(false);
    chart.SetSize(100, 80);
    chart.SetColor(clWhite);
    TRecordingDevice device(100, 80);
    chart.SetBevelOuter(bvNone);
    chart.DrawToCanvas(device, {0, 0, 100, 80});
    const auto bevelLines = [&] {
        int n = 0;
        for (const TDrawRecord& r : device.RecordsOf(TDrawOp::LineTo))
            n += r.State.Pen.Color == ColorToRGB(clBtnHighlight) || r.State.Pen.Color == ColorToRGB(clBtnShadow);
        return n;
    };
    EXPECT_EQ(bevelLines(), 0);

    device.Clear();
    chart.SetBevelOuter(bvRaised);
    chart.DrawToCanvas(device, {0, 0, 100, 80});
    // One frame of width 1: top and left in the highlight, bottom and right in the shadow.
    const std::vector<TDrawRecord> lines = device.RecordsOf(TDrawOp::LineTo);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0].P2, (TPoint{0, 0}));
    EXPECT_EQ(lines[0].State.Pen.Color, ColorToRGB(clBtnHighlight));
    EXPECT_EQ(lines[1].P2, (TPoint{99, 0}));
    EXPECT_EQ(lines[2].P2, (TPoint{99, 79}));
    EXPECT_EQ(lines[2].State.Pen.Color, ColorToRGB(clBtnShadow));
    EXPECT_EQ(lines[3].P2, (TPoint{0, 79}));
}

TEST(ChartPanelMouse, LeavingRestoresTheCursorAndEndsPanning)
{
    TChart chart;
    chart.SetCursor(crCross);
    chart.RememberCursor();
    chart.SetCursor(crHandPoint);
    chart.Panning().Activate(10, 10);
    chart.MouseLeave();
    EXPECT_EQ(chart.Cursor(), crCross);
    EXPECT_FALSE(chart.Panning().Active);
}

TEST(ChartPanelMouse, TheCursorToRestoreIsTheOneAfterLoading)
{
    TChart chart;
    chart.BeginLoading();
    chart.BeginLoading();
    chart.SetCursor(crCross);
    chart.EndLoading();
    EXPECT_TRUE(chart.IsLoading());
    EXPECT_EQ(chart.OriginalCursor(), crDefault);
    chart.EndLoading();
    EXPECT_FALSE(chart.IsLoading());
    EXPECT_EQ(chart.OriginalCursor(), crCross);
    chart.SetCursor(crHandPoint);
    chart.MouseLeave();
    EXPECT_EQ(chart.Cursor(), crCross);
}

TEST(ZoomPanningRecord, ActivatesAtAPointAndNormalizesItsCorners)
{
    TZoomPanningRecord r;
    r.Activate(30, 40);
    EXPECT_EQ(r, (TZoomPanningRecord{true, 30, 40, 30, 40}));
    r.X1 = 10;
    r.Y1 = 50;
    r.Normalize();
    EXPECT_EQ(r, (TZoomPanningRecord{true, 10, 40, 30, 50}));
}

} // namespace
