#pragma once

#include "platform/form/TPropertyTable.h"

class TChart;
class TChartWidget;

// The form properties of the chart control: its position among the controls and the engine's settings
// (View3D, BevelOuter, walls, titles, axes) with dotted paths into the owned parts.
const TPropertyTable<TChartWidget>& ChartWidgetProperties();

// The same properties on a chart with no control around it: the engine's settings are applied, the control's
// own (position, size, tab order, font) are read and passed over.
const TPropertyTable<TChart>& BareChartProperties();
