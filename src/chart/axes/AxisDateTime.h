#pragma once

#include "chart/ChartApi.h"

#include <string>

// Date-time axis values count days since 1899-12-30 00:00, the fraction being the time of day.
//
// Calendar steps, smallest first: 1 ms; 1, 5, 10, 15, 30 s; 1, 5, 10, 15, 30 min; 1, 2, 6, 12 h;
// 1, 2, 3, 7 days; half a month (15 days); 1, 2, 3, 4, 6 months (30, 61, 91, 122, 182 days);
// 1 year (365 days). Beyond the last entry a step doubles. The half-month, month and year steps
// (and their doublings) are calendar steps: their labels fall on the 1st (and 15th) of a month
// or on the 1st of January instead of advancing by a fixed number of days.

BHN_CHART_API double SmallestDateTimeStep();
// The first table entry above step; beyond the table, twice the step.
BHN_CHART_API double NextDateTimeStep(double step);
// The first table entry at or above step; beyond the table, the step itself.
BHN_CHART_API double DateTimeStepAtLeast(double step);
BHN_CHART_API bool IsCalendarDateTimeStep(double step);
// The latest calendar boundary of the step at or before value.
BHN_CHART_API double CalendarFloor(double value, double step);
// The calendar boundary one step before a boundary.
BHN_CHART_API double CalendarPrevious(double value, double step);

// Formats a date-time with a picture of yyyy, yy, mmmm, mmm, mm, m, dddd, ddd, dd, d, hh, h,
// nn, n (m right after an hour means minutes), ss, s, zzz, am/pm and quoted text (English names).
BHN_CHART_API std::string FormatDateTime(const std::string& format, double value);
// The format for labels whose range spans range days: seconds, minutes, days, months or years.
BHN_CHART_API std::string DefaultDateTimeFormat(double range);
