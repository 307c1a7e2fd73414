#include "FrameTestChart.h"

#include "chart/axes/TChartAxis.h"
#include "chart/frame/PaintWalls.h"
#include "chart/frame/TChartWall.h"

#include <gtest/gtest.h>

namespace {

struct TWallDraw {
    TFrameTestChart chart;
    TRecordingDevice device;

    void Draw()
    {
        chart.DrawStep(device, [this] {
            if (chart.View3D())
                chart.Prepare3D();
            PaintWalls(chart);
        });
    }
};

} // namespace

TEST(ChartWalls, DefaultsPerWall)
{
    TFrameTestChart chart;
    struct Case {
        const char* name;
        const TChartWall& wall;
        TColor color;
        TBrushStyle brushStyle;
    };
    const Case cases[] = {
        {"back", chart.BackWall(), clAutoColor, bsClear},
        {"left", chart.LeftWall(), 0x0080FFFF, bsSolid},
        {"bottom", chart.BottomWall(), clWhite, bsSolid},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.wall.Color(), c.color);
        EXPECT_EQ(c.wall.DefaultColor(), c.color);
        EXPECT_FALSE(c.wall.IsColorStored());
        EXPECT_EQ(c.wall.Brush().Color(), clAutoColor);
        EXPECT_EQ(c.wall.Brush().Style(), c.brushStyle);
        EXPECT_TRUE(c.wall.Dark3D());
        EXPECT_EQ(c.wall.Size(), 0);
        EXPECT_TRUE(c.wall.Pen().Visible());
        EXPECT_EQ(c.wall.Pen().Color(), clBlack);
        EXPECT_EQ(c.wall.Pen().Width(), 1);
    }
    chart.LeftWall().SetColor(clWhite);
    EXPECT_TRUE(chart.LeftWall().IsColorStored());
}

TEST(ChartWalls, BackWallFramesThePlotIn2D)
{
    TWallDraw d;
    d.Draw();
    // One pixel more right and below: the outline lies on PlotRect (17, 13, 536, 324) itself.
    const std::vector<TDrawRecord> boxes = d.device.RecordsOf(TDrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Rect, (TRect{17, 13, 537, 325}));
    EXPECT_EQ(boxes[0].State.Brush.Style, bsClear);
    EXPECT_EQ(boxes[0].State.Pen, (TDevicePen{clBlack, psSolid, 1, pmCopy}));
    EXPECT_TRUE(d.device.RecordsOf(TDrawOp::Polygon).empty());
}

TEST(ChartWalls, BackWallFill)
{
    struct Case {
        const char* name;
        TColor color;
        TBrushStyle style;
        TColor brushColor;
        TDeviceBrush expected;
        TBackMode backMode;
        TColor backColor;
    };
    const Case cases[] = {
        {"solid without colour: no fill", clAutoColor, bsSolid, clWhite, {clBlack, bsClear}, bmTransparent, 0},
        {"white", clWhite, bsSolid, clAutoColor, {clWhite, bsSolid}, bmTransparent, 0},
        {"pattern on another colour", clRed, bsCross, clBlue, {clRed, bsCross}, bmOpaque, clBlue},
        {"pattern on its own colour turns black", clRed, bsCross, clRed, {clBlack, bsCross}, bmOpaque, clRed},
        {"black pattern on black turns white", clBlack, bsCross, clBlack, {clWhite, bsCross}, bmOpaque, clBlack},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TWallDraw d;
        TChartWall& back = d.chart.BackWall();
        back.SetColor(c.color);
        back.Brush().SetStyle(c.style);
        back.Brush().SetColor(c.brushColor);
        d.Draw();
        const std::vector<TDrawRecord> boxes = d.device.RecordsOf(TDrawOp::Rectangle);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].State.Brush.Style, c.expected.Style);
        if (c.expected.Style != bsClear) {
            EXPECT_EQ(boxes[0].State.Brush.Color, c.expected.Color);
        }
        if (c.expected.Style != bsSolid && c.expected.Style != bsClear) {
            EXPECT_EQ(boxes[0].State.BackMode, c.backMode);
            EXPECT_EQ(boxes[0].State.BackColor, c.backColor);
        }
    }
}

TEST(ChartWalls, HiddenPenDrawsNoOutline)
{
    TWallDraw d;
    d.chart.BackWall().Pen().SetVisible(false);
    d.chart.BackWall().SetColor(clWhite);
    d.chart.BackWall().Brush().SetStyle(bsSolid);
    d.Draw();
    const std::vector<TDrawRecord> boxes = d.device.RecordsOf(TDrawOp::Rectangle);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].State.Pen.Style, psClear);
    EXPECT_EQ(boxes[0].State.Brush, (TDeviceBrush{clWhite, bsSolid}));
}

TEST(ChartWalls, WallsIn3DStillMakeAPicture)
{
    TWallDraw d;
    d.chart.SetView3D(true);
    d.Draw();
    ASSERT_GT(d.chart.Depth3DX(), 0);
    // Back wall, left wall and bottom wall: one polygon each, the left one filled pale yellow.
    const std::vector<TDrawRecord> polygons = d.device.RecordsOf(TDrawOp::Polygon);
    ASSERT_EQ(polygons.size(), 3u);
    EXPECT_EQ(polygons[1].State.Brush, (TDeviceBrush{0x0080FFFF, bsSolid}));
    EXPECT_EQ(polygons[2].State.Brush, (TDeviceBrush{clWhite, bsSolid}));
    for (const TDrawRecord& p : polygons)
        EXPECT_EQ(p.Points.size(), 4u);

    TWallDraw noWalls;
    noWalls.chart.SetView3D(true);
    noWalls.chart.SetView3DWalls(false);
    noWalls.Draw();
    EXPECT_TRUE(noWalls.device.Records().empty());
}

TEST(ChartWalls, WallSizeForAxis)
{
    TFrameTestChart chart;
    chart.LeftWall().SetSize(4);
    chart.BottomWall().SetSize(6);
    struct Case {
        bool view3D;
        bool walls;
        int left;
        int bottom;
    };
    const Case cases[] = {
        {false, true, 0, 0},
        {true, true, 4, 6},
        {true, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "3D " << c.view3D << " walls " << c.walls);
        chart.SetView3D(c.view3D);
        chart.SetView3DWalls(c.walls);
        EXPECT_EQ(WallSizeForAxis(chart, chart.LeftAxis()), c.left);
        EXPECT_EQ(WallSizeForAxis(chart, chart.BottomAxis()), c.bottom);
        EXPECT_EQ(WallSizeForAxis(chart, chart.TopAxis()), 0);
        EXPECT_EQ(WallSizeForAxis(chart, chart.RightAxis()), 0);
    }
}

TEST(ChartWalls, ChangesRepaintTheChart)
{
    TFrameTestChart chart;
    int invalidations = 0;
    chart.OnInvalidate = [&] { ++invalidations; };
    chart.BackWall().SetSize(0);
    EXPECT_EQ(invalidations, 0);
    chart.BackWall().SetSize(3);
    chart.BackWall().SetDark3D(false);
    chart.BackWall().Pen().SetWidth(2);
    chart.BackWall().Brush().SetStyle(bsSolid);
    EXPECT_EQ(invalidations, 4);
}

TEST(ChartWalls, AssignKeepsTheKindAndItsDefault)
{
    TFrameTestChart chart;
    TChartWall& back = chart.BackWall();
    back.SetColor(clRed);
    back.SetDark3D(false);
    back.Pen().SetWidth(3);
    back.SetSize(2);
    TChartWall& left = chart.LeftWall();
    left.Assign(back);
    EXPECT_EQ(left.Color(), clRed);
    EXPECT_EQ(left.Brush().Style(), bsClear);
    EXPECT_FALSE(left.Dark3D());
    EXPECT_EQ(left.Pen().Width(), 3);
    EXPECT_EQ(left.Size(), 2);
    EXPECT_EQ(left.Kind(), TWallKind::Left);
    EXPECT_EQ(left.DefaultColor(), 0x0080FFFFu);
}
