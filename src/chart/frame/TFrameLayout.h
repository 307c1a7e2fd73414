#pragma once

#include "chart/frame/TChartLegend.h"
#include "chart/frame/TChartTitle.h"

#include <optional>

// Where the title, foot and legend go: worked out before anything is drawn, then handed to the drawing.
// An element that is not drawn has no layout.
struct TFrameLayout {
    std::optional<TChartTitle::TLayout> Title;
    std::optional<TChartTitle::TLayout> Foot;
    std::optional<TChartLegend::TLayout> Legend;
    // A legend beside the plot is drawn before the titles, one above or below it after them.
    bool LegendFirst = false;
};
