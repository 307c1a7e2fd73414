#pragma once

#include "chart/ChartApi.h"

// The chart engine's start-up step: registers the seven functions, the chart's own classes by name
// and the seven series types. Runs once however often it is called; each call counts.
BHN_CHART_API void RegisterChartSeriesTypes();
// The shut-down step: the last call after as many RegisterChartSeriesTypes calls frees the registry.
BHN_CHART_API void UnregisterChartSeriesTypes();
