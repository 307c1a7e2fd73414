#include "platform/TPixelBlock.h"

#include <algorithm>
#include <cstring>

namespace {

const QRgb* RowOf(const uchar* bits, qsizetype bytesPerLine, int y)
{
    return reinterpret_cast<const QRgb*>(bits + y * bytesPerLine);
}

}

std::optional<QRgb> TPixelBlock::PlainColour(const uchar* bits, qsizetype bytesPerLine, const QRect& rect)
{
    if (rect.isEmpty())
        return std::nullopt;
    const QRgb* first = RowOf(bits, bytesPerLine, rect.top()) + rect.left();
    const QRgb colour = *first;
    if (!std::all_of(first, first + rect.width(), [colour](QRgb p) { return p == colour; }))
        return std::nullopt;
    // The other rows must equal the first, which block comparison finds fastest.
    const std::size_t rowBytes = static_cast<std::size_t>(rect.width()) * sizeof(QRgb);
    for (int y = rect.top() + 1; y <= rect.bottom(); ++y)
        if (std::memcmp(RowOf(bits, bytesPerLine, y) + rect.left(), first, rowBytes) != 0)
            return std::nullopt;
    return colour;
}

TPixelBlock TPixelBlock::Capture(const uchar* bits, qsizetype bytesPerLine, const QRect& rect)
{
    TPixelBlock block;
    block.width_ = rect.width();
    block.pixels_.reserve(static_cast<std::size_t>(rect.width()) * static_cast<std::size_t>(rect.height()));
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const QRgb* row = RowOf(bits, bytesPerLine, y) + rect.left();
        block.pixels_.insert(block.pixels_.end(), row, row + rect.width());
    }
    return block;
}

void TPixelBlock::Paste(uchar* bits, qsizetype bytesPerLine, QPoint topLeft) const
{
    if (width_ <= 0)
        return;
    const auto width = static_cast<std::size_t>(width_);
    for (std::size_t i = 0; i < pixels_.size(); i += width) {
        auto* row = reinterpret_cast<QRgb*>(bits + (topLeft.y() + static_cast<int>(i / width)) * bytesPerLine) + topLeft.x();
        std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(i), width, row);
    }
}
