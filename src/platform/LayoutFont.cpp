#include "platform/LayoutFont.h"

#include "chart/canvas/TChartFont.h"

#include <QFont>
#include <QFontInfo>

#include <array>

namespace {

// The faces the form gives its controls and the chart engine gives its texts.
constexpr std::array<const char*, 2> AskedFaces{"MS Sans Serif", TChartFont::DefaultName};

}  // namespace

QString QtFontFamily(const std::string& name)
{
    if (name == "MS Sans Serif" || name == "Arial") {
        return QString::fromLatin1(LayoutFontFamily);
    }
    return QString::fromStdString(name);
}

std::optional<QString> LayoutFontSubstitute()
{
    for (const char* face : AskedFaces) {
        for (const bool bold : {false, true}) {
            QFont font(QtFontFamily(face));
            font.setPixelSize(11);
            font.setBold(bold);
            const QFontInfo info(font);
            if (info.family() != QLatin1String(LayoutFontFamily)) {
                return info.family();
            }
        }
    }
    return std::nullopt;
}

bool AnyFontAvailable()
{
    const std::optional<QString> substitute = LayoutFontSubstitute();
    return !substitute || !substitute->isEmpty();
}
