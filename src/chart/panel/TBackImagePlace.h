#pragma once

#include <cstdint>

// Where the back image goes: behind the whole panel or inside the walls (the plot).
enum class TBackImagePlace : std::uint8_t { Panel, InsideWalls };
