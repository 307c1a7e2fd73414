#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TMetaClass.h"

#include <string>

// One entry of the series type registry: a series class or a function class, with gallery texts.
struct BHN_CHART_API TChartSeriesType {
    const TMetaClass* SeriesClass = nullptr;
    const TMetaClass* FunctionClass = nullptr;
    std::string Description;
    std::string GalleryPage;
    int NumGallerySeries = 2;
};
