#pragma once

#include "chart/ChartApi.h"

#include <QString>

#include <optional>
#include <string>

// The window and the chart were laid out with Liberation Sans, the metric-compatible stand-in for the classic
// dialog faces; the Debian package that brings it is fonts-liberation.
inline constexpr const char* LayoutFontFamily = "Liberation Sans";
inline constexpr const char* LayoutFontPackage = "fonts-liberation";

// The family Qt is asked for when a form or the chart names a face: Arial and MS Sans Serif map to the stand-in.
BHN_CHART_API QString QtFontFamily(const std::string& name);

// Nothing when every face the window and the chart ask for (regular and bold) resolves to the stand-in itself;
// otherwise the family that answers instead, empty when no font answers at all. Needs the application object.
BHN_CHART_API std::optional<QString> LayoutFontSubstitute();

// Whether any font at all answers; without one, every text would be drawn as empty boxes. Needs the application
// object.
BHN_CHART_API bool AnyFontAvailable();
