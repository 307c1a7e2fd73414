#pragma once

// Stores value into field when they differ; whether it did (the caller then reports the change).
template <class T, class U>
bool StoreChanged(T& field, const U& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}
