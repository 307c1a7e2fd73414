#pragma once

#include "chart/ChartApi.h"
#include "chart/canvas/FontTypes.h"
#include "chart/canvas/TColor.h"
#include "chart/canvas/TNotifyEvent.h"

#include <cstdint>
#include <string>

// A font. Size (points) and Height (pixels; negative is the character height) are two views
// of one value, converted at PixelsPerInch. A new font is the engine default: Arial, 8 points, black.
class BHN_CHART_API TChartFont {
public:
    static constexpr int PixelsPerInch = 96;
    static constexpr const char* DefaultName = "Arial";
    static constexpr int DefaultSize = 8;

    TChartFont() = default;
    explicit TChartFont(TNotifyEvent onChange);
    TChartFont(const TChartFont&) = delete;
    TChartFont& operator=(const TChartFont&) = delete;

    const std::string& Name() const { return name_; }
    void SetName(const std::string& value);
    int Size() const;
    void SetSize(int points);
    int Height() const { return height_; }
    void SetHeight(int pixels);
    TColor Color() const { return color_; }
    void SetColor(TColor value);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles value);
    std::uint8_t CharSet() const { return charSet_; }
    void SetCharSet(std::uint8_t value);

    // The engine default (and then not stored): default size, name, black, no style, default character set.
    bool IsDefault() const;

    // Copies every setting; notifies once when anything changed.
    void Assign(const TChartFont& source);

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler);

    // The pixel height (negative, character height) of a size in points.
    static int SizeToHeight(int points);

private:
    void Changed() const;

    std::string name_ = DefaultName;
    int height_ = SizeToHeight(DefaultSize);
    TColor color_ = clBlack;
    TFontStyles style_;
    std::uint8_t charSet_ = DEFAULT_CHARSET;
    TNotifyEvent onChange_;
};
