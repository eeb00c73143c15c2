#pragma once

#include <cstdint>
#include <span>

namespace finch {

// Bits per sample a band can be given; codes of n bits carry a sign and n - 1 level bits.
inline constexpr int kMaxAllocation = 5;

// The encoder's reconstruction centres for |sample / scale| in class n = 2..5 (2^(n-1) of them).
std::span<const double> quantizerCentres(int n);

// The decoder's levels, fractions of 65536, for class n = 1..5 (one level for class 1).
std::span<const std::uint16_t> dequantizerLevels(int n);

}  // namespace finch
