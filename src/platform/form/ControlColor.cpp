#include "platform/form/ControlColor.h"

#include "chart/canvas/SystemColors.h"

QColor ControlColor(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}
