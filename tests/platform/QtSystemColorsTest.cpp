#include "platform/QtSystemColors.h"

#include "chart/canvas/SystemColors.h"

#include <QApplication>
#include <QPalette>

#include <gtest/gtest.h>

TEST(QtSystemColors, SystemColoursComeFromTheApplicationPalette)
{
    const QPalette saved = QApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(7, 8, 9));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(10, 11, 12));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(13, 14, 15));
    QApplication::setPalette(palette);

    InstallQtSystemColors();
    EXPECT_EQ(ColorToRGB(clBtnFace), RGBColor(1, 2, 3));
    EXPECT_EQ(ColorToRGB(clWindow), RGBColor(4, 5, 6));
    EXPECT_EQ(ColorToRGB(clWindowText), RGBColor(7, 8, 9));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGBColor(10, 11, 12));
    EXPECT_EQ(ColorToRGB(clBtnHighlight), RGBColor(13, 14, 15));
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(QtSystemColor(200), ClassicSystemColor(200));

    SetSystemColorLookup({});
    QApplication::setPalette(saved);
    EXPECT_EQ(ColorToRGB(clBtnFace), RGBColor(192, 192, 192));
}
