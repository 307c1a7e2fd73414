#pragma once

// Refuses a text angle outside 0..359 with a ChartException naming what it belongs to
// ("Axis Labels", "Axis Title").
void CheckAxisAngle(int value, const char* description);
