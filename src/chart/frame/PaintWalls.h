#pragma once

class TCustomChart;
class TCustomChartAxis;

// Draws the back wall (2D: the frame on PlotRect's edges), the back image when it goes inside the walls,
// and, in 3D with View3DWalls, the left and bottom walls.
void PaintWalls(TCustomChart& chart);

// The wall depth an axis must leave: in 3D with View3DWalls the left or bottom wall's Size, otherwise 0.
int WallSizeForAxis(const TCustomChart& chart, const TCustomChartAxis& axis);
