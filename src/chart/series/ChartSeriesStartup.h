#pragma once

// The chart engine's start-up step: registers the seven functions, the chart's own classes by name
// and the seven series types. Runs once however often it is called; each call counts.
void RegisterChartSeriesTypes();
// The shut-down step: the last call after as many RegisterChartSeriesTypes calls frees the registry.
void UnregisterChartSeriesTypes();
