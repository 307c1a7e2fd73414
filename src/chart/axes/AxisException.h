#pragma once

#include <stdexcept>

// A refused axis property value; what() is the message shown to the user.
class AxisException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
