#include "chart/canvas/TLayoutRecorder.h"

void TLayoutRecorder::TextOut(int x, int y, std::string_view text)
{
    const TSize extent = target_.TextExtent(text);
    const unsigned align = target_.GetTextAlign();
    const unsigned horizontal = align & TA_HORIZONTAL_MASK;
    const int left = horizontal == TA_RIGHT ? x - extent.Width : horizontal == TA_CENTER ? x - extent.Width / 2 : x;
    // The box before any rotation, with its top where the text's cell starts; a baseline alignment keeps y.
    const int top = (align & TA_VERTICAL_MASK) == TA_BOTTOM ? y - extent.Height : y;
    boxes_.push_back({std::string(text), {left, top, left + extent.Width, top + extent.Height}, font_.Escapement});
    target_.TextOut(x, y, text);
}
