#pragma once

#include "picture/TPictureFormat.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace cli {

// A picture of the calculator's chart after Calculate with these inputs, written as a PNG, SVG or PDF file.
struct TPictureSize {
    int width = 0;
    int height = 0;
};

struct TChartRequest {
    std::string outPath;
    TPictureFormat format = TPictureFormat::Png;
    // The inputs as the command line read them.
    double variableBHN = 0.0;
    double standardBHN = 0.0;
    std::int32_t mode = 0;
    // The picture's size in pixels; none for the chart's size in the window's form.
    std::optional<TPictureSize> size;
};

// The commands that need the window system; main supplies them, so the rest of the command line stays testable.
struct TWindowCommands {
    std::function<int(const TChartRequest&)> renderChart;
    std::function<int(const std::string& path)> screenshot;
};

}
