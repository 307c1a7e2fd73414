#include "chart/frame/TLegendValueWidths.h"

#include "chart/canvas/TChartCanvas.h"
#include "chart/series/TChartSeries.h"
#include "chart/series/TChartValueList.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

// A picture of digits, grouping and decimals only, and one-character separators that are not
// letters or digits: every text is a sign, digits and separators.
bool PlainNumberPicture(const std::string& format, const TFormatSettings& settings)
{
    const auto plainSeparator = [](const std::string& s) {
        return s.size() == 1 && std::isgraph(static_cast<unsigned char>(s[0])) && !std::isalnum(static_cast<unsigned char>(s[0]));
    };
    return !format.empty() && format.find_first_not_of("#0.,") == std::string::npos
        && plainSeparator(settings.DecimalSeparator) && plainSeparator(settings.ThousandSeparator)
        && settings.DecimalSeparator != settings.ThousandSeparator;
}

// The finite values of one sign: the largest magnitude, the widest text's width as bounded, and the
// magnitude below which a value has fewer integer digits than the largest.
struct TSignClass {
    bool Present = false;
    double Largest = 0;
    int Bound = 0;
    double Smallest = 0;
};

}

int TLegendValueWidths::Widest(const TChartSeries& series, TLegendTextStyle style, int first, int count, TChartCanvas& canvas,
    const TItemText& itemText)
{
    const TDrawingDevice* device = canvas.Device();
    TKey key{&series, {}, style, first, count, canvas.Font().Name(), canvas.Font().Height(), canvas.Font().Style(), device,
        device != nullptr ? &typeid(*device) : nullptr, series.ValueFormat(), series.PercentFormat(), AxisFormatSettings()};
    for (const TChartValueList* list : series.ValueLists())
        key.ListChanges.push_back(list->ChangeCount());
    const auto known = std::find_if(entries_.begin(), entries_.end(), [&key](const TEntry& entry) { return entry.Key == key; });
    if (known != entries_.end()) {
        std::rotate(entries_.begin(), known, known + 1);
        return entries_.front().Widest;
    }
    const std::optional<int> bound = FromBound(series, style, first, count, canvas, itemText);
    const int widest = bound ? *bound : MeasureEvery(first, count, canvas, itemText);
    constexpr std::size_t Kept = 2;
    if (entries_.size() == Kept)
        entries_.pop_back();
    entries_.insert(entries_.begin(), TEntry{std::move(key), widest});
    return widest;
}

int TLegendValueWidths::MeasureEvery(int first, int count, TChartCanvas& canvas, const TItemText& itemText)
{
    int widest = 0;
    for (int i = first; i < first + count; ++i)
        widest = std::max(widest, canvas.TextWidth(itemText(i)));
    return widest;
}

// With no labels, an item is a space and the value's text. Where widths are glyph advances added
// up, the text of any value of one sign is no wider than the text of that sign with as many integer
// digits as the largest value has, every decimal the picture allows, and every digit the widest one:
// it has no more glyphs of each kind and none wider. When some item is that wide, it is the widest.
std::optional<int> TLegendValueWidths::FromBound(const TChartSeries& series, TLegendTextStyle style, int first, int count,
    TChartCanvas& canvas, const TItemText& itemText)
{
    const TFormatSettings& settings = AxisFormatSettings();
    const std::string& format = series.ValueFormat();
    if ((style != ltsLeftValue && style != ltsRightValue) || series.StoresLabels() || canvas.Device() == nullptr
        || !canvas.Device()->TextWidthsAddUp() || !PlainNumberPicture(format, settings) || count <= 0)
        return std::nullopt;

    // The widest digit, from runs of 64: an advance is a whole number of 1/64 pixels, so any
    // difference shows in the runs' rounded widths.
    char digit = '1';
    int digitRun = 0;
    for (char c = '1'; c <= '9'; ++c)
        if (const int run = canvas.TextWidth(std::string(64, c)); run > digitRun) {
            digit = c;
            digitRun = run;
        }
    if (canvas.TextWidth(std::string(64, '0')) > digitRun)
        return std::nullopt;

    TSignClass positive;
    TSignClass negative;
    int widest = 0;
    bool notFiniteSeen[3] = {false, false, false};
    for (int i = first; i < first + count; ++i) {
        const double value = series.MarkValue(series.MapIndex(i));
        if (std::isfinite(value)) {
            TSignClass& sign = std::signbit(value) && value != 0 ? negative : positive;
            sign.Present = true;
            sign.Largest = std::max(sign.Largest, std::fabs(value));
            continue;
        }
        // Not a number and the two infinities each have one text: measured once.
        const int kind = std::isnan(value) ? 0 : (value > 0 ? 1 : 2);
        if (!notFiniteSeen[kind]) {
            notFiniteSeen[kind] = true;
            widest = std::max(widest, canvas.TextWidth(itemText(i)));
        }
    }

    const std::size_t point = format.find('.');
    const int decimals = point == std::string::npos ? 0
        : static_cast<int>(std::count_if(format.begin() + static_cast<long>(point) + 1, format.end(), [](char c) { return c == '0' || c == '#'; }));
    const auto setBound = [&](TSignClass& sign, bool isNegative) {
        const std::string largest = FormatFloat(format, sign.Largest, settings);
        const std::string integerPart = largest.substr(0, largest.find(settings.DecimalSeparator));
        const int integers = static_cast<int>(std::count_if(integerPart.begin(), integerPart.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }));
        // Within fifteen digits the double of the text gives the text back.
        if (integers + decimals > 15)
            return false;
        std::string digits(static_cast<std::size_t>(integers), digit);
        if (decimals > 0) {
            digits += '.';
            digits.append(static_cast<std::size_t>(decimals), digit);
        }
        const std::string number = FormatFloat(format, (isNegative ? -1 : 1) * std::stod(digits), settings);
        if (std::count(number.begin(), number.end(), digit) != integers + decimals)
            return false;
        std::string item = style == ltsLeftValue ? std::string(1, ' ') : number;
        item += style == ltsLeftValue ? number : std::string(1, ' ');
        sign.Bound = canvas.TextWidth(item);
        // Rounding up may carry into one more digit; the margin only keeps the search short.
        sign.Smallest = integers > 1 ? std::pow(10.0, integers - 1) * 0.999 - 1 : 0;
        return true;
    };
    if ((positive.Present && !setBound(positive, false)) || (negative.Present && !setBound(negative, true)))
        return std::nullopt;
    const int bound = std::max(positive.Bound, negative.Bound);
    if (widest >= bound)
        return widest;

    // An item of the sign whose bound it is, with as many integer digits, usually reaches it at once.
    constexpr int MaxTries = 1024;
    int tries = 0;
    for (int i = first; i < first + count && tries < MaxTries; ++i) {
        const double value = series.MarkValue(series.MapIndex(i));
        if (!std::isfinite(value))
            continue;
        const bool isNegative = std::signbit(value) && value != 0;
        const TSignClass& sign = isNegative ? negative : positive;
        if (sign.Bound != bound || std::fabs(value) < sign.Smallest)
            continue;
        ++tries;
        if (canvas.TextWidth(itemText(i)) == bound)
            return bound;
    }
    return std::nullopt;
}
