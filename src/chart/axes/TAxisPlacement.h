#pragma once

// How ReserveSpace places an axis: the standard axes take their room from the chart rectangle; the others
// sit on its edge and take none.
enum class TAxisPlacement { TakesRoom, OnEdge };
