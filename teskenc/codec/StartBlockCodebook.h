#pragma once

#include <array>
#include <cstdint>

namespace tesk {

// Step magnitudes of the start-up block coder: one row per block, one column per index pair.
inline constexpr int kStartBlockRows = 32;
inline constexpr int kStartBlockColumns = 8;

extern const std::array<std::array<int32_t, kStartBlockColumns>, kStartBlockRows> startBlockCodebook;

}  // namespace tesk
