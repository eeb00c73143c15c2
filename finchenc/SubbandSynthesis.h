#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "finchenc/FinchCodec.h"

namespace finch {

// Dequantised sub-band values of one frame: [block][band].
using SubbandValues = std::array<std::array<std::int16_t, kBandCount>, kBlocksPerFrame>;

// Runs the 32-band fixed-point synthesis filter bank over one frame, carrying its delay lines in codec.
void synthesizeFrame(FinchCodec& codec, const SubbandValues& values, std::span<std::int16_t, kSamplesPerFrame> out);

}  // namespace finch
