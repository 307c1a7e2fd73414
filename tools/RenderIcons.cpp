#include "IconArt.h"

#include <cstdio>
#include <cstdlib>
#include <string>

// Build-time tool: draws the application icon from its SVG source.
//   bhn_icon_render ICON.svg SIZE OUT.png   the icon as a SIZExSIZE PNG for the icon theme
//   bhn_icon_render ICON.svg --xpm          the window's 32x32 sixteen-colour icon as form rows on stdout
int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[2]) == "--xpm") {
        const QImage art = RenderIconArt(QString::fromLocal8Bit(argv[1]), 256);
        if (art.isNull()) {
            std::fprintf(stderr, "bhn_icon_render: cannot read %s\n", argv[1]);
            return 2;
        }
        for (const std::string& row : XpmRows(SixteenColourIcon(art, 32))) {
            std::printf("    '%s'\n", row.c_str());
        }
        return 0;
    }
    if (argc != 4) {
        std::fprintf(stderr, "usage: bhn_icon_render ICON.svg SIZE OUT.png | ICON.svg --xpm\n");
        return 2;
    }
    const int size = std::atoi(argv[2]);
    const QImage art = size > 0 ? RenderIconArt(QString::fromLocal8Bit(argv[1]), size) : QImage();
    if (art.isNull() || !art.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "bhn_icon_render: cannot draw %s at %s pixels into %s\n", argv[1], argv[2], argv[3]);
        return 2;
    }
    return 0;
}
