#pragma once

#include <QImage>
#include <QString>

#include <string>
#include <vector>

// The application's icon drawn from its SVG source at a square size, with transparency; a null image when
// the file cannot be read.
QImage RenderIconArt(const QString& svgPath, int size);

// The picture reduced to size x size pixels of the sixteen classic window colours, the form of the icon the
// window carries: each of its pixels is turned into the nearest classic colour (transparent when less than half
// covered), and each small pixel takes the colour most of its block has, so edges stay sharp.
QImage SixteenColourIcon(const QImage& picture, int size);

// The rows of an XPM image (header, colour table, pixel rows) of a sixteen-colour icon.
std::vector<std::string> XpmRows(const QImage& sixteenColourIcon);
