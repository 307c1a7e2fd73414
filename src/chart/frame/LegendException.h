#pragma once

#include <stdexcept>

// A refused legend property value; what() is the message shown to the user.
class LegendException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
