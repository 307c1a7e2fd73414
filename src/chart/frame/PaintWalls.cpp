#include "chart/frame/PaintWalls.h"

#include "chart/axes/TChartAxis.h"
#include "chart/canvas/TChartCanvas3D.h"
#include "chart/frame/TChartWall.h"
#include "chart/panel/TCustomChart.h"

namespace {

// Pen and fill of a wall: no fill for a solid brush without a colour of its own.
void PrepareWallPaint(TCustomChart& chart, const TChartWall& wall)
{
    TChartCanvas3D& canvas = chart.Canvas();
    canvas.SelectChartPen(wall.Pen());
    if (wall.Color() == clAutoColor && wall.Brush().Style() == bsSolid)
        canvas.Brush().SetStyle(bsClear);
    else
        chart.SetBrushCanvas(wall.Color(), wall.Brush().Style(), wall.Brush().Color());
}

// The back image inside the walls fills the plot, one pixel less at the top and bottom when the back
// wall has a frame there.
void PaintBackImageInside(TCustomChart& chart)
{
    if (!chart.BackImageInside())
        return;
    TRect rect = chart.PlotRect();
    if (chart.BackWall().Pen().Visible()) {
        ++rect.Top;
        --rect.Bottom;
    }
    chart.DrawBackImage(rect, TBackImagePlace::InsideWalls);
}

// The 3D back wall: a plane at the chart's depth, or a box of its Size behind it.
void PaintBackWall3D(TCustomChart& chart)
{
    TChartCanvas3D& canvas = chart.Canvas();
    const TRect plot = chart.PlotRect();
    const int depth = chart.Depth3DX();
    const TChartWall& back = chart.BackWall();
    PrepareWallPaint(chart, back);
    if (back.Size() < 1)
        canvas.RectangleWithZ(plot, depth);
    else
        canvas.Cube(plot.Left, plot.Right, plot.Top, plot.Bottom, depth, depth + back.Size());
}

// The 3D left and bottom walls along the plot's edges.
void PaintSideWalls3D(TCustomChart& chart)
{
    TChartCanvas3D& canvas = chart.Canvas();
    const TRect plot = chart.PlotRect();
    const int depth = chart.Depth3DX();

    const TChartWall& left = chart.LeftWall();
    PrepareWallPaint(chart, left);
    if (left.Size() < 1)
        canvas.RectangleZ(plot.Left, plot.Top, plot.Bottom, 0, depth);
    else
        canvas.Cube(plot.Left - left.Size(), plot.Left, plot.Top, plot.Bottom, 0, depth);

    const TChartWall& bottom = chart.BottomWall();
    PrepareWallPaint(chart, bottom);
    if (bottom.Size() < 1)
        canvas.RectangleY(plot.Left, plot.Bottom, plot.Right, 0, depth);
    else
        canvas.Cube(plot.Left, plot.Right, plot.Bottom, plot.Bottom + bottom.Size(), 0, depth);
}

} // namespace

void PaintWalls(TCustomChart& chart)
{
    if (chart.View3D()) {
        const bool walls = chart.View3DWalls();
        if (walls)
            PaintBackWall3D(chart);
        PaintBackImageInside(chart);
        if (walls)
            PaintSideWalls3D(chart);
        return;
    }
    PrepareWallPaint(chart, chart.BackWall());
    const TRect plot = chart.PlotRect();
    // One more pixel right and below puts the outline exactly on PlotRect's edges.
    chart.Canvas().Rectangle(plot.Left, plot.Top, plot.Right + 1, plot.Bottom + 1);
    PaintBackImageInside(chart);
}

int WallSizeForAxis(const TCustomChart& chart, const TCustomChartAxis& axis)
{
    if (!chart.View3D() || !chart.View3DWalls())
        return 0;
    if (&axis == &chart.LeftAxis())
        return chart.LeftWall().Size();
    if (&axis == &chart.BottomAxis())
        return chart.BottomWall().Size();
    return 0;
}
