#pragma once

#include <string>
#include <string_view>

// The error box's caption, free of any toolkit so the window and the web page word it alike: the program file's
// name without folder and from its first "." on; the first character stays, the rest is lower case.
std::string ApplicationTitle(std::string_view programFile);
