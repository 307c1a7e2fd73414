#pragma once

#include "chart/ChartApi.h"
#include "chart/series/TChartSeriesType.h"

#include <string>
#include <vector>

// The list of registered series types and functions, in registration order.
class BHN_CHART_API TChartSeriesTypes {
public:
    static constexpr std::size_t MaxTextLength = 20;

    // Registers the classes by name; a second entry with the same series and function class is ignored.
    void RegisterTypeEntry(const TMetaClass* seriesClass, const TMetaClass* functionClass,
        const std::string& description, int galleryCount, const std::string& page);

    int Count() const { return static_cast<int>(entries_.size()); }
    const TChartSeriesType& operator[](int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    const std::vector<TChartSeriesType>& Entries() const { return entries_; }

private:
    std::vector<TChartSeriesType> entries_;
};

// The process-wide registry; none until the first registration and after FreeRegistry.
BHN_CHART_API TChartSeriesTypes* SeriesTypesList();

BHN_CHART_API void RegisterTypeEntry(const TMetaClass* seriesClass, const TMetaClass* functionClass,
    const std::string& description, int galleryCount, const std::string& page);
BHN_CHART_API void RegisterSeriesType(const TMetaClass& seriesClass, const std::string& description, const std::string& page, int galleryCount);
BHN_CHART_API void RegisterFunctionType(const TMetaClass& functionClass, const std::string& description, const std::string& page, int galleryCount);
// A function on the "Functions" page with two gallery series.
BHN_CHART_API void RegisterBasicFunction(const TMetaClass& functionClass, const std::string& description);
BHN_CHART_API void FreeRegistry();
