#pragma once

#include <array>
#include <cstdint>

namespace finch {

inline constexpr int kAnalysisWindowLength = 512;

// The filter bank's analysis window in units of 1/799980, negated in every odd block of 64.
extern const std::array<std::int16_t, kAnalysisWindowLength> analysisWindow;

}  // namespace finch
