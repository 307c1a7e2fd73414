#pragma once

#include "chart/ChartApi.h"

#include <cstdint>

enum TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A set of font styles.
class BHN_CHART_API TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(TFontStyle style) : bits_(style) {}

    constexpr bool Contains(TFontStyle style) const { return (bits_ & style) != 0; }
    constexpr bool IsEmpty() const { return bits_ == 0; }
    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr TFontStyles With(TFontStyle style) const { return FromBits(static_cast<std::uint8_t>(bits_ | style)); }
    constexpr TFontStyles Without(TFontStyle style) const { return FromBits(static_cast<std::uint8_t>(bits_ & ~style)); }

    friend constexpr TFontStyles operator|(TFontStyles a, TFontStyles b) { return FromBits(static_cast<std::uint8_t>(a.bits_ | b.bits_)); }
    friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
    static constexpr TFontStyles FromBits(std::uint8_t bits)
    {
        TFontStyles s;
        s.bits_ = bits;
        return s;
    }
    std::uint8_t bits_ = 0;
};

constexpr TFontStyles operator|(TFontStyle a, TFontStyle b)
{
    return TFontStyles(a) | TFontStyles(b);
}

// The character set a new font starts with.
constexpr std::uint8_t DEFAULT_CHARSET = 1;
