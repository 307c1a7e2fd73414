#pragma once

// Marks what the engine's shared libraries export; they are built with hidden visibility, so whatever
// lacks the mark stays inside them.
#if defined(__GNUC__) || defined(__clang__)
#define BHN_CHART_API __attribute__((visibility("default")))
#else
#define BHN_CHART_API
#endif
