#include "chart/axes/AxisDateTime.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

enum class TCalendarUnit { Fixed, HalfMonth, Month, Year };

struct TDateTimeStep {
    double Days;
    TCalendarUnit Unit;
    int Count;
};

constexpr double Second = 1.0 / 86400;
constexpr double Minute = 1.0 / 1440;
constexpr double Hour = 1.0 / 24;

constexpr std::array<TDateTimeStep, 26> Steps{{
    {Second / 1000, TCalendarUnit::Fixed, 0},
    {Second, TCalendarUnit::Fixed, 0},
    {5 * Second, TCalendarUnit::Fixed, 0},
    {10 * Second, TCalendarUnit::Fixed, 0},
    {15 * Second, TCalendarUnit::Fixed, 0},
    {30 * Second, TCalendarUnit::Fixed, 0},
    {Minute, TCalendarUnit::Fixed, 0},
    {5 * Minute, TCalendarUnit::Fixed, 0},
    {10 * Minute, TCalendarUnit::Fixed, 0},
    {15 * Minute, TCalendarUnit::Fixed, 0},
    {30 * Minute, TCalendarUnit::Fixed, 0},
    {Hour, TCalendarUnit::Fixed, 0},
    {2 * Hour, TCalendarUnit::Fixed, 0},
    {6 * Hour, TCalendarUnit::Fixed, 0},
    {12 * Hour, TCalendarUnit::Fixed, 0},
    {1, TCalendarUnit::Fixed, 0},
    {2, TCalendarUnit::Fixed, 0},
    {3, TCalendarUnit::Fixed, 0},
    {7, TCalendarUnit::Fixed, 0},
    {15, TCalendarUnit::HalfMonth, 1},
    {30, TCalendarUnit::Month, 1},
    {61, TCalendarUnit::Month, 2},
    {91, TCalendarUnit::Month, 3},
    {122, TCalendarUnit::Month, 4},
    {182, TCalendarUnit::Month, 6},
    {365, TCalendarUnit::Year, 1},
}};

constexpr double YearDays = 365;

TDateTimeStep CalendarStepOf(double step)
{
    if (step >= YearDays)
        return {step, TCalendarUnit::Year, std::max(1, static_cast<int>(std::lround(step / YearDays)))};
    for (const TDateTimeStep& entry : Steps)
        if (entry.Days == step)
            return entry;
    return {step, TCalendarUnit::Fixed, 0};
}

struct TCivilDate {
    long long Year;
    int Month;
    int Day;
};

// Days since 1899-12-30 of a civil date (proleptic Gregorian).
long long DaysFromCivil(long long y, int m, int d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 25569;
}

TCivilDate CivilFromDays(long long days)
{
    const long long z = days - 25569 + 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

// The first day of the month months after (or before, when negative) the given month.
double MonthStart(long long year, int month, int months)
{
    long long index = year * 12 + (month - 1) + months;
    const long long y = index >= 0 ? index / 12 : (index - 11) / 12;
    return static_cast<double>(DaysFromCivil(y, static_cast<int>(index - y * 12) + 1, 1));
}

long long FloorDiv(long long a, long long b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

const char* const MonthNames[] = {"January", "February", "March", "April", "May", "June", "July",
    "August", "September", "October", "November", "December"};
const char* const DayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

std::string Padded(long long value, int width)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%0*lld", width, value);
    return buffer;
}

bool StartsWith(const std::string& text, std::size_t at, const char* token)
{
    for (std::size_t i = 0; token[i]; ++i)
        if (at + i >= text.size() || std::tolower(static_cast<unsigned char>(text[at + i])) != token[i])
            return false;
    return true;
}

}

double SmallestDateTimeStep()
{
    return Steps.front().Days;
}

double NextDateTimeStep(double step)
{
    for (const TDateTimeStep& entry : Steps)
        if (entry.Days > step)
            return entry.Days;
    return step * 2;
}

double DateTimeStepAtLeast(double step)
{
    for (const TDateTimeStep& entry : Steps)
        if (entry.Days >= step)
            return entry.Days;
    return step;
}

bool IsCalendarDateTimeStep(double step)
{
    return CalendarStepOf(step).Unit != TCalendarUnit::Fixed;
}

double CalendarFloor(double value, double step)
{
    const TDateTimeStep s = CalendarStepOf(step);
    const TCivilDate date = CivilFromDays(static_cast<long long>(std::floor(value)));
    switch (s.Unit) {
    case TCalendarUnit::HalfMonth:
        return static_cast<double>(DaysFromCivil(date.Year, date.Month, date.Day >= 15 ? 15 : 1));
    case TCalendarUnit::Month:
        return MonthStart(date.Year, (date.Month - 1) / s.Count * s.Count + 1, 0);
    case TCalendarUnit::Year:
        return static_cast<double>(DaysFromCivil(FloorDiv(date.Year, s.Count) * s.Count, 1, 1));
    default:
        return std::floor(value / step) * step;
    }
}

double CalendarPrevious(double value, double step)
{
    const TDateTimeStep s = CalendarStepOf(step);
    const TCivilDate date = CivilFromDays(static_cast<long long>(std::floor(value)));
    switch (s.Unit) {
    case TCalendarUnit::HalfMonth:
        if (date.Day > 1)
            return static_cast<double>(DaysFromCivil(date.Year, date.Month, 1));
        return MonthStart(date.Year, date.Month, -1) + 14;
    case TCalendarUnit::Month:
        return MonthStart(date.Year, date.Month, -s.Count);
    case TCalendarUnit::Year:
        return static_cast<double>(DaysFromCivil(date.Year - s.Count, 1, 1));
    default:
        return value - step;
    }
}

std::string FormatDateTime(const std::string& format, double value)
{
    const double dayPart = std::floor(value);
    long long milliseconds = std::llround((value - dayPart) * 86400000.0);
    long long days = static_cast<long long>(dayPart);
    if (milliseconds >= 86400000) {
        milliseconds -= 86400000;
        ++days;
    }
    const TCivilDate date = CivilFromDays(days);
    const int weekday = static_cast<int>(((days - 1) % 7 + 7) % 7);
    const long long hour = milliseconds / 3600000;
    const long long minute = milliseconds / 60000 % 60;
    const long long second = milliseconds / 1000 % 60;
    const long long millisecond = milliseconds % 1000;
    const bool twelveHour = format.find("am/pm") != std::string::npos;
    const long long shownHour = twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;

    std::string out;
    bool afterHour = false;
    for (std::size_t i = 0; i < format.size();) {
        const char c = format[i];
        if (c == '"' || c == '\'') {
            const std::size_t end = format.find(c, i + 1);
            const std::size_t stop = end == std::string::npos ? format.size() : end;
            out += format.substr(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        const auto take = [&](const char* token, const std::string& text) {
            if (!StartsWith(format, i, token))
                return false;
            out += text;
            i += std::char_traits<char>::length(token);
            return true;
        };
        if (take("am/pm", hour < 12 ? "am" : "pm") || take("yyyy", Padded(date.Year, 4))
            || take("yy", Padded(date.Year % 100, 2))) {
            afterHour = false;
        } else if (afterHour && (take("mm", Padded(minute, 2)) || take("m", std::to_string(minute)))) {
            afterHour = false;
        } else if (take("mmmm", MonthNames[date.Month - 1]) || take("mmm", std::string(MonthNames[date.Month - 1]).substr(0, 3))
            || take("mm", Padded(date.Month, 2)) || take("m", std::to_string(date.Month))
            || take("dddd", DayNames[weekday]) || take("ddd", std::string(DayNames[weekday]).substr(0, 3))
            || take("dd", Padded(date.Day, 2)) || take("d", std::to_string(date.Day))
            || take("nn", Padded(minute, 2)) || take("n", std::to_string(minute))
            || take("ss", Padded(second, 2)) || take("s", std::to_string(second))
            || take("zzz", Padded(millisecond, 3)) || take("z", std::to_string(millisecond))) {
            afterHour = false;
        } else if (take("hh", Padded(shownHour, 2)) || take("h", std::to_string(shownHour))) {
            afterHour = true;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

std::string DefaultDateTimeFormat(double range)
{
    if (range < Minute)
        return "hh:nn:ss";
    if (range < 1)
        return "hh:nn";
    if (range < 60)
        return "dd mmm";
    if (range < 2 * YearDays)
        return "mmm yyyy";
    return "yyyy";
}
