#pragma once

#include "platform/form/TPropertyTable.h"

class TChart;
class TLineSeries;
class TPointSeries;

// The chart engine's settings a form may set (View3D, BevelOuter, walls, titles, axes), with dotted paths into
// the owned parts; not the control's place among the others.
const TPropertyTable<TChart>& ChartEngineProperties();

// Series properties: Title, SeriesColor, ShowInLegend, Dark3D, Marks.*, Pointer.*, XValues.*, YValues.*.
const TPropertyTable<TLineSeries>& LineSeriesProperties();
const TPropertyTable<TPointSeries>& PointSeriesProperties();
