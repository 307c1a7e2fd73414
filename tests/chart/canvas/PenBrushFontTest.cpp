#include "chart/canvas/TChartBrush.h"
#include "chart/canvas/TChartFont.h"
#include "chart/canvas/TChartPen.h"
#include "chart/canvas/TView3DOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct PenDefaults {
    TColor Color;
    TPenStyle Style;
    int Width;
    bool Visible;
};

void ExpectDefaults(const TChartPen& pen, const PenDefaults& d, const char* name)
{
    SCOPED_TRACE(name);
    EXPECT_EQ(pen.Color(), d.Color);
    EXPECT_EQ(pen.Style(), d.Style);
    EXPECT_EQ(pen.Width(), d.Width);
    EXPECT_EQ(pen.Mode(), pmCopy);
    EXPECT_FALSE(pen.SmallDots());
    EXPECT_EQ(pen.Visible(), d.Visible);
    EXPECT_TRUE(pen.IsDefault());
}

}

TEST(ChartPens, EachVariantHasItsDefaults)
{
    ExpectDefaults(TChartPen(), {clBlack, psSolid, 1, true}, "TChartPen");
    ExpectDefaults(TChartHiddenPen(), {clBlack, psSolid, 1, false}, "TChartHiddenPen");
    ExpectDefaults(TDottedGrayPen(), {0x808080, psDot, 1, true}, "TDottedGrayPen");
    ExpectDefaults(TDarkGrayPen(), {0x808080, psSolid, 1, true}, "TDarkGrayPen");
    ExpectDefaults(TChartAxisPen(), {clBlack, psSolid, 2, true}, "TChartAxisPen");
    ExpectDefaults(TChartArrowPen(), {clWhite, psSolid, 1, true}, "TChartArrowPen");
}

TEST(ChartPens, SettersNotifyOnlyOnChange)
{
    int changes = 0;
    TChartPen pen([&changes] { ++changes; });
    pen.SetColor(clBlack);
    pen.SetWidth(1);
    pen.SetVisible(true);
    pen.SetSmallDots(false);
    EXPECT_EQ(changes, 0);
    pen.SetColor(clRed);
    pen.SetStyle(psDash);
    pen.SetWidth(3);
    pen.SetMode(pmNotXor);
    pen.SetSmallDots(true);
    pen.SetVisible(false);
    EXPECT_EQ(changes, 6);
    EXPECT_FALSE(pen.IsDefault());
}

TEST(ChartPens, AssignCopiesEverythingWithOneNotification)
{
    int changes = 0;
    TDottedGrayPen target;
    target.SetOnChange([&changes] { ++changes; });
    TChartPen source;
    source.SetColor(clBlue);
    source.SetWidth(2);
    source.SetVisible(false);
    source.SetSmallDots(true);
    target.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.Color(), clBlue);
    EXPECT_EQ(target.Style(), psSolid);
    EXPECT_EQ(target.Width(), 2);
    EXPECT_FALSE(target.Visible());
    EXPECT_TRUE(target.SmallDots());
    target.Assign(source);
    EXPECT_EQ(changes, 1);
    // The class defaults stay those of the dotted grey pen.
    EXPECT_FALSE(target.IsDefault());
}

TEST(ChartBrush, DefaultsSettersAndAssign)
{
    int changes = 0;
    TChartBrush brush;
    EXPECT_EQ(brush.Color(), clWhite);
    EXPECT_EQ(brush.Style(), bsSolid);
    brush.SetOnChange([&changes] { ++changes; });
    brush.SetColor(clWhite);
    EXPECT_EQ(changes, 0);
    brush.SetStyle(bsDiagCross);
    TChartBrush other(clRed, bsClear);
    brush.Assign(other);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(brush.Color(), clRed);
    EXPECT_EQ(brush.Style(), bsClear);
}

TEST(ChartFont, EngineDefaultIsArialEightPointBlack)
{
    TChartFont font;
    EXPECT_EQ(font.Name(), "Arial");
    EXPECT_EQ(font.Size(), 8);
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.Color(), clBlack);
    EXPECT_TRUE(font.Style().IsEmpty());
    EXPECT_EQ(font.CharSet(), DEFAULT_CHARSET);
    EXPECT_TRUE(font.IsDefault());
}

TEST(ChartFont, SizeAndHeightConvertAtNinetySixDpi)
{
    struct Case {
        int size, height;
    };
    const Case cases[] = {{8, -11}, {10, -13}, {12, -16}, {7, -9}, {36, -48}};
    for (const Case& c : cases) {
        TChartFont font;
        font.SetSize(c.size);
        EXPECT_EQ(font.Height(), c.height) << c.size;
        TChartFont byHeight;
        byHeight.SetHeight(c.height);
        EXPECT_EQ(byHeight.Size(), c.size) << c.height;
    }
}

TEST(ChartFont, EachSettingBreaksTheDefaultAndNotifiesOnce)
{
    struct Case {
        const char* name;
        void (*change)(TChartFont&);
    };
    const Case cases[] = {
        {"name", [](TChartFont& f) { f.SetName("Courier New"); }},
        {"size", [](TChartFont& f) { f.SetSize(9); }},
        {"height", [](TChartFont& f) { f.SetHeight(-13); }},
        {"colour", [](TChartFont& f) { f.SetColor(clRed); }},
        {"style", [](TChartFont& f) { f.SetStyle(fsBold | fsItalic); }},
        {"charset", [](TChartFont& f) { f.SetCharSet(0); }},
    };
    for (const Case& c : cases) {
        int changes = 0;
        TChartFont font([&changes] { ++changes; });
        c.change(font);
        c.change(font);
        EXPECT_EQ(changes, 1) << c.name;
        EXPECT_FALSE(font.IsDefault()) << c.name;
    }
    // A height that still reads as 8 points keeps the font default.
    TChartFont font;
    font.SetHeight(-10);
    EXPECT_EQ(font.Size(), 8);
    EXPECT_TRUE(font.IsDefault());
}

TEST(ChartFont, AssignCopiesAllSettings)
{
    TChartFont source;
    source.SetName("MS Sans Serif");
    source.SetHeight(-13);
    source.SetColor(clNavy);
    source.SetStyle(fsUnderline);
    int changes = 0;
    TChartFont target([&changes] { ++changes; });
    target.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(target.Name(), "MS Sans Serif");
    EXPECT_EQ(target.Size(), 10);
    EXPECT_EQ(target.Color(), clNavy);
    EXPECT_TRUE(target.Style().Contains(fsUnderline));
    EXPECT_FALSE(target.Style().Contains(fsBold));
}

TEST(View3DOptions, DefaultsAndRepaintOnChange)
{
    std::vector<std::string> events;
    TView3DOptions options([&events] { events.push_back("repaint"); });
    EXPECT_EQ(options.Elevation(), 345);
    EXPECT_EQ(options.HorizOffset(), 0);
    EXPECT_TRUE(options.Orthogonal());
    EXPECT_EQ(options.Perspective(), 15);
    EXPECT_EQ(options.Rotation(), 345);
    EXPECT_EQ(options.Tilt(), 0);
    EXPECT_EQ(options.VertOffset(), 0);
    EXPECT_EQ(options.Zoom(), 100);
    EXPECT_TRUE(options.ZoomText());

    options.SetOnZoom([&events, &options](int zoom) {
        events.push_back("zoom " + std::to_string(zoom) + " from " + std::to_string(options.Zoom()));
    });
    options.SetElevation(345);
    options.SetZoom(100);
    EXPECT_TRUE(events.empty());
    options.SetZoom(150);
    options.SetTilt(10);
    options.SetOrthogonal(false);
    EXPECT_EQ(events, (std::vector<std::string>{"zoom 150 from 100", "repaint", "repaint", "repaint"}));
}
