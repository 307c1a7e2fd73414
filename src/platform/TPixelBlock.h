#pragma once

#include "chart/ChartApi.h"

#include <QImage>
#include <QRect>

#include <cstddef>
#include <optional>
#include <vector>

// A rectangle of a 32-bit image's pixels, kept so that a drawing repeated on the same plain
// background can be pasted instead of drawn again.
class BHN_CHART_API TPixelBlock {
public:
    // The colour of every pixel of the rectangle, when they are all the same.
    static std::optional<QRgb> PlainColour(const uchar* bits, qsizetype bytesPerLine, const QRect& rect);
    static TPixelBlock Capture(const uchar* bits, qsizetype bytesPerLine, const QRect& rect);

    void Paste(uchar* bits, qsizetype bytesPerLine, QPoint topLeft) const;
    std::size_t PixelCount() const { return pixels_.size(); }

private:
    int width_ = 0;
    std::vector<QRgb> pixels_;
};
