#pragma once

#include <stdexcept>
#include <string>

// A form description that cannot be read or applied; the message names the file line.
class EFormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
