#pragma once

#include "chart/ChartApi.h"
#include "chart/axes/FormatFloat.h"
#include "chart/canvas/FontTypes.h"
#include "chart/series/TLegendTextStyle.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

class TChartCanvas;
class TChartSeries;

// The widest text of a legend that lists one series' values. It is kept while the series' values,
// formats, the legend's choice of items and the font stay the same, and when the texts are plain
// numbers it is found from a bound instead of measuring every text.
class BHN_CHART_API TLegendValueWidths {
public:
    // The item text of an index, as the legend words it.
    using TItemText = std::function<std::string(int index)>;

    // The widest canvas text of items first..first + count - 1 (the legend font selected).
    int Widest(const TChartSeries& series, TLegendTextStyle style, int first, int count, TChartCanvas& canvas, const TItemText& itemText);

private:
    // What the widths depend on.
    struct TKey {
        const TChartSeries* Series = nullptr;
        std::vector<std::uint64_t> ListChanges;
        TLegendTextStyle Style = ltsPlain;
        int First = 0;
        int Count = 0;
        std::string FontName;
        int FontHeight = 0;
        TFontStyles FontStyle;
        const void* Device = nullptr;
        const std::type_info* DeviceType = nullptr;
        std::string ValueFormat;
        std::string PercentFormat;
        TFormatSettings Settings;

        friend bool operator==(const TKey&, const TKey&) = default;
    };

    static int MeasureEvery(int first, int count, TChartCanvas& canvas, const TItemText& itemText);
    // The widest text found from a bound that one item reaches; none when the texts are not plain
    // numbers or no item reaches the bound.
    static std::optional<int> FromBound(const TChartSeries& series, TLegendTextStyle style, int first, int count,
        TChartCanvas& canvas, const TItemText& itemText);

    struct TEntry {
        TKey Key;
        int Widest = 0;
    };
    // The legend asks for all items and for those that fit: the two last answers, latest first.
    std::vector<TEntry> entries_;
};
