#include "app/cli/ModeCurves.h"

#include <array>
#include <optional>

namespace cli {

const BHNcalc::TCurve& ModeCurve(std::int32_t mode)
{
    static std::array<std::optional<BHNcalc::TCurve>, 8> built;
    std::optional<BHNcalc::TCurve>& curve = built.at(static_cast<std::size_t>(mode));
    if (!curve) {
        BHNcalc::Initialize();
        curve = BHNcalc::CurveOfMode(mode);
    }
    return *curve;
}

}
