#include "chart/canvas/ChartMath.h"

#include <limits>

int MulDiv(int x, int y, int z)
{
    if (z == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(x) * y;
    const std::int64_t divisor = z;
    std::int64_t quotient = product / divisor;
    const std::int64_t remainder = product % divisor;
    // Compare twice the remainder with the divisor in magnitude: at or above half, round away from zero.
    const std::int64_t twiceRest = remainder < 0 ? -2 * remainder : 2 * remainder;
    const std::int64_t absDivisor = divisor < 0 ? -divisor : divisor;
    if (twiceRest >= absDivisor)
        quotient += ((product < 0) != (divisor < 0)) ? -1 : 1;
    if (quotient > std::numeric_limits<int>::max() || quotient < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(quotient);
}
