#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "finchenc/FinchCodec.h"

namespace finch {

// Sub-band samples of one frame: [block][band].
using SubbandSamples = std::array<std::array<double, kBandCount>, kBlocksPerFrame>;

// Runs the 32-band analysis filter bank over one frame of input, carrying the history in codec.
// Each sub-band sample is truncated toward zero.
void analyzeFrame(FinchCodec& codec, std::span<const std::int16_t, kSamplesPerFrame> samples, SubbandSamples& subbands);

}  // namespace finch
