#pragma once

// A mouse cursor by its platform number; 0 is the default cursor, -2 the arrow.
using TCursor = int;

constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crHandPoint = -21;
