#pragma once

#include "platform/form/SeriesFormClasses.h"

// Adds the chart control (TChart, shown by a TChartWidget) and the series classes to a form's classes.
// A series is made through the chart engine's class registry, so its type must be registered first.
void AddChartFormClasses(TFormClassTable& classes);
