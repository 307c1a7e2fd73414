#include "chart/canvas/SystemColors.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<TColor, SystemColorCount> ClassicColors{
    RGBColor(192, 192, 192), // scroll bar
    RGBColor(0, 128, 128),   // desktop
    RGBColor(0, 0, 128),     // active caption
    RGBColor(128, 128, 128), // inactive caption
    RGBColor(192, 192, 192), // menu
    RGBColor(255, 255, 255), // window
    RGBColor(0, 0, 0),       // window frame
    RGBColor(0, 0, 0),       // menu text
    RGBColor(0, 0, 0),       // window text
    RGBColor(255, 255, 255), // caption text
    RGBColor(192, 192, 192), // active border
    RGBColor(192, 192, 192), // inactive border
    RGBColor(128, 128, 128), // application work space
    RGBColor(0, 0, 128),     // highlight
    RGBColor(255, 255, 255), // highlight text
    RGBColor(192, 192, 192), // button face
    RGBColor(128, 128, 128), // button shadow
    RGBColor(128, 128, 128), // gray text
    RGBColor(0, 0, 0),       // button text
    RGBColor(192, 192, 192), // inactive caption text
    RGBColor(255, 255, 255), // button highlight
    RGBColor(0, 0, 0),       // 3D dark shadow
    RGBColor(223, 223, 223), // 3D light
    RGBColor(0, 0, 0),       // tooltip text
    RGBColor(255, 255, 225), // tooltip background
};

TSystemColorLookup& CurrentLookup()
{
    static TSystemColorLookup lookup;
    return lookup;
}

}

TColor ClassicSystemColor(int index)
{
    if (index < 0 || index >= SystemColorCount)
        return clBlack;
    return ClassicColors[static_cast<std::size_t>(index)];
}

void SetSystemColorLookup(TSystemColorLookup lookup)
{
    CurrentLookup() = std::move(lookup);
}

TColor ColorToRGB(TColor color)
{
    if (!IsSystemColor(color))
        return color;
    const int index = static_cast<int>(color & 0xFF);
    const TSystemColorLookup& lookup = CurrentLookup();
    return lookup ? lookup(index) : ClassicSystemColor(index);
}
