#include "model/EOverflow.h"

namespace BHNcalc {

EOverflow::EOverflow()
    : std::runtime_error("Floating point overflow")
{
}

}
