#pragma once
// The arithmetic of the volume usage control.

#include <cstdint>

namespace lumora {

// Percentage shown for `first` of `second` GiB, rounded half up in single precision;
// 0 when `second` is 0 (nothing to divide by).
std::uint32_t VolumePercent(std::uint32_t first, std::uint32_t second);

}  // namespace lumora
