#pragma once

// Whether DrawAxis places its line anew from the plot rectangle or draws it where the last layout put it.
enum class TAxisLinePosition { Recalculate, Keep };
