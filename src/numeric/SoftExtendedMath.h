#pragma once

#include "numeric/SoftExtended.h"

// The natural logarithm and exponential in the software extended type, to within a few units in the last place of
// its 64-bit significand, as the x87 library's logl and expl are: so the doubles and pixels a logarithmic axis
// makes from them come out as in the native build. Domain errors give the x87 unit's indefinite NaN.
SoftExtended SoftLog(SoftExtended x);
SoftExtended SoftExp(SoftExtended x);
