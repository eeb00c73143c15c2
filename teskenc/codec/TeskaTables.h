#pragma once

#include <array>
#include <cstdint>

namespace tesk {

// Frame sizes, bit allocation, gain levels and shape codebooks of the teska coefficient coder.
inline constexpr int kTeskaRates = 3;
inline constexpr int kTeskaBands = 16;
inline constexpr int kTeskaBandValues = 8;

extern const std::array<int16_t, kTeskaRates> teskaFrameBits;
// Per rate id: the band bits of each gain rank (rank 0 = largest gain), in units of 4 bits.
extern const std::array<std::array<int16_t, kTeskaBands>, kTeskaRates> teskaAllocRows;

extern const std::array<int16_t, 32> teskaGain5;
extern const std::array<int16_t, 64> teskaGain6;

// Shape codebooks, row-major; values are band vectors normalised by their gain.
extern const std::array<int16_t, 16 * 8> teskaShape8x16;
extern const std::array<int16_t, 256 * 8> teskaShape8x256;
extern const std::array<int16_t, 256 * 4> teskaShape4x256;
extern const std::array<int16_t, 64 * 2> teskaShape2x64;
extern const std::array<int16_t, 256 * 2> teskaShape2x256;
extern const std::array<int16_t, 32> teskaScalar32;

}  // namespace tesk
