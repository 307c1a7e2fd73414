#pragma once

#include <stdexcept>
#include <string>

// A drawing surface that cannot be made or drawn on.
class EDeviceError : public std::runtime_error {
public:
    explicit EDeviceError(const std::string& message) : std::runtime_error(message) {}
};
