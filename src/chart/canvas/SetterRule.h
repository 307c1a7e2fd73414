#pragma once

// The setter rule of every published property: compare, store, and mark the chart for the next paint
// (invalidate); painting at once is RepaintNow, which only the chart and the axis label style use.

// Stores value into field when they differ; whether it did (for setters that do more than invalidate on a change).
template <class T, class U>
bool StoreChanged(T& field, const U& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

// A changed value is stored and invalidate is called; an equal one costs nothing.
template <class T, class U, class Invalidate>
void StoreAndInvalidate(T& field, const U& value, Invalidate&& invalidate)
{
    if (StoreChanged(field, value))
        invalidate();
}
