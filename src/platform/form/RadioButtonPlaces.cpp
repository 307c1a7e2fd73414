#include "platform/form/RadioButtonPlaces.h"

std::vector<TRect> RadioButtonPlaces(int count, int columns, int width, int height, int textHeight)
{
    std::vector<TRect> places;
    if (count <= 0 || columns <= 0) {
        return places;
    }
    const int rows = (count + columns - 1) / columns;
    const int buttonWidth = (width - 10) / columns;
    const int space = height - textHeight - 5;
    const int buttonHeight = space / rows;
    const int top = space % rows / 2 + textHeight + 1;
    for (int i = 0; i < count; ++i) {
        const int left = 8 + buttonWidth * (i / rows);
        const int y = top + buttonHeight * (i % rows);
        places.push_back({left, y, left + buttonWidth, y + buttonHeight});
    }
    return places;
}
