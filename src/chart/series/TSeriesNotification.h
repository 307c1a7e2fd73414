#pragma once

// What a series tells the series that take their points from it (NotifyDependents).
enum TSeriesNotification { snClear = 0, snAdd = 1, snDelete = 2, snRefresh = 3, snValueChange = 4 };

// Which changes of a source series a dependent follows (SourceEvents), one bit each.
enum TSeriesSourceEvent : unsigned { seDelete = 1u, seValueChange = 2u, seAdd = 4u, seClear = 8u };
inline constexpr unsigned AllSourceEvents = seDelete | seValueChange | seAdd | seClear;
