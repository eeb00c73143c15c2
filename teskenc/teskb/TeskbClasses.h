#pragma once

#include <array>
#include <cstdint>

#include "teskenc/teskb/TeskbCodec.h"
#include "teskenc/teskb/TeskbTables.h"

namespace tesk {

// Steps shared by the teskb encoder and decoder.

inline constexpr int kTeskbBands = 16;
inline constexpr int kTeskbBandSize = 8;

// Class of each band: rank k (largest scale index first, the lower band first on ties) gets row[k].
std::array<int, kTeskbBands> teskbAllocateClasses(const std::array<int, kTeskbBands>& scaleIndices,
                                                  const TeskbClassRow& row);

// The magnitude that level L stands for at scale S.
inline int32_t teskbLevelScale(int32_t level, int32_t scale) { return (level * scale) >> 6; }

inline const TeskbPatternRows& teskbPatternsOfClass(int bandClass) { return teskbPatterns[bandClass / 2]; }

}  // namespace tesk
