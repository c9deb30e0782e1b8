#include "ui/skin/core/VolumeUsage.h"

#include <cmath>

namespace lumora {

std::uint32_t VolumePercent(std::uint32_t first, std::uint32_t second) {
    if (second == 0) return 0;
    float share = static_cast<float>(static_cast<double>(first) * 100.0 / static_cast<double>(second));
    double rounded = std::trunc(static_cast<double>(share) + 0.5);
    // A used size far above the total cannot overflow the text either.
    return rounded >= 4294967295.0 ? 4294967295u : static_cast<std::uint32_t>(rounded);
}

}  // namespace lumora
