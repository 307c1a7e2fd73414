#include "chart/axes/CheckAxisAngle.h"

#include "chart/panel/ChartException.h"

#include <string>

void CheckAxisAngle(int value, const char* description)
{
    if (value < 0 || value > 359)
        throw ChartException(std::string(description) + " Angle must be between 0 and 359 degrees");
}
