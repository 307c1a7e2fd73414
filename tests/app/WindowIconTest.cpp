#include "IconArt.h"
#include "WindowTestSupport.h"

#include "app/TForm1.h"

#include <gtest/gtest.h>

#include <QImage>

using WindowIcon = TWindowTestSuite;

// The installed icons are drawn from the SVG; the window carries the same artwork as a 32x32 sixteen-colour icon.
// After a change of the SVG, `bhn_icon_render data/icons/ID.svg --xpm` prints the form's new Icon rows.
TEST_F(WindowIcon, IsTheInstalledArtworkInSixteenColours)
{
    const QImage art = RenderIconArt(QStringLiteral(BHNCALC_ICON_SVG), 256);
    ASSERT_FALSE(art.isNull()) << BHNCALC_ICON_SVG;
    const QImage expected = SixteenColourIcon(art, 32);

    TForm1 form;
    const QImage shown = form.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(shown.size(), expected.size());
    int differing = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb a = shown.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            const bool bothClear = qAlpha(a) == 0 && qAlpha(b) == 0;
            differing += bothClear || a == b ? 0 : 1;
        }
    }
    EXPECT_EQ(differing, 0);
}
