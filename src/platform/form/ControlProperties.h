#pragma once

#include "platform/form/TPropertyTable.h"

#include <QWidget>

// Properties every control shares: Left, Top, Width, Height, TabOrder, AccessibleName (the name assistive
// technology reads out) and the Font object.
const TPropertyTable<QWidget>& ControlProperties();

// Font.Name, Font.Height (negative: pixel height of the characters), Font.Style ([fsBold, ...]), Font.Color.
const TPropertyTable<QWidget>& FontProperties();

// The position in the tab chain a form gave the control, or -1 when it has none.
int TabOrderOf(const QWidget& control);
