#include "chart/canvas/SeriesPalette.h"
#include "chart/canvas/SystemColors.h"
#include "chart/canvas/TColor.h"

#include <gtest/gtest.h>

TEST(Colors, NamedColoursAreBgrValues)
{
    struct Case {
        TColor color;
        std::uint8_t r, g, b;
    };
    const Case cases[] = {
        {clBlack, 0, 0, 0},       {clMaroon, 128, 0, 0},   {clGreen, 0, 128, 0},   {clOlive, 128, 128, 0},
        {clNavy, 0, 0, 128},      {clPurple, 128, 0, 128}, {clTeal, 0, 128, 128},  {clGray, 128, 128, 128},
        {clSilver, 192, 192, 192}, {clRed, 255, 0, 0},     {clLime, 0, 255, 0},    {clYellow, 255, 255, 0},
        {clBlue, 0, 0, 255},      {clFuchsia, 255, 0, 255}, {clAqua, 0, 255, 255}, {clWhite, 255, 255, 255},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.color, RGBColor(c.r, c.g, c.b));
        EXPECT_EQ(RedOf(c.color), c.r);
        EXPECT_EQ(GreenOf(c.color), c.g);
        EXPECT_EQ(BlueOf(c.color), c.b);
    }
    EXPECT_EQ(clRed, 0x0000FFu);
    EXPECT_EQ(clBlue, 0xFF0000u);
}

TEST(Colors, SpecialAndSystemColourValues)
{
    EXPECT_EQ(clNone, 0x1FFFFFFFu);
    EXPECT_EQ(clAutoColor, 0x80000000u);
    EXPECT_EQ(clAutoColor, SystemColor(0));
    EXPECT_EQ(clWindow, 0x80000005u);
    EXPECT_EQ(clWindowText, 0x80000008u);
    EXPECT_EQ(clBtnFace, 0x8000000Fu);
    EXPECT_EQ(clBtnShadow, 0x80000010u);
    EXPECT_EQ(clBtnHighlight, 0x80000014u);
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clNone));
    EXPECT_FALSE(IsSystemColor(clWhite));
}

TEST(Colors, DefaultPaletteOrderAndWrapAround)
{
    const TColor expected[16] = {clRed,  clGreen, clYellow, clBlue,   clWhite, clGray,   clFuchsia, clTeal,
                                 clNavy, clMaroon, clLime,  clOlive, clPurple, clSilver, clAqua,    clBlack};
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(DefaultSeriesPalette[static_cast<std::size_t>(i)], expected[i]) << i;
        EXPECT_EQ(Palette(i), expected[i]) << i;
        EXPECT_EQ(Palette(i + 16), expected[i]) << i + 16;
    }
    EXPECT_EQ(Palette(16), clRed);
    EXPECT_EQ(Palette(-1), clBlack);
}

TEST(Colors, ColorToRGBResolvesSystemColoursThroughTheInstalledLookup)
{
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGBColor(192, 192, 192));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clBtnShadow), clGray);
    EXPECT_EQ(ColorToRGB(clBtnHighlight), clWhite);
    // An unreplaced automatic colour is system colour 0.
    EXPECT_EQ(ColorToRGB(clAutoColor), ClassicSystemColor(0));

    SetSystemColorLookup([](int index) { return static_cast<TColor>(index * 3); });
    EXPECT_EQ(ColorToRGB(clBtnFace), 45u);
    EXPECT_EQ(ColorToRGB(clAutoColor), 0u);
    EXPECT_EQ(ColorToRGB(clLime), clLime);
    SetSystemColorLookup({});
    EXPECT_EQ(ColorToRGB(clBtnFace), RGBColor(192, 192, 192));
}
