#pragma once

#include <array>
#include <cstdint>

#include "teskenc/teskb/TeskbCodec.h"

namespace tesk {

// Scale value per 4-bit scale index.
extern const std::array<int32_t, 16> teskbScales;
// A band's scale index is the first j (0..14) whose level its size stays below; the last entry is never read.
extern const std::array<int32_t, 16> teskbThresholds;
// Class per rank, for rate ids 4..9.
extern const std::array<TeskbClassRow, 6> teskbClassRows;

// Bits (0, 2 or 4) of each coefficient of a band, per peak position; 4 at the peak, summing to 4 * class.
using TeskbPatternRows = std::array<std::array<int, 8>, 8>;
// Indexed by class / 2: classes 1, 2, 4, 6 and 8 are the only ones the class rows use.
extern const std::array<TeskbPatternRows, 5> teskbPatterns;

// Levels of a 4-bit and a 2-bit code; level L at scale S stands for the magnitude (L * S) >> 6.
extern const std::array<int32_t, 8> teskbLevels4;
extern const std::array<int32_t, 2> teskbLevels2;

}  // namespace tesk
