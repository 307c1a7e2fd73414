#pragma once

#include "chart/series/ChartSeriesStartup.h"
#include "chart/series/TChartSeries.h"
#include "model/BHNcalc.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// A suite of window tests: the curves are built and the series classes registered once per suite.
class TWindowTestSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        BHNcalc::Initialize();
        RegisterChartSeriesTypes();
    }
    static void TearDownTestSuite() { UnregisterChartSeriesTypes(); }

    // The model's shared state as the program starts with it (mode 0, nothing computed yet).
    static void ResetModel()
    {
        BHNcalc::SelectedMode = 0;
        BHNcalc::SelectCurve(0);
        BHNcalc::StandardBHN = 0;
        BHNcalc::VariableBHN = 0;
        BHNcalc::StandardProtection = 0;
    }
};

using TPoints = std::vector<std::pair<double, double>>;

inline TPoints PointsOf(const TChartSeries& series)
{
    TPoints points;
    for (int i = 0; i < series.Count(); ++i) {
        points.emplace_back(series.XValueAt(i), series.YValueAt(i));
    }
    return points;
}

// The two points of a vertical hardness marker across the chart's 0.9..1.5 height.
inline TPoints MarkerAt(double hardness)
{
    return {{hardness, 1.5}, {hardness, 0.9}};
}
