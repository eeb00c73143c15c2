#pragma once

#include <array>
#include <cstdint>

namespace finch {

inline constexpr int kScaleFactorCount = 32;

// Scale factors in steps of about 2 dB from 8192 down, with two small entries at the end.
extern const std::array<std::int16_t, kScaleFactorCount> scaleFactorTable;

}  // namespace finch
