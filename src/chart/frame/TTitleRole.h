#pragma once

// Which text PaintTitle draws: the title at the top of the plot rectangle or the foot at its bottom.
enum class TTitleRole { Title, Foot };
