#pragma once

#include <stdexcept>

namespace BHNcalc {

// Raised when a numeral exceeds the range of the extended format; callers show it as an error.
class EOverflow : public std::runtime_error {
public:
    EOverflow();
};

}
