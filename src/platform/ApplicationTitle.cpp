#include "platform/ApplicationTitle.h"

std::string ApplicationTitle(std::string_view programFile)
{
    const std::size_t slash = programFile.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? programFile : programFile.substr(slash + 1);
    name = name.substr(0, name.find('.'));
    std::string title(name);
    for (std::size_t i = 1; i < title.size(); ++i) {
        if (title[i] >= 'A' && title[i] <= 'Z') {
            title[i] = static_cast<char>(title[i] - 'A' + 'a');
        }
    }
    return title;
}
