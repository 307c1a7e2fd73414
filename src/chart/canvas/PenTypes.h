#pragma once

#include <cstdint>

// psAlternate is the device's cosmetic pen that paints every other pixel (used for small dots).
enum TPenStyle : std::uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame, psAlternate };

// The sixteen binary raster operations of a pen, in the platform's order.
enum TPenMode : std::uint8_t {
    pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
    pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor,
};
