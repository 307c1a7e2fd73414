#pragma once

#include "chart/panel/TChart.h"

// A new series of type T, owned by the chart from here on.
template <class T>
T* AddSeries(TChart& chart)
{
    auto* series = new T;
    series->SetParentChart(&chart);
    return series;
}
