#include "platform/QtSystemColors.h"

#include "chart/canvas/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

#include <optional>

namespace {

struct TPaletteEntry {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

std::optional<TPaletteEntry> EntryOf(int index)
{
    switch (index) {
    case 0: return TPaletteEntry{QPalette::Active, QPalette::Button};
    case 1: return TPaletteEntry{QPalette::Active, QPalette::Dark};
    case 2: return TPaletteEntry{QPalette::Active, QPalette::Highlight};
    case 3: return TPaletteEntry{QPalette::Active, QPalette::Mid};
    case 4: return TPaletteEntry{QPalette::Active, QPalette::Window};
    case 5: return TPaletteEntry{QPalette::Active, QPalette::Base};
    case 6: return TPaletteEntry{QPalette::Active, QPalette::Shadow};
    case 7: return TPaletteEntry{QPalette::Active, QPalette::WindowText};
    case 8: return TPaletteEntry{QPalette::Active, QPalette::Text};
    case 9: return TPaletteEntry{QPalette::Active, QPalette::HighlightedText};
    case 10: return TPaletteEntry{QPalette::Active, QPalette::Window};
    case 11: return TPaletteEntry{QPalette::Active, QPalette::Window};
    case 12: return TPaletteEntry{QPalette::Active, QPalette::Dark};
    case 13: return TPaletteEntry{QPalette::Active, QPalette::Highlight};
    case 14: return TPaletteEntry{QPalette::Active, QPalette::HighlightedText};
    case 15: return TPaletteEntry{QPalette::Active, QPalette::Button};
    case 16: return TPaletteEntry{QPalette::Active, QPalette::Dark};
    case 17: return TPaletteEntry{QPalette::Disabled, QPalette::Text};
    case 18: return TPaletteEntry{QPalette::Active, QPalette::ButtonText};
    case 19: return TPaletteEntry{QPalette::Disabled, QPalette::WindowText};
    case 20: return TPaletteEntry{QPalette::Active, QPalette::Light};
    case 21: return TPaletteEntry{QPalette::Active, QPalette::Shadow};
    case 22: return TPaletteEntry{QPalette::Active, QPalette::Midlight};
    case 23: return TPaletteEntry{QPalette::Active, QPalette::ToolTipText};
    case 24: return TPaletteEntry{QPalette::Active, QPalette::ToolTipBase};
    default: return std::nullopt;
    }
}

}

TColor QtSystemColor(int index)
{
    const std::optional<TPaletteEntry> entry = EntryOf(index);
    if (!entry || QGuiApplication::instance() == nullptr)
        return ClassicSystemColor(index);
    const QColor c = QGuiApplication::palette().color(entry->Group, entry->Role);
    return RGBColor(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()), static_cast<std::uint8_t>(c.blue()));
}

void InstallQtSystemColors()
{
    SetSystemColorLookup(&QtSystemColor);
}
