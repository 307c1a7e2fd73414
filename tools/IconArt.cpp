#include "IconArt.h"

#include <QPainter>
#include <QSvgRenderer>

#include <array>
#include <limits>
#include <map>

namespace {

constexpr std::array<QRgb, 16> ClassicColours{
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

QRgb NearestClassicColour(QRgb pixel)
{
    QRgb best = ClassicColours.front();
    int bestDistance = std::numeric_limits<int>::max();
    for (const QRgb colour : ClassicColours) {
        const int dr = qRed(pixel) - qRed(colour);
        const int dg = qGreen(pixel) - qGreen(colour);
        const int db = qBlue(pixel) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = colour;
        }
    }
    return best;
}

}  // namespace

QImage RenderIconArt(const QString& svgPath, int size)
{
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        return {};
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    return image;
}

QImage SixteenColourIcon(const QImage& picture, int size)
{
    const QImage large = picture.convertToFormat(QImage::Format_ARGB32);
    QImage icon(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // Ties go to the colour met first in the block.
            std::map<QRgb, int> votes;
            QRgb winner = 0;
            int most = 0;
            for (int by = y * large.height() / size; by < (y + 1) * large.height() / size; ++by) {
                for (int bx = x * large.width() / size; bx < (x + 1) * large.width() / size; ++bx) {
                    const QRgb pixel = large.pixel(bx, by);
                    const QRgb colour = qAlpha(pixel) < 128 ? qRgba(0, 0, 0, 0) : NearestClassicColour(pixel);
                    const int count = ++votes[colour];
                    if (count > most) {
                        most = count;
                        winner = colour;
                    }
                }
            }
            icon.setPixel(x, y, winner);
        }
    }
    return icon;
}

std::vector<std::string> XpmRows(const QImage& sixteenColourIcon)
{
    // One letter per colour in the order first met, '.' for transparent pixels.
    std::map<QRgb, char> letters;
    std::vector<std::string> pixels;
    for (int y = 0; y < sixteenColourIcon.height(); ++y) {
        std::string row;
        for (int x = 0; x < sixteenColourIcon.width(); ++x) {
            const QRgb pixel = sixteenColourIcon.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                row += '.';
                continue;
            }
            const auto [entry, added] = letters.try_emplace(pixel, static_cast<char>('a' + letters.size()));
            row += entry->second;
        }
        pixels.push_back(std::move(row));
    }
    std::vector<std::string> rows{std::to_string(sixteenColourIcon.width()) + ' '
        + std::to_string(sixteenColourIcon.height()) + ' ' + std::to_string(letters.size() + 1) + " 1"};
    rows.push_back(". c None");
    for (const auto& [colour, letter] : letters) {
        rows.push_back(std::string(1, letter) + " c " + QColor(colour).name(QColor::HexRgb).toUpper().toStdString());
    }
    rows.insert(rows.end(), pixels.begin(), pixels.end());
    return rows;
}
