#include "chart/series/ChartSeriesStartup.h"
#include "chart/series/TAddChartFunction.h"
#include "chart/series/TChartSeriesTypes.h"
#include "chart/series/TClassRegistry.h"
#include "chart/series/TLineSeries.h"
#include "chart/series/TPointSeries.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Expected {
    const char* SeriesClass;
    const char* FunctionClass;
    const char* Description;
    const char* Page;
    int GalleryCount;
};

TEST(SeriesRegistry, StartUpRegistersFourteenEntriesInOrderOnce)
{
    RegisterChartSeriesTypes();
    RegisterChartSeriesTypes();
    const Expected expected[] = {
        {nullptr, "TAddChartFunction", "Add", "Functions", 2},
        {nullptr, "TSubtractChartFunction", "Subtract", "Functions", 2},
        {nullptr, "TMultiplyChartFunction", "Multiply", "Functions", 2},
        {nullptr, "TDivideChartFunction", "Divide", "Functions", 2},
        {nullptr, "THighChartFunction", "High", "Functions", 2},
        {nullptr, "TLowChartFunction", "Low", "Functions", 2},
        {nullptr, "TAverageChartFunction", "Average", "Functions", 2},
        {"TLineSeries", nullptr, "Line", "Standard", 2},
        {"TBarSeries", nullptr, "Bar", "Standard", 2},
        {"THorizBarSeries", nullptr, "Horiz. Bar", "Standard", 2},
        {"TAreaSeries", nullptr, "Area", "Standard", 2},
        {"TPointSeries", nullptr, "Point", "Standard", 2},
        {"TPieSeries", nullptr, "Pie", "Standard", 1},
        {"TFastLineSeries", nullptr, "Fast Line", "Standard", 2},
    };
    const TChartSeriesTypes* types = SeriesTypesList();
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->Count(), 14);
    for (int i = 0; i < 14; ++i) {
        const TChartSeriesType& entry = (*types)[i];
        const Expected& e = expected[i];
        if (e.SeriesClass)
            EXPECT_EQ(entry.SeriesClass->Name, e.SeriesClass) << i;
        else
            EXPECT_EQ(entry.SeriesClass, nullptr) << i;
        if (e.FunctionClass)
            EXPECT_EQ(entry.FunctionClass->Name, e.FunctionClass) << i;
        else
            EXPECT_EQ(entry.FunctionClass, nullptr) << i;
        EXPECT_EQ(entry.Description, e.Description) << i;
        EXPECT_EQ(entry.GalleryPage, e.Page) << i;
        EXPECT_EQ(entry.NumGallerySeries, e.GalleryCount) << i;
    }
    UnregisterChartSeriesTypes();
    EXPECT_NE(SeriesTypesList(), nullptr);
    UnregisterChartSeriesTypes();
    EXPECT_EQ(SeriesTypesList(), nullptr);
}

TEST(SeriesRegistry, ADuplicateKeepsTheFirstEntry)
{
    TChartSeriesTypes types;
    types.RegisterTypeEntry(&MetaClassOf<TLineSeries>(), nullptr, "Line", 2, "Standard");
    types.RegisterTypeEntry(&MetaClassOf<TLineSeries>(), nullptr, "Other line", 1, "Other");
    types.RegisterTypeEntry(nullptr, &MetaClassOf<TAddChartFunction>(), "Add", 2, "Functions");
    ASSERT_EQ(types.Count(), 2);
    EXPECT_EQ(types[0].Description, "Line");
    EXPECT_EQ(types[0].GalleryPage, "Standard");
    EXPECT_EQ(types[0].NumGallerySeries, 2);
}

TEST(SeriesRegistry, TextsAreCutToTwentyCharacters)
{
    TChartSeriesTypes types;
    types.RegisterTypeEntry(&MetaClassOf<TPointSeries>(), nullptr, "ABCDEFGHIJKLMNOPQRSTUVWXY", 2, "Page name of 21 chars");
    ASSERT_EQ(types.Count(), 1);
    EXPECT_EQ(types[0].Description, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(types[0].GalleryPage, "Page name of 21 char");
    types.RegisterTypeEntry(&MetaClassOf<TLineSeries>(), nullptr, "0°-35° 0°-35° 0°-35°°°", 2, "");
    EXPECT_EQ(types[1].Description, "0°-35° 0°-35° 0°-35°");
}

TEST(ClassRegistry, CreatesRegisteredClassesByName)
{
    RegisterChartSeriesTypes();
    const TClassRegistry& registry = TClassRegistry::Global();
    std::unique_ptr<TChartSeries> line = registry.Create<TChartSeries>("TLineSeries");
    ASSERT_NE(line, nullptr);
    EXPECT_NE(dynamic_cast<TLineSeries*>(line.get()), nullptr);
    EXPECT_NE(dynamic_cast<TPointSeries*>(registry.Create<TChartSeries>("TPointSeries").get()), nullptr);
    EXPECT_EQ(registry.Create<TChartSeries>("TAddChartFunction"), nullptr);
    EXPECT_EQ(registry.CreateObject("TNoSuchSeries"), nullptr);
    for (const char* name : {"TChartLegend", "TChartGradient", "TChartWall", "TChartTitle"}) {
        EXPECT_TRUE(registry.Contains(name)) << name;
        EXPECT_EQ(registry.CreateObject(name), nullptr) << name;
    }
    UnregisterChartSeriesTypes();
}

TEST(ClassRegistry, ADifferentClassUnderATakenNameIsRefused)
{
    TClassRegistry registry;
    registry.RegisterClass(MetaClassOf<TLineSeries>());
    registry.RegisterClass(MetaClassOf<TLineSeries>());
    const TMetaClass impostor{"TLineSeries", [] { return std::unique_ptr<TPersistentObject>(new TPointSeries()); }};
    EXPECT_THROW(registry.RegisterClass(impostor), EClassRegistryError);
    EXPECT_NE(dynamic_cast<TLineSeries*>(registry.CreateObject("TLineSeries").get()), nullptr);
}

TEST(ClassRegistry, ANameKnownByNameOnlyCanLaterTakeItsClass)
{
    TClassRegistry registry;
    registry.RegisterClassName("TPointSeries");
    EXPECT_TRUE(registry.Contains("TPointSeries"));
    EXPECT_EQ(registry.CreateObject("TPointSeries"), nullptr);
    registry.RegisterClass(MetaClassOf<TPointSeries>());
    registry.RegisterClassName("TPointSeries");
    EXPECT_NE(dynamic_cast<TPointSeries*>(registry.CreateObject("TPointSeries").get()), nullptr);
}

}
