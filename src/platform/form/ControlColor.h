#pragma once

#include "chart/canvas/TColor.h"

#include <QColor>

// The Qt colour a control shows for a colour property (system colours resolved the way the chart does).
QColor ControlColor(TColor color);
