#include "chart/series/TChartSeriesTypes.h"

#include "chart/series/TClassRegistry.h"

#include <memory>

namespace {

std::unique_ptr<TChartSeriesTypes>& GlobalTypes()
{
    static std::unique_ptr<TChartSeriesTypes> types;
    return types;
}

// The first count characters of a UTF-8 text (a character is never split).
std::string CutText(const std::string& text, std::size_t count)
{
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
        if (startsCharacter && characters++ == count)
            return text.substr(0, i);
    }
    return text;
}

}

void TChartSeriesTypes::RegisterTypeEntry(const TMetaClass* seriesClass, const TMetaClass* functionClass,
    const std::string& description, int galleryCount, const std::string& page)
{
    if (seriesClass != nullptr)
        TClassRegistry::Global().RegisterClass(*seriesClass);
    if (functionClass != nullptr)
        TClassRegistry::Global().RegisterClass(*functionClass);
    for (const TChartSeriesType& entry : entries_)
        if (entry.SeriesClass == seriesClass && entry.FunctionClass == functionClass)
            return;
    entries_.push_back({seriesClass, functionClass, CutText(description, MaxTextLength), CutText(page, MaxTextLength), galleryCount});
}

TChartSeriesTypes* SeriesTypesList()
{
    return GlobalTypes().get();
}

void RegisterTypeEntry(const TMetaClass* seriesClass, const TMetaClass* functionClass,
    const std::string& description, int galleryCount, const std::string& page)
{
    if (!GlobalTypes())
        GlobalTypes() = std::make_unique<TChartSeriesTypes>();
    GlobalTypes()->RegisterTypeEntry(seriesClass, functionClass, description, galleryCount, page);
}

void RegisterSeriesType(const TMetaClass& seriesClass, const std::string& description, const std::string& page, int galleryCount)
{
    RegisterTypeEntry(&seriesClass, nullptr, description, galleryCount, page);
}

void RegisterFunctionType(const TMetaClass& functionClass, const std::string& description, const std::string& page, int galleryCount)
{
    RegisterTypeEntry(nullptr, &functionClass, description, galleryCount, page);
}

void RegisterBasicFunction(const TMetaClass& functionClass, const std::string& description)
{
    RegisterFunctionType(functionClass, description, "Functions", 2);
}

void FreeRegistry()
{
    GlobalTypes().reset();
}
