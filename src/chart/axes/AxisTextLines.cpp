#include "chart/axes/AxisTextLines.h"

std::vector<std::string_view> AxisTextLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    if (text.empty())
        return lines;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = text.find(AxisLineSeparator, start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}
