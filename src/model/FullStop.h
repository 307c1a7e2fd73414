#pragma once

#include <string>

namespace BHNcalc {

// An error's message as the error box and the command line show it: a "." appended when the last byte sorts
// after "." as an unsigned byte, so a message ending in a letter, a digit or any UTF-8 sequence gets one.
std::string WithFullStop(std::string message);

}
