#pragma once

#include <string>
#include <string_view>

// The error box's caption and text, free of any toolkit so the window and the web page word them alike.

// The program file's name without folder and from its first "." on; the first character stays, the rest is lower case.
std::string ApplicationTitle(std::string_view programFile);

// The message with a "." appended when its last character sorts after ".".
std::string ErrorBoxText(std::string message);
