#pragma once

// The setter rule of every published property: compare, store, ask for a repaint.

// Stores value into field when they differ; whether it did (for setters that do more than repaint on a change).
template <class T, class U>
bool StoreChanged(T& field, const U& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

// A changed value is stored and repaint is called; an equal one costs nothing.
template <class T, class U, class Repaint>
void StoreAndRepaint(T& field, const U& value, Repaint&& repaint)
{
    if (StoreChanged(field, value))
        repaint();
}
