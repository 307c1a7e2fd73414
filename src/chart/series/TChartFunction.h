#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TPersistentObject.h"

#include <vector>

class TChartSeries;
class TChartValueList;

enum TFunctionPeriodAlign { paFirst, paCenter, paLast };
enum TFunctionPeriodStyle { psNumPoints, psRange };

// A calculation that fills its series from one or more source series.
class BHN_CHART_API TChartFunction : public TPersistentObject {
public:
    TChartFunction() = default;
    TChartFunction(const TChartFunction&) = delete;
    TChartFunction& operator=(const TChartFunction&) = delete;

    TChartSeries* ParentSeries() const { return parentSeries_; }
    void SetParentSeries(TChartSeries* series) { parentSeries_ = series; }

    double Period() const { return period_; }
    // A negative period raises ChartException "Function Period should be >= 0".
    void SetPeriod(double value);
    TFunctionPeriodAlign PeriodAlign() const { return periodAlign_; }
    void SetPeriodAlign(TFunctionPeriodAlign value);
    TFunctionPeriodStyle PeriodStyle() const { return periodStyle_; }
    void SetPeriodStyle(TFunctionPeriodStyle value);

    // The value over first..last of one source (first -1: the whole list).
    virtual double Calculate(const TChartSeries& source, int first, int last) const = 0;
    // The value at one index across several sources; only the sources that have the index take part.
    virtual double CalculateMany(const std::vector<TChartSeries*>& sources, int valueIndex) const = 0;
    // Adds to the parent series the function's points: one per index across several sources, or
    // one per period of a single source (period 0: one point for the whole source).
    virtual void AddPoints(const std::vector<TChartSeries*>& sources);

protected:
    // The list of the source the function reads: the one named by the parent's YValues ValueSource, else YValues.
    const TChartValueList& ValueList(const TChartSeries& source) const;

private:
    void Recalculate();
    void AddPeriodPoint(const TChartSeries& source, int first, int last);

    TChartSeries* parentSeries_ = nullptr;
    double period_ = 0.0;
    TFunctionPeriodAlign periodAlign_ = paCenter;
    TFunctionPeriodStyle periodStyle_ = psNumPoints;
};
