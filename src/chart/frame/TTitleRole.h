#pragma once

// Which text a TChartTitle lays out and draws: the title at the top of the plot rectangle or the foot at its bottom.
enum class TTitleRole { Title, Foot };
