#pragma once

#include <cstdint>

// $00BBGGRR for an RGB colour (red in the low byte); $80000000 | index for a system colour.
using TColor = std::uint32_t;

constexpr TColor SystemColorFlag = 0x80000000u;

// No colour: an owner that meets it draws nothing with it.
constexpr TColor clNone = 0x1FFFFFFFu;
// The owner's colour applies; the same bits as system colour 0.
constexpr TColor clAutoColor = 0x80000000u;

constexpr TColor RGBColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return TColor{red} | (TColor{green} << 8) | (TColor{blue} << 16);
}
constexpr std::uint8_t RedOf(TColor c) { return static_cast<std::uint8_t>(c & 0xFF); }
constexpr std::uint8_t GreenOf(TColor c) { return static_cast<std::uint8_t>((c >> 8) & 0xFF); }
constexpr std::uint8_t BlueOf(TColor c) { return static_cast<std::uint8_t>((c >> 16) & 0xFF); }
constexpr bool IsSystemColor(TColor c) { return (c & SystemColorFlag) != 0; }
constexpr TColor SystemColor(std::uint8_t index) { return SystemColorFlag | index; }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// System colours by their classic platform index.
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);

constexpr int SystemColorCount = 25;
