#pragma once

// Which of the chart's axes an axis is; fixes its orientation, side and default title angle.
enum class TAxisKind { Bottom, Top, Left, Right, Depth };
