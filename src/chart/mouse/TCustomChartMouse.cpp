#include "chart/panel/TCustomChart.h"

void TCustomChart::MouseDown(TMouseButton, TShiftState, int, int)
{
}

void TCustomChart::MouseMove(TShiftState, int, int)
{
}

void TCustomChart::MouseUp(TMouseButton, TShiftState, int, int)
{
}

void TCustomChart::MouseWheel(int)
{
}
